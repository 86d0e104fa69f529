// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// This session's figures, counted from what the rules tell their observers and kept in memory
// only: they go with the window.
#pragma once

#include "game/table_observer.h"

namespace game {

struct SessionFigures {
    int playsCharged = 0;
    double creditsPaid = 0;
    int winsCollected = 0; // collects of a win above zero
    double collectedSum = 0;
    double biggestWin = 0; // the biggest win collected
    int longestChain = 0;  // the most deals of one chain: 1 for a deal no pick continued

    double net() const { return collectedSum - creditsPaid; }
    // What came back per credit paid; 0 while nothing was paid.
    double returnSoFar() const { return creditsPaid > 0 ? collectedSum / creditsPaid : 0; }
};

class SessionStatistics : public TableObserver {
  public:
    // `playCharge` is what each charged play costs.
    explicit SessionStatistics(double playCharge) : playCharge_(playCharge) {}

    const SessionFigures& figures() const { return figures_; }

    void dealt(bool charged, bool chainStep) override;
    void picked(int, Outcome) override {}
    void collected(double win) override;

  private:
    double playCharge_;
    SessionFigures figures_;
    int chain_ = 0;
};

} // namespace game
