// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line: help and version are printed, Qt's own options pass, anything else is
// refused.
#include "ui/command_line.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

using Action = CommandLine::Action;

TEST(CommandLine, ReadsHelpVersionQtOptionsAndRefusesTheRest) {
    const struct {
        QStringList arguments;
        Action action;
        const char* printed; // a part of the text
    } cases[] = {
        {{}, Action::Play, ""},
        {{"-platform", "wayland"}, Action::Play, ""},
        {{"--platform=offscreen", "-reverse", "-style", "Fusion"}, Action::Play, ""},
        {{"--version"}, Action::Print, "vantrello 9.8\n"},
        {{"-v"}, Action::Print, "vantrello 9.8\n"},
        {{"--help"}, Action::Print, "Usage: vantrello [options]"},
        {{"-h", "--bogus"}, Action::Fail, "Unknown option 'bogus'"},
        {{"--bogus"}, Action::Fail, "Try 'vantrello --help'"},
        {{"cards.txt"}, Action::Fail, "takes no arguments, but was given 'cards.txt'"},
        {{"-platform"}, Action::Fail, "Missing value after '-platform'"},
    };
    for (const auto& c : cases) {
        const CommandLine line =
            readCommandLine(QStringList{"/usr/games/vantrello"} + c.arguments, "9.8");
        const std::string given = c.arguments.join(' ').toStdString();
        EXPECT_EQ(line.action, c.action) << given;
        EXPECT_TRUE(line.text.contains(QString::fromUtf8(c.printed)))
            << given << ": " << line.text.toStdString();
    }
}

TEST(CommandLine, HelpNamesTheOptionsButNotQtsOwn) {
    const QString help = readCommandLine({"vantrello", "--help"}, "1").text;
    EXPECT_TRUE(help.contains("--version"));
    EXPECT_TRUE(help.contains("Collect"));
    EXPECT_FALSE(help.contains("Забрать")) << "the help is in English";
    EXPECT_FALSE(help.contains("--platform"));
    EXPECT_FALSE(help.contains("/usr/games"));
}

} // namespace
} // namespace ui
