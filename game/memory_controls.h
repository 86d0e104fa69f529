// The controls as plain in-memory records, holding the window's design contents.
// Tests and simulations run the rules on these instead of on widgets.
#pragma once

#include "game/controls.h"

#include <array>
#include <string>

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

// Every control the rules use, in its design state.
struct MemoryTable {
    MemoryLabel LabelCredit{"100"};
    MemoryLabel LabelTotalWin{"0"};
    MemoryLabel LabelStep{"1"};
    MemoryLabel LabelDouble{"0"};
    std::array<MemoryLabel, 5> NumCard{MemoryLabel{"5", kCardRed}, MemoryLabel{"5", kCardRed},
                                       MemoryLabel{"5", kCardRed}, MemoryLabel{"5", kCardRed},
                                       MemoryLabel{"5", kCardRed}};
    std::array<MemoryImage, 5> Card{
        MemoryImage{Picture::Hearts, 370}, MemoryImage{Picture::Hearts, 1220},
        MemoryImage{Picture::Hearts, 2060}, MemoryImage{Picture::Hearts, 2900},
        MemoryImage{Picture::Hearts, 3740}};
    std::array<MemoryImage, 5> Short{
        MemoryImage{Picture::CardBack, 380}, MemoryImage{Picture::CardBack, 1215},
        MemoryImage{Picture::CardBack, 2055}, MemoryImage{Picture::CardBack, 2895},
        MemoryImage{Picture::CardBack, 3735}};
    MemoryImage ImageCardPic{Picture::Spades, 960};
    MemoryImage ImageCardKrest{Picture::Clubs, 2640};
    MemoryImage ImageCardBub{Picture::Diamonds, 1800};
    MemoryImage ImageCardChervu{Picture::Hearts, 120};
    MemoryImage ImagePick{Picture::PickTag, 4920};

    Controls controls();
};

} // namespace game
