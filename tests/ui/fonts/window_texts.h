// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Every text a control of the window shows: its design contents in the player's language, and
// for the labels the rules write to, the widest values and every rank.
#pragma once

#include "game/language.h"
#include "game/window_design.h"

#include <QString>
#include <QStringList>

namespace window_texts {

inline QString qString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline QStringList shownIn(const game::design::Control& control) {
    QStringList texts;
    if (!control.caption.empty()) {
        texts.append(qString(game::design::inLanguage(control.caption)));
    }
    if (control.name.starts_with("NumCard")) {
        texts << "2"
              << "3"
              << "4"
              << "5"
              << "6"
              << "7"
              << "8"
              << "9"
              << "10"
              << "J"
              << "Q"
              << "K"
              << "A";
    }
    for (const char* value : {"LabelCredit", "LabelTotalWin", "LabelStep", "LabelDouble"}) {
        if (control.name == value) {
            // Far below zero, and past a million.
            texts << "-99999"
                  << "1000000"
                  << "2000000";
        }
    }
    return texts;
}

} // namespace window_texts
