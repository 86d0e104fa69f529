// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/announcer.h"

#include "game/language.h"
#include "game/spoken_names.h"

#include <initializer_list>

namespace game {
namespace {

// The parts as sentences, in order: "Победа. Выигрыш: 80".
std::string sentences(std::initializer_list<std::string> parts) {
    std::string all;
    for (const std::string& part : parts) {
        if (part.empty()) {
            continue;
        }
        if (!all.empty()) {
            all += ". ";
        }
        all += part;
    }
    return all;
}

std::string_view outcomeWord(Outcome outcome) {
    switch (outcome) {
    case Outcome::Won:
        return design::kWon;
    case Outcome::Lost:
        return design::kLost;
    case Outcome::Tie:
        break;
    }
    return design::kTie;
}

} // namespace

Announcer::Announcer(Controls controls, std::function<void(const std::string&)> say)
    : c_(controls), say_(std::move(say)) {}

std::string Announcer::value(const LabelControl& label, std::string_view name) const {
    return design::valueName(design::control(name), label.caption());
}

std::string Announcer::dealerCard() const {
    return design::cardName(design::control("Short1"), true, c_.NumCard[0]->caption(),
                            c_.Card[0]->picture());
}

void Announcer::dealt(bool charged, bool chainStep) {
    const std::string credit = charged ? value(c_.LabelCredit, "LabelCredit") : std::string();
    const std::string win = value(c_.LabelTotalWin, "LabelTotalWin");
    if (chainStep) {
        // The card first: the next pick turns on it, and a quick player's pick cuts the rest.
        say_(sentences({dealerCard(), design::inLanguage(design::kDealtAgain),
                        value(c_.LabelStep, "LabelStep"), win, credit}));
    } else {
        say_(sentences({dealerCard(), win, credit}));
    }
}

void Announcer::picked(int slot, Outcome outcome) {
    const int index = slot - 1;
    const std::string card =
        design::spokenCard(c_.NumCard[index]->caption(), c_.Card[index]->picture());
    say_(sentences({design::inLanguage(outcomeWord(outcome)) + ": " + card,
                    value(c_.LabelTotalWin, "LabelTotalWin")}));
}

void Announcer::collected(double) {
    say_(value(c_.LabelCredit, "LabelCredit"));
}

} // namespace game
