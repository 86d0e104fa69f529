// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The controls as plain in-memory records, holding the window's design contents.
// Tests and simulations run the rules on these instead of on widgets.
#pragma once

#include "game/controls.h"
#include "game/window_design.h"

#include <array>
#include <string>
#include <string_view>

namespace game {

struct MemoryLabel : LabelControl {
    std::string captionText;
    std::string tagText;
    Color foreColor = kBlack;

    explicit MemoryLabel(std::string caption = {}, Color color = kBlack)
        : captionText(std::move(caption)), foreColor(color) {}

    std::string caption() const override { return captionText; }
    void setCaption(const std::string& text) override { captionText = text; }
    std::string tag() const override { return tagText; }
    void setTag(const std::string& text) override { tagText = text; }
    void setForeColor(Color color) override { foreColor = color; }
};

struct MemoryImage : ImageControl {
    Picture shown = Picture::None;
    bool visible = true;
    float leftTwips = 0;

    MemoryImage(Picture picture = Picture::None, float left = 0)
        : shown(picture), leftTwips(left) {}

    Picture picture() const override { return shown; }
    void setPicture(Picture picture) override { shown = picture; }
    void setVisible(bool isVisible) override { visible = isVisible; }
    float left() const override { return leftTwips; }
    void setLeft(float twips) override { leftTwips = twips; }
};

// Every control the rules use, holding the window's design contents.
struct MemoryTable {
    MemoryLabel LabelCredit = designedLabel("LabelCredit");
    MemoryLabel LabelTotalWin = designedLabel("LabelTotalWin");
    MemoryLabel LabelStep = designedLabel("LabelStep");
    MemoryLabel LabelDouble = designedLabel("LabelDouble");
    std::array<MemoryLabel, 5> NumCard = designedLabels("NumCard");
    std::array<MemoryImage, 5> Card = designedImages("Card");
    std::array<MemoryImage, 5> Short = designedImages("Short");
    MemoryImage ImageCardPic = designedImage("ImageCardPic");
    MemoryImage ImageCardKrest = designedImage("ImageCardKrest");
    MemoryImage ImageCardBub = designedImage("ImageCardBub");
    MemoryImage ImageCardChervu = designedImage("ImageCardChervu");
    MemoryImage ImagePick = designedImage("ImagePick");

    Controls controls();

  private:
    static MemoryLabel designedLabel(std::string_view name);
    static MemoryImage designedImage(std::string_view name);
    static std::array<MemoryLabel, 5> designedLabels(std::string_view prefix);
    static std::array<MemoryImage, 5> designedImages(std::string_view prefix);
};

} // namespace game
