// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's command line: it takes no arguments of its own beyond --help and --version.
// Qt's own options (-platform, -display, -style, ...) pass through to the toolkit.
#pragma once

#include <QString>
#include <QStringList>

namespace ui {

struct CommandLine {
    enum class Action { Play, Print, Fail };
    Action action = Action::Play;
    QString text; // what to print: to standard output for Print, standard error for Fail
};

// Reads the arguments as the program got them, program name first. Needs no application
// object, so --help and --version work without a display.
CommandLine readCommandLine(const QStringList& arguments, const QString& version);

} // namespace ui
