// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The design table's texts (UTF-8, held as std::string_view) as Qt takes them.
#pragma once

#include "game/language.h"

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

} // namespace ui
