// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line: what it takes, and a one-line reason for what it refuses.
#include "odds/command_line.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace odds {
namespace {

// The arguments after the program's name.
Options parse(QStringList arguments) {
    arguments.prepend(QStringLiteral("vantrello-odds"));
    return parseCommandLine(arguments);
}

TEST(CommandLine, DefaultsReportEveryDefaultStrategyBothWays) {
    const Options o = parse({});
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
    const Options o = parse({"--strategy", "double=2", "--strategy=replay-below=5,double=1",
                             "--rounds", "5000", "--rules-rounds=300", "--seed", "0", "--threads",
                             "3", "--json", "--chart", "x.svg"});
    EXPECT_EQ(o.strategies, (std::vector<Strategy>{{0, 2}, {5, 1}}));
    EXPECT_EQ(o.fastRounds, 5000U);
    EXPECT_EQ(o.rulesRounds, 300U);
    EXPECT_EQ(o.seed, 0U);
    EXPECT_EQ(o.threads, 3U);
    EXPECT_TRUE(o.json);
    EXPECT_EQ(o.chart, "x.svg");
    EXPECT_FALSE(parse({"--no-rules"}).simulateRules);
    const Options exact = parse({"--exact"});
    EXPECT_FALSE(exact.simulateFast || exact.simulateRules);
    EXPECT_TRUE(parse({"--help"}).help);
    EXPECT_TRUE(parse({"--version"}).version);
}

TEST(CommandLine, BestReportsThePickToFamilyOnTopOfTheRulesGiven) {
    const Options capped = parse({"--best", "--strategy", "collect-at=64"});
    EXPECT_EQ(capped.strategies, pickToFamily(Strategy{.collectAt = 64}));
    EXPECT_EQ(capped.bestOf, Strategy{.collectAt = 64});
    EXPECT_EQ(parse({"--best"}).strategies, pickToFamily({}));
}

TEST(CommandLine, RefusesBadLinesWithOneLine) {
    const std::vector<QStringList> bad = {
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
        {"--best", "--strategy", "pick-to=3"},
        {"--best", "--strategy", "collect-at=8", "--strategy", "collect-at=9"},
        {"--best", "--strategy", "redeal-to=2"},
    };
    for (const auto& line : bad) {
        try {
            parse(line);
            ADD_FAILURE() << "took " << line.join(' ').toStdString();
        } catch (const std::invalid_argument& e) {
            const std::string why = e.what();
            EXPECT_FALSE(why.empty());
            EXPECT_EQ(why.find('\n'), std::string::npos) << why;
        }
    }
}

} // namespace
} // namespace odds
