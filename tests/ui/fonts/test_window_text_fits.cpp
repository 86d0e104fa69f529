// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Every text of the window fits its control's box in the font that control uses: the design
// contents, and the widest values and every rank the rules write.

#include "tests/ui/fonts/window_texts.h"
#include "ui/fonts/window_fonts.h"
#include "ui/twips.h"

#include <QFontMetrics>
#include <QRect>
#include <QString>

#include <gtest/gtest.h>

namespace {

using game::design::Control;
using game::design::Kind;

// The horizontal pixels a button's frame takes from its box.
constexpr int kButtonFrame = 4;

class WindowTextFits : public testing::Test {
  protected:
    void SetUp() override { ui::loadBundledFonts(); }
};

TEST_F(WindowTextFits, InsideItsBox) {
    for (const Control& c : game::design::form1()) {
        if (c.kind != Kind::Label && c.kind != Kind::Button) {
            continue;
        }
        const QFontMetrics metrics(ui::windowFont(c.font));
        const QRect box = ui::pixelRect(c.twips);
        // A button's caption stands on one line between its frame; a label wraps at words.
        const bool button = c.kind == Kind::Button;
        const int width = box.width() - (button ? kButtonFrame : 0);
        const int flags = Qt::AlignLeft | Qt::AlignTop | (button ? 0 : Qt::TextWordWrap);
        for (const QString& text : window_texts::shownIn(c)) {
            // The same layout QPainter::drawText does for a label or a button caption.
            const QRect used = metrics.boundingRect(QRect(0, 0, width, 1000), flags, text);
            EXPECT_LE(used.width(), width) << c.name << ": \"" << text.toStdString() << "\"";
            EXPECT_LE(used.height(), box.height())
                << c.name << ": \"" << text.toStdString() << "\" takes " << used.height() << " px";
        }
    }
}

} // namespace
