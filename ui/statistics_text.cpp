// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/statistics_text.h"

#include "game/window_design.h"
#include "odds/exact.h"
#include "ui/qt_text.h"

#include <QStringList>

namespace ui {

QStringList statisticsText(const game::SessionFigures& f, double longRunReturn) {
    const auto whole = [](double value) { return localNumber(value, 0); };
    const auto ratio = [](double value) { return localNumber(value, 3); };
    const QString figures[] = {
        whole(static_cast<double>(f.playsCharged)),
        whole(f.creditsPaid),
        whole(static_cast<double>(f.winsCollected)),
        whole(f.collectedSum),
        whole(f.biggestWin),
        (f.net() > 0 ? QStringLiteral("+") : QString()) + whole(f.net()),
        f.creditsPaid > 0 ? ratio(f.returnSoFar()) : QStringLiteral("—"),
        ratio(longRunReturn),
        whole(static_cast<double>(f.longestChain)),
    };
    QStringList lines;
    int i = 0;
    for (std::string_view words : game::design::kStatisticsLines) {
        lines << inLanguage(words) + QStringLiteral(": ") + figures[i++];
    }
    return lines;
}

double collectAtOnceReturn() {
    return odds::approx(*odds::exactFigures(odds::Strategy{}).returnToPlayer);
}

} // namespace ui
