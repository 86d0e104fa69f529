// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line: what it takes, and a one-line reason for what it refuses.
#include "odds/command_line.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace odds {
namespace {

TEST(CommandLine, DefaultsReportEveryDefaultStrategyBothWays) {
    const Options o = parseCommandLine({});
    EXPECT_EQ(o.strategies, defaultStrategies());
    EXPECT_EQ(o.fastRounds, 1'000'000U);
    EXPECT_EQ(o.rulesRounds, 100'000U);
    EXPECT_TRUE(o.simulateFast);
    EXPECT_TRUE(o.simulateRules);
    EXPECT_EQ(o.seed, 1U);
    EXPECT_FALSE(o.json);
    EXPECT_TRUE(o.chart.empty());
}

TEST(CommandLine, TakesEachOption) {
    const Options o = parseCommandLine(
        {"--strategy", "double=2", "--strategy=replay-below=5,double=1", "--rounds", "5000",
         "--rules-rounds=300", "--seed", "0", "--threads", "3", "--json", "--chart", "x.svg"});
    EXPECT_EQ(o.strategies, (std::vector<Strategy>{{0, 2}, {5, 1}}));
    EXPECT_EQ(o.fastRounds, 5000U);
    EXPECT_EQ(o.rulesRounds, 300U);
    EXPECT_EQ(o.seed, 0U);
    EXPECT_EQ(o.threads, 3U);
    EXPECT_TRUE(o.json);
    EXPECT_EQ(o.chart, "x.svg");
    EXPECT_FALSE(parseCommandLine({"--no-rules"}).simulateRules);
    const Options exact = parseCommandLine({"--exact"});
    EXPECT_FALSE(exact.simulateFast || exact.simulateRules);
    EXPECT_TRUE(parseCommandLine({"--help"}).help);
    EXPECT_TRUE(parseCommandLine({"--version"}).version);
}

TEST(CommandLine, RefusesBadLinesWithOneLine) {
    const std::vector<std::vector<std::string>> bad = {
        {"--strategy", "bogus"},
        {"--strategy"},
        {"--rounds", "many"},
        {"--rounds", "-5"},
        {"--rounds", "0"},
        {"--rounds=+5"},
        {"--rounds", "1e6"},
        {"--rules-rounds", "0"},
        {"--threads", "0"},
        {"--threads", "2000"},
        {"--seed", "-1"},
        {"--seed", "99999999999999999999"},
        {"--chart", "out.gif"},
        {"--chart", ".svg"},
        {"--exact", "--chart", "a.png"},
        {"--frobnicate"},
        {"stray"},
        {"-x"},
    };
    for (const auto& line : bad) {
        try {
            parseCommandLine(line);
            ADD_FAILURE() << "took " << line.front();
        } catch (const std::invalid_argument& e) {
            const std::string why = e.what();
            EXPECT_FALSE(why.empty());
            EXPECT_EQ(why.find('\n'), std::string::npos) << why;
        }
    }
}

} // namespace
} // namespace odds
