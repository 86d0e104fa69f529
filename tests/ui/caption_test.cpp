// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The captions drawn ahead: every caption of the window at start has its layer at each scale
// they are made for, a caption drawn from its layer looks as the caption drawn as text, and the
// labels and buttons draw their captions as the toolkit's own widgets do.
#include "tests/ui/window_fixture.h"
#include "ui/caption.h"
#include "ui/captions/embedded_captions.h"
#include "ui/push_button.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QStyleFactory>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

using ui::testing::ScriptedWindow;

// Each label's and button's caption as it would be drawn now, with the control's name.
std::vector<std::pair<QString, ui::CaptionLook>> captions(const QWidget& window) {
    std::vector<std::pair<QString, ui::CaptionLook>> all;
    for (const ui::LabelWidget* label : window.findChildren<ui::LabelWidget*>()) {
        all.emplace_back(label->objectName(), label->captionLook());
    }
    for (const ui::PushButton* button : window.findChildren<ui::PushButton*>()) {
        all.emplace_back(button->objectName(), button->captionLook());
    }
    return all;
}

QImage drawnAt(QWidget& widget, double ratio) {
    QImage image((QSizeF(widget.size()) * ratio).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::darkCyan);
    // A control's own background only, where it fills one: a window would fill its palette's.
    widget.render(&image, {}, {}, QWidget::DrawChildren);
    return image;
}

// The largest difference of one colour channel between two images of one size.
int largestDifference(const QImage& a, const QImage& b) {
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)),
                                std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
        }
    }
    return largest;
}

class CaptionLayers : public testing::Test {
  protected:
    void SetUp() override { ui::useCaptionLayers(ui::captions::embeddedLayers()); }
    void TearDown() override { ui::useCaptionLayers({}); }
};

TEST_F(CaptionLayers, EveryCaptionAtStartHasItsLayerAtEachScale) {
    const ScriptedWindow game;
    ASSERT_FALSE(ui::captions::embeddedRatios().empty());
    for (const auto& [name, look] : captions(game.window)) {
        for (const double ratio : ui::captions::embeddedRatios()) {
            EXPECT_NE(ui::findCaptionLayer(look, ratio), nullptr)
                << name.toStdString() << " at " << ratio;
        }
    }
}

TEST_F(CaptionLayers, AChangedCaptionHasNoLayer) {
    ScriptedWindow game;
    ui::LabelWidget* credit = game.label("LabelCredit");
    credit->setCaption("97");
    EXPECT_EQ(ui::findCaptionLayer(credit->captionLook(), 1.0), nullptr);
}

TEST_F(CaptionLayers, TheWindowDrawnFromLayersLooksAsDrawnAsText) {
    ScriptedWindow game;
    for (const double ratio : ui::captions::embeddedRatios()) {
        const QImage fromLayers = drawnAt(game.window, ratio);
        ui::useCaptionLayers({});
        const QImage asText = drawnAt(game.window, ratio);
        ui::useCaptionLayers(ui::captions::embeddedLayers());
        // Compositing a layer rounds a few edge pixels of the text the other way.
        EXPECT_LE(largestDifference(fromLayers, asText), 1) << "at " << ratio;
    }
}

// A label and button of the toolkit's own, set up as the window's are, draw the same pixels.
TEST(CaptionText, LabelsAndButtonsDrawTheirCaptionsAsTheToolkitsWidgetsDo) {
    ScriptedWindow game;
    const std::unique_ptr<QStyle> classic(QStyleFactory::create(QStringLiteral("Windows")));
    for (ui::LabelWidget* label : game.window.findChildren<ui::LabelWidget*>()) {
        QLabel plain(label->text());
        plain.setFont(label->font());
        plain.setPalette(label->palette());
        plain.setAlignment(label->alignment());
        plain.setWordWrap(label->wordWrap());
        plain.setAutoFillBackground(label->autoFillBackground());
        plain.resize(label->size());
        const QImage ours = drawnAt(*label, 1.0);
        const QImage theirs = drawnAt(plain, 1.0);
        EXPECT_EQ(ours, theirs) << label->objectName().toStdString() << " differs by up to "
                                << largestDifference(ours, theirs);
    }
    // The buttons up, held down and with the keyboard focus: the plain button stands in the
    // same (active) window, so that it can take the focus too.
    game.window.show();
    game.window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&game.window));
    enum class State { Up, Down, Focused };
    for (ui::PushButton* button : game.window.findChildren<ui::PushButton*>()) {
        for (const State state : {State::Up, State::Down, State::Focused}) {
            QPushButton plain(button->text(), &game.window);
            plain.setStyle(classic.get());
            plain.setFont(button->font());
            plain.setPalette(button->palette());
            plain.setGeometry(button->geometry());
            plain.show();
            plain.setDown(state == State::Down);
            button->setDown(state == State::Down);
            if (state == State::Focused) {
                button->setFocus();
            } else if (QWidget* focused = QApplication::focusWidget()) {
                focused->clearFocus();
            }
            const QImage ours = drawnAt(*button, 1.0);
            if (state == State::Focused) {
                plain.setFocus();
                ASSERT_TRUE(plain.hasFocus());
            }
            EXPECT_EQ(ours, drawnAt(plain, 1.0))
                << button->objectName().toStdString() << " in state " << static_cast<int>(state);
            button->setDown(false);
        }
    }
}

} // namespace
