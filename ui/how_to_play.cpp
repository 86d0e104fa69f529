// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/how_to_play.h"

#include "game/double_up.h"
#include "game/window_design.h"
#include "odds/exact.h"
#include "ui/qt_text.h"

#include <QStringList>

#include <iterator>

namespace ui {
namespace {

QString decimal(const odds::Rational& value) {
    return toQString(value.decimal(3));
}

QString fraction(const odds::Rational& value) {
    return toQString(value.fraction());
}

QString spread(const odds::ExactFigures& figures) {
    return toQString(figures.variancePerCharge.sqrtDecimal(1));
}

} // namespace

QString howToPlayText() {
    using game::design::kHowToPlay;
    static_assert(std::size(kHowToPlay) == 6, "each paragraph has its place and figures below");
    const odds::ExactFigures atOnce = odds::exactFigures({});
    const odds::ExactFigures doubled = odds::exactFigures({.doubles = kHelpDoublings});
    const odds::Strategy best = odds::bestReplay();
    const odds::Rational bestReturn = odds::exactFigures(best).returnToPlayer;
    const QStringList paragraphs{
        inLanguage(kHowToPlay[0]).arg(game::DoubleUp::kPlayCharge),
        inLanguage(kHowToPlay[1]),
        inLanguage(game::design::control("Form1").spoken),
        inLanguage(kHowToPlay[2])
            .arg(decimal(atOnce.returnToPlayer), fraction(atOnce.returnToPlayer)),
        inLanguage(kHowToPlay[3])
            .arg(spread(atOnce), spread(doubled), QString::number(kHelpDoublings)),
        inLanguage(kHowToPlay[4])
            .arg(QString::number(best.replayBelow), decimal(bestReturn), fraction(bestReturn)),
        inLanguage(kHowToPlay[5]),
    };
    return paragraphs.join(QStringLiteral("\n\n"));
}

} // namespace ui
