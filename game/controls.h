// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The controls that hold the table state, seen through exactly the operations the
// rules use on them. The window implements them on real widgets; memory_controls.h
// implements them as plain records for tests and simulations.
#pragma once

#include "game/pictures.h"

#include <cstdint>
#include <string>

namespace game {

// A packed colour: red in the lowest byte, then green, then blue.
using Color = std::uint32_t;

constexpr Color rgb(int red, int green, int blue) {
    return static_cast<Color>(red) | static_cast<Color>(green) << 8 |
           static_cast<Color>(blue) << 16;
}

// The two colours of the rank labels.
inline constexpr Color kBlack = 0x000000;
inline constexpr Color kCardRed = 0x2542D3; // red 211, green 66, blue 37

// A label: caption, tag and fore colour.
class LabelControl {
  public:
    virtual ~LabelControl() = default;
    virtual std::string caption() const = 0;
    virtual void setCaption(const std::string& text) = 0;
    virtual std::string tag() const = 0;
    virtual void setTag(const std::string& text) = 0;
    virtual void setForeColor(Color color) = 0;
};

// An image: picture, visible flag and left edge in twips.
class ImageControl {
  public:
    virtual ~ImageControl() = default;
    virtual Picture picture() const = 0;
    virtual void setPicture(Picture picture) = 0;
    virtual void setVisible(bool visible) = 0;
    // The left edge is kept exactly as written: 5000 reads back as 5000.
    virtual float left() const = 0;
    virtual void setLeft(float twips) = 0;
};

// The named controls the rules work on. Arrays are indexed by card slot minus one.
struct Controls {
    LabelControl& LabelCredit;
    LabelControl& LabelTotalWin;
    LabelControl& LabelStep;
    LabelControl& LabelDouble;
    LabelControl* NumCard[5];
    ImageControl* Card[5];
    ImageControl* Short[5];
    ImageControl& ImageCardPic;    // spades
    ImageControl& ImageCardKrest;  // clubs
    ImageControl& ImageCardBub;    // diamonds
    ImageControl& ImageCardChervu; // hearts
    ImageControl& ImagePick;
};

} // namespace game
