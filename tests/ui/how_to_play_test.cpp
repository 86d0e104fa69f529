// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// "How to play" tells the odds' exact figures and a pick's chances against each dealer's card, in
// each language the binary runs in, as text a screen reader can walk with a caret.
#include "game/double_up.h"
#include "game/window_design.h"
#include "odds/exact.h"
#include "ui/fonts/window_fonts.h"
#include "ui/how_to_play.h"
#include "ui/qt_text.h"
#include "ui/statistics_text.h"
#include "ui/text_window.h"

#include <QAccessible>
#include <QFile>
#include <QRawFont>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextTable>

#include <gtest/gtest.h>

#include <cctype>

namespace ui {
namespace {

// The decimal point of the language the binary runs in.
#ifdef VANTRELLO_TEST_LANGUAGE
const QString kPoint = QStringLiteral(".");
#else
const QString kPoint = QStringLiteral(",");
#endif

QString decimal(const odds::Rational& value) {
    return toQString(odds::decimal(value, kHelpPlaces)).replace(QLatin1Char('.'), kPoint);
}

QString fraction(const odds::Rational& value) {
    return toQString(odds::fraction(value));
}

QString plain(const QString& html) {
    QTextDocument document;
    document.setHtml(html);
    return document.toPlainText();
}

// The paragraph of `text` that holds `words`.
QString paragraphWith(const QString& text, const QString& words) {
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        if (paragraph.contains(words)) {
            return paragraph;
        }
    }
    return {};
}

TEST(HowToPlay, TellsTheExactReturnsOfPickingBlindAndOfLookingAndTheBestOfTheFamily) {
    const QString text = plain(howToPlayText());
    const auto tells = [&text](const odds::Rational& figure) {
        return text.contains(fraction(figure)) && text.contains(decimal(figure));
    };
    // The return of collecting at once, which blind doubling keeps.
    const odds::Rational atOnce = odds::exactFigures({}).returnToPlayer.value();
    EXPECT_TRUE(tells(atOnce)) << text.toStdString();

    // Looking: the example and the best of its family (as the odds find it), with their returns.
    const odds::Rational looking =
        odds::exactFigures({.pickTo = kHelpPickTo}).returnToPlayer.value();
    EXPECT_TRUE(tells(looking)) << text.toStdString();
    const odds::Strategy best = odds::bestPickTo();
    const odds::ExactFigures bestFigures = odds::exactFigures(best);
    const odds::Rational bestReturn = bestFigures.returnToPlayer.value();
    EXPECT_TRUE(tells(bestReturn)) << text.toStdString();
    // Its sentence names the card it picks up to, and its spread follows.
    const QString bestSentence = paragraphWith(text, fraction(bestReturn));
    const QString rank = inLanguage(game::design::spokenRank(game::rankText(best.pickTo)));
    EXPECT_TRUE(bestSentence.contains(QStringLiteral(" (%1)").arg(rank)))
        << bestSentence.toStdString();
    const QString spread =
        bestFigures.variancePerCharge
            ? toQString(odds::sqrtDecimal(*bestFigures.variancePerCharge, kHelpSpreadPlaces))
                  .replace(QLatin1Char('.'), kPoint)
            : inLanguage(game::design::kHowToPlayUnboundedSpread);
    EXPECT_TRUE(bestSentence.contains(spread)) << bestSentence.toStdString();

    // The free re-deal's return at each cap the text gives.
    for (const std::int64_t cap : kHelpCaps) {
        const odds::Rational redealt =
            odds::exactFigures(
                {.pickTo = best.pickTo, .redealTo = odds::kLowestRank, .collectAt = cap})
                .returnToPlayer.value();
        EXPECT_TRUE(text.contains(decimal(redealt))) << cap;
    }

    // The charge of a play and the keys are there, and every figure found its place.
    EXPECT_TRUE(
        text.contains(inLanguage(game::design::kHowToPlayCost).arg(game::DoubleUp::kPlayCharge)));
    EXPECT_TRUE(text.contains(inLanguage(game::design::kKeys)));
    EXPECT_FALSE(text.contains(QLatin1Char('%'))) << text.toStdString();
}

TEST(HowToPlay, TablesAPicksChancesInThirteenthsAgainstEachDealersCard) {
    QTextDocument document;
    document.setHtml(howToPlayText());
    QTextTable* table = nullptr;
    for (QTextFrame* frame : document.rootFrame()->childFrames()) {
        table = table != nullptr ? table : qobject_cast<QTextTable*>(frame);
    }
    ASSERT_NE(table, nullptr);
    const std::vector<odds::PickChances> chances = odds::pickChances();
    ASSERT_EQ(table->rows(), static_cast<int>(chances.size()) + 1);
    ASSERT_EQ(table->columns(), 4);
    const auto cell = [table](int row, int column) {
        return table->cellAt(row, column).firstCursorPosition().block().text();
    };
    EXPECT_EQ(cell(0, 1), inLanguage(game::design::kWon));
    int row = 1;
    for (const odds::PickChances& c : chances) {
        const std::string rank = game::rankText(c.dealer);
        const QString name = std::isdigit(static_cast<unsigned char>(rank.front())) != 0
                                 ? toQString(rank)
                                 : inLanguage(game::design::spokenRank(rank));
        EXPECT_TRUE(cell(row, 0).contains(name)) << cell(row, 0).toStdString();
        const int all = c.won + c.tied + c.lost;
        EXPECT_EQ(cell(row, 1), QStringLiteral("%1/%2").arg(c.won).arg(all));
        EXPECT_EQ(cell(row, 2), QStringLiteral("%1/%2").arg(c.tied).arg(all));
        EXPECT_EQ(cell(row, 3), QStringLiteral("%1/%2").arg(c.lost).arg(all));
        ++row;
    }
    // The face cards go by their letters in the player's language: В Д К Т, or J Q K A.
    const QString letters = cell(row - 4, 0).left(1) + cell(row - 3, 0).left(1) +
                            cell(row - 2, 0).left(1) + cell(row - 1, 0).left(1);
#ifdef VANTRELLO_TEST_LANGUAGE
    EXPECT_EQ(letters, QStringLiteral("JQKA"));
#else
    EXPECT_EQ(letters, QStringLiteral("ВДКТ"));
#endif
}

TEST(HowToPlay, IsAReadOnlyTextWithACaretThatFitsAHalfScaledScreenInItsEmbeddedFont) {
    loadBundledFonts();
    QWidget game;
    TextWindow window(game, QStringLiteral("HowToPlay"), inLanguage(game::design::kMenuHowToPlay),
                      kHowToPlaySize);
    window.text().setHtml(howToPlayText());
    EXPECT_EQ(window.objectName(), "HowToPlay");
    EXPECT_EQ(window.accessibleName(), inLanguage(game::design::kMenuHowToPlay));
    QTextEdit& text = window.text();
    EXPECT_TRUE(text.isReadOnly());
    EXPECT_TRUE(text.textInteractionFlags() & Qt::TextSelectableByKeyboard);
    // A screen reader meets it as text to walk with the caret, not as a label read whole.
    QAccessibleInterface* told = QAccessible::queryAccessibleInterface(&text);
    ASSERT_NE(told, nullptr);
    EXPECT_EQ(told->role(), QAccessible::EditableText);
    EXPECT_TRUE(told->state().readOnly);
    ASSERT_NE(told->textInterface(), nullptr);
    EXPECT_EQ(told->textInterface()->characterCount(), text.toPlainText().size());

    // A 1280 x 1024 screen at twice the scale, with a panel, beside a game window at its left.
    const QRect screen(0, 0, 640, 512 - 24);
    const QMargins frame(1, 24, 1, 1);
    const QRect gameFrame(0, 0, 340, 360);
    const QRect placed = besideGame(kHowToPlaySize, gameFrame, frame, screen);
    EXPECT_TRUE(screen.contains(placed.marginsAdded(frame))) << placed.x() << "," << placed.y();
    EXPECT_EQ(placed.height(), screen.height() - frame.top() - frame.bottom());
    EXPECT_LE(window.minimumSizeHint().width(), placed.width());
    EXPECT_LE(window.minimumSizeHint().height(), placed.height());
    // On a large screen with the game in the middle, it is narrower, beside the game all the same.
    const QRect large(0, 0, 1280, 1024);
    const QRect middle = gameFrame.translated(large.center() - gameFrame.center());
    const QRect narrower = besideGame(kHowToPlaySize, middle, frame, large);
    EXPECT_LT(narrower.width(), kHowToPlaySize.width());
    EXPECT_TRUE(large.contains(narrower.marginsAdded(frame)));
    EXPECT_FALSE(narrower.marginsAdded(frame).intersects(middle));

    // Every character of the text is drawn by the embedded face of its font, cut down to the
    // characters the design's texts use.
    QFile file(toQString(embeddedFace(kTextWindowFont).resource));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(window.font().family(), toQString(embeddedFace(kTextWindowFont).family));
    const QRawFont raw(file.readAll(), 12);
    // The statistics too, with the typeset minus of a negative net.
    game::SessionFigures lost;
    lost.playsCharged = 7;
    lost.creditsPaid = 21;
    const QString statistics = statisticsText(lost, 1.4).join(QLatin1Char(' '));
    EXPECT_TRUE(statistics.contains(QChar(0x2212)));
    for (const QChar c : text.toPlainText() + statistics) {
        EXPECT_TRUE(c.isSpace() || raw.supportsCharacter(c))
            << "U+" << QString::number(c.unicode(), 16).toStdString();
    }
}

} // namespace
} // namespace ui
