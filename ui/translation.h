// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's language, chosen from the desktop's. The design's texts are Russian; each other
// language is a translation compiled into the program (ui/translations/).
#pragma once

#include <QString>
#include <QStringList>

namespace ui {

// The translation that the player's languages, most wanted first ("de-DE", "ru", ...), ask for
// among the game's `translations` ("en", ...): the first language the game speaks, where
// Russian, and "C" (no language set), mean none, the design's own texts; English when the game
// speaks none of them.
QString chosenTranslation(const QStringList& uiLanguages, const QStringList& translations);

// The languages of the translations compiled into the program.
QStringList compiledTranslations();

// Makes the window speak the language the desktop's languages ask for. Call once the application
// exists and before the window is built; returns the translation installed, empty for none.
QString installTranslation(const QStringList& uiLanguages);
QString installTranslation();

} // namespace ui
