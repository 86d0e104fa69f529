// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The design table's texts (UTF-8, held as std::string_view) as Qt takes them.
#pragma once

#include "game/language.h"
#include "game/window_design.h"

#include <QLocale>
#include <QString>

#include <string_view>

namespace ui {

inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A text of the design as the player reads it: in the player's language.
inline QString inLanguage(std::string_view designText) {
    return toQString(game::design::inLanguage(designText));
}

// How the player's language writes numbers: a decimal comma in Russian, a point in English.
inline QLocale numberLocale() {
    return QLocale(inLanguage(game::design::kNumberLocale));
}

// `value` with `places` decimals as the player's language writes it, and a typeset minus (−)
// before a negative one: "1,399", "−21". For what is read, not for the table's labels, whose
// text the rules read back as numbers.
inline QString localNumber(double value, int places) {
    const QLocale locale = numberLocale();
    QString text = locale.toString(value, 'f', places);
    if (text.startsWith(locale.negativeSign())) {
        text.replace(0, locale.negativeSign().size(), QChar(0x2212));
    }
    return text;
}

} // namespace ui
