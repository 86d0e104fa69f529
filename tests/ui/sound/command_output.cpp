// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/ui/sound/command_output.h"

#include <array>
#include <cstdio>
#include <sys/wait.h>

namespace sound_test {

CommandResult runCommand(const std::string& shellCommand) {
    CommandResult result;
    FILE* pipe = ::popen(shellCommand.c_str(), "r");
    if (pipe == nullptr) {
        return result;
    }
    std::array<char, 4096> buffer{};
    std::size_t got = 0;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) {
        result.output.append(buffer.data(), got);
    }
    const int status = ::pclose(pipe);
    if (status != -1 && WIFEXITED(status)) {
        result.exitCode = WEXITSTATUS(status);
    }
    return result;
}

std::string shellQuote(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'') {
            quoted += "'\\''";
        } else {
            quoted += c;
        }
    }
    quoted += '\'';
    return quoted;
}

bool programAvailable(const std::string& name) {
    return runCommand("command -v " + shellQuote(name) + " >/dev/null 2>&1").exitCode == 0;
}

} // namespace sound_test
