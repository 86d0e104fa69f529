// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs shell commands for the tests and collects what they print.
#pragma once

#include <string>

namespace sound_test {

struct CommandResult {
    int exitCode = -1; // -1 when the command could not run or was killed
    std::string output;
};

// Runs the command with /bin/sh and returns its exit code and standard output.
CommandResult runCommand(const std::string& shellCommand);

// The text as one single-quoted shell word.
std::string shellQuote(const std::string& text);

// Whether a program of that name is found on PATH.
bool programAvailable(const std::string& name);

} // namespace sound_test
