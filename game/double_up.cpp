// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/double_up.h"

#include "game/cue_path.h"
#include "game/number_text.h"
#include "game/simulated_win.h"

#include <cmath>

namespace game {
namespace {

// floor(r * span + base), computed in double so no product lands on the wrong integer.
int drawWhole(RandomSource& random, Draw draw) {
    return static_cast<int>(std::floor(static_cast<double>(random.next()) * draw.span + draw.base));
}

} // namespace

std::string rankText(int rankCode) {
    switch (rankCode) {
    case 11:
        return "J";
    case 12:
        return "Q";
    case 13:
        return "K";
    case 14:
        return "A";
    default:
        return formatWhole(rankCode);
    }
}

DoubleUp::DoubleUp(Controls controls, Platform platform)
    : c_(controls), platform_(std::move(platform)) {}

void DoubleUp::Form_Load() {
    Eche = 0;
}

void DoubleUp::Command1_Click() {
    if (c_.ImagePick.left() != kParkedPickLeft) {
        c_.ImagePick.setLeft(kParkedPickLeft);
    }
    const bool charged = parseNumber(c_.LabelTotalWin.caption()) == 0;
    if (charged) {
        const double credit = parseNumber(c_.LabelCredit.caption());
        c_.LabelCredit.setCaption(formatNumber(credit - kPlayCharge));
    }
    Clear();
    const bool chainStep = Eche == -1;
    if (!chainStep) {
        putUpSimulatedWin();
    } else {
        countChainStep();
    }
    GetCard(1);
    c_.Short[0]->setVisible(false);
    for (std::int16_t slot = 2; slot <= 5; ++slot) {
        GetCard(slot);
    }
    for (TableObserver* observer : observers_) {
        observer->dealt(charged, chainStep);
    }
}

void DoubleUp::putUpSimulatedWin() {
    RandomSource& random = platform_.random;
    random.reseed(platform_.clock.secondsSinceMidnight());
    const int win = drawWin(kWinDraws, [&random](Draw draw) { return drawWhole(random, draw); });
    c_.LabelTotalWin.setCaption(formatWhole(win));
    const double shown = parseNumber(c_.LabelTotalWin.caption());
    c_.LabelDouble.setCaption(formatNumber(shown + shown));
}

void DoubleUp::countChainStep() {
    const double step = parseNumber(c_.LabelStep.caption());
    c_.LabelStep.setCaption(formatNumber(step + 1));
    const double win = parseNumber(c_.LabelTotalWin.caption());
    c_.LabelDouble.setCaption(formatNumber(win + win));
}

void DoubleUp::Command2_Click() {
    const std::string winText = c_.LabelTotalWin.caption();
    const std::string creditText = c_.LabelCredit.caption();
    const double win = parseNumber(winText);
    const double credit = parseNumber(creditText);
    c_.LabelCredit.setCaption(formatNumber(credit + win));
    c_.LabelTotalWin.setCaption(formatWhole(0));
    Clear();
    Eche = 0;
    for (TableObserver* observer : observers_) {
        observer->collected(win);
    }
}

ImageControl& DoubleUp::suitTemplate(int suitCode) {
    switch (suitCode) {
    case 1:
        return c_.ImageCardPic;
    case 2:
        return c_.ImageCardKrest;
    case 3:
        return c_.ImageCardBub;
    default:
        return c_.ImageCardChervu;
    }
}

void DoubleUp::GetCard(std::int16_t slot) {
    const int index = (slot >= 2 && slot <= 5) ? slot - 1 : 0;
    RandomSource& random = platform_.random;
    random.reseed(platform_.clock.secondsSinceMidnight());
    const int rankCode = drawWhole(random, kRankDraw);
    const int suitCode = drawWhole(random, kSuitDraw);
    LabelControl& rankLabel = *c_.NumCard[index];
    rankLabel.setTag(formatWhole(rankCode));
    rankLabel.setCaption(rankText(rankCode));
    c_.Card[index]->setPicture(suitTemplate(suitCode).picture());
    rankLabel.setForeColor(suitCode > 2 ? kCardRed : kBlack);
}

void DoubleUp::Clear() {
    for (ImageControl* back : c_.Short) {
        back->setVisible(true);
    }
}

void DoubleUp::pick(int slot) {
    LabelControl& dealer = *c_.NumCard[0];
    LabelControl& picked = *c_.NumCard[slot - 1];
    // Before the first deal there is nothing to compare: the pick is ignored whole.
    if (dealer.tag().empty() || picked.tag().empty()) {
        return;
    }
    c_.ImagePick.setLeft(pickMarkerLeft(slot));
    playCue(kClickCue);
    c_.Short[slot - 1]->setVisible(false);
    platform_.pump.pumpEvents();
    platform_.pauser.pause(kShowdownPauseMs);

    // Tags are read afresh for each test; ranks compare as numbers, never as text.
    Outcome outcome = Outcome::Tie;
    if (parseNumber(dealer.tag()) == parseNumber(picked.tag())) {
        PERESDACHA();
    }
    if (parseNumber(dealer.tag()) != parseNumber(picked.tag())) {
        if (parseNumber(dealer.tag()) >= parseNumber(picked.tag())) {
            LOOSE();
            outcome = Outcome::Lost;
        } else {
            WIN();
            outcome = Outcome::Won;
        }
    }
    for (TableObserver* observer : observers_) {
        observer->picked(slot, outcome);
    }

    for (int other = 2; other <= 5; ++other) {
        if (other != slot) {
            c_.Short[other - 1]->setVisible(false);
        }
    }

    if (Eche != 0) {
        platform_.pump.pumpEvents();
        platform_.pauser.pause(kNextDealPauseMs);
        Command1_Click();
    }
}

void DoubleUp::WIN() {
    playCue(kWinCue);
    const double win = parseNumber(c_.LabelTotalWin.caption());
    c_.LabelTotalWin.setCaption(formatNumber(win + win));
    Eche = -1;
}

void DoubleUp::LOOSE() {
    c_.LabelStep.setCaption(formatWhole(1));
    c_.LabelTotalWin.setCaption(formatWhole(0));
    Eche = 0;
}

void DoubleUp::PERESDACHA() {
    Eche = -1;
}

void DoubleUp::playCue(const char* fileName) {
    platform_.cues.play(cuePath(platform_.programDirectory, fileName));
}

} // namespace game
