// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Rules the window's layout must keep, checked over every row of its design table:
// what is in sight and what is not, backs covering their slots, markers under their
// cards, and clicks reaching the rule of the control clicked.
#include "game/window_design.h"
#include "tests/game/fakes.h"

#include <cstdint>
#include <limits>
#include <set>

namespace game::testing {
namespace {

using design::Control;
using design::Kind;

// The row's place in the stacking order of its container: 0 is in front of all others.
int stackPlace(std::string_view name) {
    const Control& wanted = design::control(name);
    int place = 0;
    for (const Control& c : design::form1()) {
        if (c.name == name) {
            return place;
        }
        place += c.parent == wanted.parent ? 1 : 0;
    }
    return -1;
}

Rect pixels(std::string_view name) {
    return toPixels(design::control(name).twips);
}

Rect pixelsAt(std::string_view name, double left) {
    Rect r = pixels(name);
    r.left = toPixels(left);
    return r;
}

bool inside(const Rect& inner, const Rect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right() <= outer.right() &&
           inner.bottom() <= outer.bottom();
}

bool apart(const Rect& a, const Rect& b) {
    return a.right() <= b.left || b.right() <= a.left || a.bottom() <= b.top || b.bottom() <= a.top;
}

// A container's own area, from its own top-left corner.
Rect area(std::string_view name) {
    const Rect r = pixels(name);
    return {0, 0, r.width, r.height};
}

double centreX(const Rect& r) {
    return r.left + r.width / 2.0;
}

TEST(WindowDesign, EveryRowIsWellFormed) {
    std::set<std::string_view> containers;
    std::set<std::string_view> names;
    const auto fits16 = [](int v) {
        return v >= std::numeric_limits<std::int16_t>::min() &&
               v <= std::numeric_limits<std::int16_t>::max();
    };
    for (const Control& c : design::form1()) {
        SCOPED_TRACE(std::string(c.name));
        EXPECT_TRUE(names.insert(c.name).second) << "named twice";
        EXPECT_EQ(c.parent.empty(), c.kind == Kind::Window);
        if (!c.parent.empty()) {
            EXPECT_TRUE(containers.count(c.parent)) << "its container is not listed before it";
        }
        if (c.kind == Kind::Window || c.kind == Kind::Frame) {
            containers.insert(c.name);
        }
        for (int v : {c.twips.left, c.twips.top, c.twips.width, c.twips.height}) {
            EXPECT_TRUE(fits16(v)) << v;
        }
        EXPECT_EQ(c.picture != Picture::None, c.kind == Kind::Image);
        if (c.kind == Kind::Label || c.kind == Kind::Button) {
            EXPECT_GT(c.font.pixelSize(), 0);
        }
        EXPECT_EQ(c.tabIndex >= 0, c.kind == Kind::Button) << "only buttons take the focus";
    }
    EXPECT_EQ(design::form1().front().kind, Kind::Window);
}

TEST(WindowDesign, OnlyTheSuitTemplatesLieOutOfTheWindow) {
    const std::set<std::string_view> templates{"ImageCardPic", "ImageCardKrest", "ImageCardBub",
                                               "ImageCardChervu"};
    const Rect client = area("Form1");
    for (const Control& c : design::form1()) {
        if (c.parent != "Form1") {
            continue;
        }
        const Rect r = pixels(c.name);
        if (templates.count(c.name)) {
            EXPECT_GE(r.top, client.bottom()) << c.name << " must lie below the client area";
        } else {
            EXPECT_TRUE(inside(r, client)) << c.name;
        }
    }
}

TEST(WindowDesign, TheTableAreaShowsAllButThePickMarker) {
    const Rect frame = area("Frame1");
    for (const Control& c : design::form1()) {
        if (c.parent == "Frame1" && c.name != "ImagePick") {
            EXPECT_TRUE(inside(pixels(c.name), frame)) << c.name;
        }
    }
    // Clipped away at its design place and where a deal parks it.
    for (double left :
         {double(design::control("ImagePick").twips.left), double(DoubleUp::kParkedPickLeft)}) {
        EXPECT_GE(pixelsAt("ImagePick", left).left, frame.right()) << left;
    }
}

TEST(WindowDesign, EachBackExactlyCoversItsFaceAndRankLabel) {
    for (int slot = 1; slot <= 5; ++slot) {
        const std::string back = design::slotName("Short", slot);
        const std::string face = design::slotName("Card", slot);
        const std::string rank = design::slotName("NumCard", slot);
        SCOPED_TRACE(back);
        EXPECT_EQ(pixels(back), pixels(face));
        EXPECT_TRUE(inside(pixels(rank), pixels(face))) << "the rank stands on its card";
        EXPECT_LT(stackPlace(back), stackPlace(rank));
        EXPECT_LT(stackPlace(rank), stackPlace(face));
        if (slot > 1) {
            const Rect previous = pixels(design::slotName("Card", slot - 1));
            EXPECT_GE(pixels(face).left, previous.right()) << "cards stand apart";
        }
    }
}

TEST(WindowDesign, MarkersStandCentredBeneathTheirCards) {
    const auto expectBeneath = [](const Rect& marker, const Rect& card, std::string_view what) {
        EXPECT_NEAR(centreX(marker), centreX(card), 1.0) << what;
        EXPECT_GT(marker.top, card.top) << what;
        EXPECT_LT(marker.top, card.bottom()) << what << ": the marker overlaps the card's foot";
        EXPECT_TRUE(inside(marker, area("Frame1"))) << what;
    };
    expectBeneath(pixels("ImageDealer"), pixels("Card1"), "dealer");
    for (int slot = 2; slot <= 5; ++slot) {
        expectBeneath(pixelsAt("ImagePick", DoubleUp::pickMarkerLeft(slot)),
                      pixels(design::slotName("Card", slot)), design::slotName("Card", slot));
    }
    for (const char* marker : {"ImageDealer", "ImagePick"}) {
        EXPECT_LT(stackPlace(marker), stackPlace("Short1")) << marker << " is drawn over the cards";
    }
}

TEST(WindowDesign, TheValuesAreWrittenOverTheirPictures) {
    for (const char* value : {"LabelTotalBet", "LabelTotalWin", "LabelCredit"}) {
        EXPECT_FALSE(apart(pixels(value), pixels("Image1"))) << value;
        EXPECT_LT(stackPlace(value), stackPlace("Image1")) << value;
    }
    for (const char* value : {"LabelStep", "LabelDouble", "Label3", "Label4"}) {
        EXPECT_LT(stackPlace(value), stackPlace("Image2")) << value;
        EXPECT_FALSE(apart(pixels(value), pixels("Image2"))) << value;
    }
    // The table area overlaps the banner's foot and is drawn over it.
    EXPECT_FALSE(apart(pixels("Frame1"), pixels("Image1")));
    EXPECT_LT(stackPlace("Frame1"), stackPlace("Image1"));
}

TEST(WindowDesign, AClickOnAPlayersBackPicksThatCard) {
    for (int slot = 2; slot <= 5; ++slot) {
        const Control& back = design::control(design::slotName("Short", slot));
        ASSERT_NE(back.click, nullptr) << back.name;
        TestGame t;
        t.play(5, {9, 3, 4, 5, 6}); // every pick loses: no deal follows
        (t.game.*back.click)();
        EXPECT_EQ(t.table.ImagePick.leftTwips, DoubleUp::pickMarkerLeft(slot)) << back.name;
        EXPECT_FALSE(t.faceDown(slot)) << back.name;
    }
    EXPECT_EQ(design::control("Short1").click, nullptr) << "the dealer's back takes no pick";
}

} // namespace
} // namespace game::testing
