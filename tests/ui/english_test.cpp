// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's language follows the desktop's, and in English nothing the player sees or hears
// is left in Russian, while the cards still tell nothing from behind their backs. This binary
// plays in English (VANTRELLO_TEST_LANGUAGE).
#include "game/language.h"
#include "game/window_design.h"
#include "tests/ui/window_fixture.h"
#include "ui/translation.h"

#include <QAccessible>
#include <QRegularExpression>
#include <QTranslator>

namespace ui::testing {
namespace {

TEST(Language, FollowsTheDesktopsLanguages) {
    const QStringList compiled{"en"};
    const struct {
        QStringList desktop;
        QStringList translations;
        QString chosen; // empty: the design's own Russian
    } cases[] = {
        {{"ru-RU", "ru-Cyrl-RU", "ru"}, compiled, ""},
        {{"C"}, compiled, ""}, // no language set: C, POSIX or empty
        {{"en-US", "en-Latn-US", "en"}, compiled, "en"},
        {{"de-DE", "de-Latn-DE", "de"}, compiled, "en"}, // no German: English
        {{"de", "ru", "ru-RU"}, compiled, ""},           // the first the game speaks
        {{"fr-FR", "en-GB"}, compiled, "en"},
        {{"de-DE", "de"}, {"en", "de"}, "de"}, // a third language is one more translation
    };
    for (const auto& c : cases) {
        EXPECT_EQ(chosenTranslation(c.desktop, c.translations), c.chosen)
            << c.desktop.join(',').toStdString();
    }
    EXPECT_EQ(compiledTranslations(), compiled);
}

const QRegularExpression& cyrillic() {
    static const QRegularExpression letters(QStringLiteral("\\p{Cyrillic}"));
    return letters;
}

TEST(English, EveryTextOfTheDesignIsTranslated) {
    QTranslator english;
    ASSERT_TRUE(english.load(QStringLiteral(":/i18n/vantrello_en.qm")));
    for (std::string_view text : game::design::texts()) {
        const QString translated = english.translate("Vantrello", std::string(text).c_str());
        EXPECT_FALSE(translated.isEmpty()) << "untranslated: " << text;
        EXPECT_FALSE(translated.contains(cyrillic())) << translated.toStdString();
    }
}

// Every text the window shows or tells a screen reader, the window's title included.
QStringList everythingTold(ScriptedWindow& w) {
    QStringList told{w.window.windowTitle()};
    for (const QLabel* label : w.window.findChildren<QLabel*>()) {
        told << label->text();
    }
    for (const QPushButton* button : w.window.findChildren<QPushButton*>()) {
        told << button->text();
    }
    std::vector<QAccessibleInterface*> all{QAccessible::queryAccessibleInterface(&w.window)};
    for (std::size_t i = 0; i < all.size(); ++i) {
        told << all[i]->text(QAccessible::Name) << all[i]->text(QAccessible::Description);
        for (int c = 0; c < all[i]->childCount(); ++c) {
            all.push_back(all[i]->child(c));
        }
    }
    return told;
}

TEST(English, TheWindowShowsAndSaysNoRussianAndNoHiddenCard) {
    ScriptedWindow w;
    w.dealt(20, {12, 14, 13, 11, 10}); // the dealer's queen, and the four cards face down
    const QStringList told = everythingTold(w);
    for (const QString& text : told) {
        EXPECT_FALSE(text.contains(cyrillic())) << text.toStdString();
    }
    EXPECT_TRUE(told.contains(QStringLiteral("Dealer's card: queen of spades")));
    EXPECT_TRUE(told.contains(QStringLiteral("Credit: 97")));
    // The ranks and suits the rules dealt face down are not told anywhere.
    const QRegularExpression hidden(QStringLiteral("\\b(ace|king|jack|ten)\\b"));
    for (const QString& text : told) {
        EXPECT_FALSE(text.contains(hidden)) << text.toStdString();
    }
}

} // namespace
} // namespace ui::testing
