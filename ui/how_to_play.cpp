// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/how_to_play.h"

#include "game/double_up.h"
#include "game/window_design.h"
#include "ui/fonts/window_fonts.h"
#include "ui/qt_text.h"

#include <QDialogButtonBox>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QStringList>
#include <QTextEdit>
#include <QVBoxLayout>

#include <algorithm>
#include <cctype>

namespace ui {
namespace {

using odds::Rational;

// A decimal the odds wrote ("1.399"), written as the player's language writes it ("1,399").
QString inLocale(const std::string& decimal) {
    const QLocale locale(inLanguage(game::design::kNumberLocale));
    return toQString(decimal).replace(QLatin1Char('.'), locale.decimalPoint());
}

QString decimal(const Rational& value) {
    return inLocale(odds::decimal(value, kHelpPlaces));
}

QString fraction(const Rational& value) {
    return toQString(odds::fraction(value));
}

// A rank as the text names it: a number card by its digits; a face card by its letter and its
// name, "Д (дама)", the letter being the name's first in the player's language, as card players
// mark them (В, Д, К, Т in Russian; J, Q, K, A in English).
QString rankName(int rank) {
    const std::string text = game::rankText(rank);
    if (std::isdigit(static_cast<unsigned char>(text.front())) != 0) {
        return toQString(text);
    }
    const QString name = inLanguage(game::design::spokenRank(text));
    return name.left(1).toUpper() + QStringLiteral(" (") + name + QLatin1Char(')');
}

// A count of the ranks a pick can meet, as a fraction of them all: "12/13".
QString share(int count, const odds::PickChances& chances) {
    return QStringLiteral("%1/%2").arg(count).arg(chances.won + chances.tied + chances.lost);
}

QString paragraph(const QString& text) {
    return QStringLiteral("<p>") + text.toHtmlEscaped() + QStringLiteral("</p>");
}

// What each value of the table means, one an item.
QString valueList() {
    QString html =
        paragraph(inLanguage(game::design::kHowToPlayValuesLead)) + QStringLiteral("<ul>");
    for (const game::design::ValueHelp& value : game::design::kHowToPlayValues) {
        html += QStringLiteral("<li>") + inLanguage(value.text).toHtmlEscaped() +
                QStringLiteral("</li>");
    }
    return html + QStringLiteral("</ul>");
}

// A row a dealer's card, and a column each for a won, a tied and a lost pick: a real table, so
// that a screen reader reads it cell by cell.
QString chanceTable(const std::vector<odds::PickChances>& chances) {
    const auto cell = [](const QString& tag, const QString& text) {
        return QStringLiteral("<%1 align=\"center\">%2</%1>").arg(tag, text.toHtmlEscaped());
    };
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\"><tr>");
    for (std::string_view heading : {game::design::control("Short1").spoken, game::design::kWon,
                                     game::design::kTie, game::design::kLost}) {
        html += cell(QStringLiteral("th"), inLanguage(heading));
    }
    html += QStringLiteral("</tr>");
    for (const odds::PickChances& c : chances) {
        html += QStringLiteral("<tr>") + cell(QStringLiteral("td"), rankName(c.dealer)) +
                cell(QStringLiteral("td"), share(c.won, c)) +
                cell(QStringLiteral("td"), share(c.tied, c)) +
                cell(QStringLiteral("td"), share(c.lost, c)) + QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

// A blind pick's chances to win and to lose: each dealer's card is as likely as any other.
std::pair<Rational, Rational> blindChances(const std::vector<odds::PickChances>& chances) {
    long won = 0;
    long lost = 0;
    long all = 0;
    for (const odds::PickChances& c : chances) {
        won += c.won;
        lost += c.lost;
        all += c.won + c.tied + c.lost;
    }
    return {odds::ratio(won, all), odds::ratio(lost, all)};
}

const odds::PickChances& chancesAgainst(const std::vector<odds::PickChances>& chances, int rank) {
    return *std::find_if(chances.begin(), chances.end(),
                         [rank](const odds::PickChances& c) { return c.dealer == rank; });
}

} // namespace

HowToPlayFigures workOutHowToPlayFigures() {
    HowToPlayFigures f;
    f.chances = odds::pickChances();
    f.atOnce = odds::exactFigures({}).returnToPlayer.value();
    f.looking = odds::exactFigures({.pickTo = kHelpPickTo}).returnToPlayer.value();
    f.best = odds::bestPickTo();
    f.bestFigures = odds::exactFigures(f.best);
    for (std::size_t i = 0; i < kHelpCaps.size(); ++i) {
        odds::Strategy redeal = f.best;
        redeal.redealTo = odds::kLowestRank;
        redeal.collectAt = kHelpCaps[i];
        f.redealt[i] = odds::exactFigures(redeal).returnToPlayer.value();
    }
    return f;
}

QString howToPlayText(const HowToPlayFigures& f) {
    using namespace game::design;
    const auto [blindWon, blindLost] = blindChances(f.chances);
    const Rational& bestReturn = f.bestFigures.returnToPlayer.value();
    const QString spread = f.bestFigures.variancePerCharge
                               ? inLanguage(kHowToPlaySpread)
                                     .arg(inLocale(odds::sqrtDecimal(
                                         *f.bestFigures.variancePerCharge, kHelpSpreadPlaces)))
                               : inLanguage(kHowToPlayUnboundedSpread);
    const odds::PickChances& safest = chancesAgainst(f.chances, odds::kLowestRank);
    const QStringList parts{
        paragraph(inLanguage(kHowToPlayRules)),
        paragraph(inLanguage(kHowToPlayCost).arg(game::DoubleUp::kPlayCharge)),
        valueList(),
        paragraph(inLanguage(game::design::kKeys)),
        paragraph(inLanguage(kHowToPlayChances)),
        chanceTable(f.chances),
        paragraph(inLanguage(kHowToPlayBlind)
                      .arg(fraction(blindWon), fraction(blindLost), decimal(f.atOnce),
                           fraction(f.atOnce))),
        paragraph(inLanguage(kHowToPlayLooking)
                      .arg(rankName(kHelpPickTo), decimal(f.looking), fraction(f.looking),
                           rankName(f.best.pickTo), decimal(bestReturn), fraction(bestReturn)) +
                  QLatin1Char(' ') + spread),
        paragraph(inLanguage(kHowToPlayRedeal)
                      .arg(rankName(safest.dealer), share(safest.won, safest),
                           share(safest.tied, safest), rankName(f.best.pickTo),
                           QString::number(kHelpCaps[0]), decimal(f.redealt[0]),
                           QString::number(kHelpCaps[1]), decimal(f.redealt[1]))),
        paragraph(inLanguage(kHowToPlayTokens)),
    };
    return parts.join(QLatin1Char('\n'));
}

QString howToPlayText() {
    return howToPlayText(workOutHowToPlayFigures());
}

void HowToPlayFiguresAhead::start() {
    if (!work_.valid()) {
        work_ = std::async(std::launch::async, workOutHowToPlayFigures).share();
    }
}

const HowToPlayFigures& HowToPlayFiguresAhead::figures() {
    start();
    return work_.get();
}

} // namespace ui
