// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The rules of the double-up game. Each handler and rule works on the table state
// held in the controls and on the chain flag Eche, and on nothing else: the rules
// pass each other no values but a card slot number.
#pragma once

#include "game/controls.h"
#include "game/services.h"
#include "game/table_observer.h"

#include <cstdint>
#include <string>
#include <vector>

namespace game {

// The platform services the rules call, all owned by the caller.
struct Platform {
    RandomSource& random;
    Clock& clock;
    CuePlayer& cues;
    EventPump& pump;
    Pauser& pauser;
    // The directory that holds the executable; the cue files lie there.
    std::string programDirectory;
};

// The text of a rank code (2..14) on a card: "2" to "10", then "J", "Q", "K", "A".
std::string rankText(int rankCode);

class DoubleUp {
  public:
    static constexpr float kParkedPickLeft = 5000.0f;
    static constexpr double kPlayCharge = 3;
    static constexpr std::uint32_t kShowdownPauseMs = 300;
    static constexpr std::uint32_t kNextDealPauseMs = 2500;
    static constexpr const char* kClickCue = "click.wav";
    static constexpr const char* kWinCue = "win.wav";

    DoubleUp(Controls controls, Platform platform);

    // Adds one more who is told what the rules do, after those added before. Not owned.
    void observe(TableObserver& observer) { observers_.push_back(&observer); }

    // The chain flag: 0 when no chain runs, -1 while the next deal continues one.
    std::int16_t Eche = 0;

    // The window's load handler.
    void Form_Load();
    // "Play": charge, put up a simulated win or count a chain step, deal five cards.
    void Command1_Click();
    // "Забрать": bank the win onto the credit and end the chain.
    void Command2_Click();
    // A click on the back of card slot 2..5: the pick and its showdown.
    void Short2_Click() { pick(2); }
    void Short3_Click() { pick(3); }
    void Short4_Click() { pick(4); }
    void Short5_Click() { pick(5); }

    // Draws a random card into a slot; 2..5 select their own slot, anything else slot 1.
    void GetCard(std::int16_t slot);
    // Shows all five card backs.
    void Clear();
    // The three outcomes of a showdown.
    void WIN();
    void LOOSE();
    void PERESDACHA();

    // Where the pick marker stands beneath the card in slot 2..5, in twips.
    static float pickMarkerLeft(int slot) {
        return 1330.0f + 840.0f * static_cast<float>(slot - 2);
    }

  private:
    void pick(int slot);
    void putUpSimulatedWin();
    void countChainStep();
    void playCue(const char* fileName);
    ImageControl& suitTemplate(int suitCode);

    Controls c_;
    Platform platform_;
    std::vector<TableObserver*> observers_;
};

} // namespace game
