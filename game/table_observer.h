// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the rules tell whoever watches the game, once each thing they do is done: the window's
// spoken announcements listen here. The rules know nothing of who listens.
#pragma once

namespace game {

// How a pick's showdown came out for the player.
enum class Outcome { Won, Lost, Tie };

class TableObserver {
  public:
    virtual ~TableObserver() = default;
    // Five cards were dealt, by "Play" or as the next deal of a chain. `charged` when the play
    // charge was taken from the credit; `chainStep` when the deal counted a step of a chain.
    virtual void dealt(bool charged, bool chainStep) = 0;
    // The card in slot 2..5 was picked and its showdown decided, before any next deal.
    virtual void picked(int slot, Outcome outcome) = 0;
    // `win` was banked onto the credit.
    virtual void collected(double win) = 0;
};

} // namespace game
