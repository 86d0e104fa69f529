// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// "How to play" tells the odds' exact long-run figures, in each language the binary runs in.
#include "odds/exact.h"
#include "ui/how_to_play.h"
#include "ui/qt_text.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

TEST(HowToPlay, TellsTheExactReturnsTheSpreadAndTheBestThresholdToPlayAgain) {
    const QString text = howToPlayText();
    const auto tells = [&text](const odds::Rational& figure) {
        return text.contains(toQString(figure.fraction())) &&
               text.contains(toQString(figure.decimal(3)));
    };
    const odds::ExactFigures atOnce = odds::exactFigures({});
    EXPECT_TRUE(tells(atOnce.returnToPlayer)) << text.toStdString();

    // Doubling keeps that return and widens the spread the help sets beside it.
    const odds::ExactFigures doubled = odds::exactFigures({.doubles = kHelpDoublings});
    EXPECT_EQ(doubled.returnToPlayer, atOnce.returnToPlayer);
    EXPECT_GT(doubled.variancePerCharge, atOnce.variancePerCharge);
    EXPECT_TRUE(text.contains(toQString(atOnce.variancePerCharge.sqrtDecimal(1))));
    EXPECT_TRUE(text.contains(toQString(doubled.variancePerCharge.sqrtDecimal(1))));

    // The threshold it advises beats collecting at once, and no other threshold beats it.
    const odds::Strategy best = odds::bestReplay();
    const odds::Rational bestReturn = odds::exactFigures(best).returnToPlayer;
    EXPECT_GT(bestReturn, atOnce.returnToPlayer);
    for (int below = 0; below <= odds::kMaxReplayBelow; ++below) {
        EXPECT_LE(odds::exactFigures({.replayBelow = below}).returnToPlayer, bestReturn) << below;
    }
    EXPECT_TRUE(tells(bestReturn));
    EXPECT_TRUE(text.contains(QStringLiteral(" %1").arg(best.replayBelow)));

    // Every figure found its place in the translation too.
    EXPECT_FALSE(text.contains(QLatin1Char('%'))) << text.toStdString();
}

} // namespace
} // namespace ui
