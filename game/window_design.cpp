// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/window_design.h"

#include <array>
#include <stdexcept>
#include <string>
#include <utility>

namespace game::design {
namespace {

// The desktop colours the window uses, fixed so that it looks the same everywhere.
constexpr Color kButtonFace = rgb(240, 240, 240);
constexpr Color kButtonText = kBlack;
constexpr Color kWindowText = kBlack;

constexpr Color kWhite = rgb(255, 255, 255);
constexpr Color kWindowBlue = rgb(1, 0, 66);

constexpr Font kUiFont{"", 8.25};
constexpr Font kValueFont{"Arial Black", 8.25};
constexpr Font kRankFont{"Times New Roman", 14.25, true};

// An image takes the size of its picture.
constexpr Control image(std::string_view name, std::string_view parent, int left, int top,
                        Picture picture, Handler click = nullptr) {
    const PictureInfo* info = findPicture(picture);
    return {.name = name,
            .kind = Kind::Image,
            .parent = parent,
            .twips = {left, top, info->width * kTwipsPerPixel, info->height * kTwipsPerPixel},
            .picture = picture,
            .click = click};
}

// A transparent label: only its text is drawn, over whatever lies beneath.
constexpr Control label(std::string_view name, std::string_view parent, Rect twips,
                        std::string_view caption, Font font, Color fore,
                        Align align = Align::Left) {
    return {.name = name,
            .kind = Kind::Label,
            .parent = parent,
            .twips = twips,
            .caption = caption,
            .font = font,
            .fore = fore,
            .align = align};
}

constexpr Control opaqueLabel(std::string_view name, Rect twips, std::string_view caption,
                              Color fore, Color back) {
    Control c = label(name, "Form1", twips, caption, kUiFont, fore);
    c.back = back;
    c.opaque = true;
    return c;
}

constexpr Control button(std::string_view name, Rect twips, std::string_view caption, Font font,
                         Color face, Handler click, int tabIndex) {
    return {.name = name,
            .kind = Kind::Button,
            .parent = "Form1",
            .twips = twips,
            .caption = caption,
            .font = font,
            .fore = kButtonText,
            .back = face,
            .align = Align::Centre,
            .opaque = true,
            .click = click,
            .tabIndex = tabIndex};
}

// The control as a screen reader meets it.
constexpr Control speaks(Control c, Speech speech, std::string_view spoken = {}) {
    c.speech = speech;
    c.spoken = spoken;
    return c;
}

// A card back of the player's, speaking for its slot; its key picks it as a click does.
constexpr Control playerBack(std::string_view name, int left, Handler click,
                             std::string_view spoken, char key) {
    Control c = speaks(image(name, "Frame1", left, 555, Picture::CardBack, click), Speech::CardSlot,
                       spoken);
    c.key = key;
    return c;
}

constexpr Control rankLabel(std::string_view name, int left) {
    return label(name, "Frame1", {left, 555, 375, 375}, "5", kRankFont, kCardRed);
}

constexpr std::array kForm1{
    Control{.name = "Form1",
            .kind = Kind::Window,
            .twips = {0, 0, 5070, 4995},
            .caption = "Тестовый режим - игра Vantrello - карты",
            .back = kWindowBlue,
            .opaque = true,
            .speech = Speech::Caption,
            .spoken = kWindowHint},

    // The window's controls, front to back.
    speaks(button("Command2", {2880, 3840, 735, 855}, "Забрать", kUiFont, rgb(192, 192, 255),
                  &DoubleUp::Command2_Click, 1),
           Speech::Caption),
    speaks(button("Command1", {3720, 3840, 1215, 855}, "Play", Font{"Arial", 14.25, true},
                  rgb(255, 128, 128), &DoubleUp::Command1_Click, 0),
           Speech::Caption),
    // The table area clips its children; a one-pixel strip on its right and a six-pixel
    // strip at its bottom show its own colour beyond the background picture.
    Control{.name = "Frame1",
            .kind = Kind::Frame,
            .parent = "Form1",
            .twips = {120, 360, 4815, 3375},
            .back = kWindowBlue,
            .opaque = true,
            .speech = Speech::Named,
            .spoken = "Стол"},
    speaks(opaqueLabel("Label2", {120, 4725, 4815, 255},
                       "www.vantrello.example - официальный сайт эмулятора", kButtonText,
                       kButtonFace),
           Speech::Caption),
    speaks(opaqueLabel("Label1", {120, 3840, 2655, 855},
                       "Жмите Play до тех пор, пока Total Win не будет больше нуля, а потом "
                       "кликните мышкой на любую карту.",
                       kWindowText, rgb(255, 255, 192)),
           Speech::Caption),
    // The suit templates lie below the client area: never seen, only copied from.
    image("ImageCardKrest", "Form1", 2640, 5400, Picture::Clubs),
    image("ImageCardBub", "Form1", 1800, 5400, Picture::Diamonds),
    image("ImageCardPic", "Form1", 960, 5400, Picture::Spades),
    image("ImageCardChervu", "Form1", 120, 5400, Picture::Hearts),
    speaks(label("LabelTotalBet", "Form1", {480, 120, 1215, 375}, "1", kValueFont, kWhite,
                 Align::Right),
           Speech::Value, "Total Bet"),
    speaks(label("LabelTotalWin", "Form1", {2070, 120, 1215, 375}, "0", kValueFont, kWhite,
                 Align::Right),
           Speech::Value, "Total Win"),
    speaks(label("LabelCredit", "Form1", {3510, 120, 1215, 375}, "100", kValueFont, kWhite,
                 Align::Right),
           Speech::Value, "Credit"),
    image("Image1", "Form1", 120, 60, Picture::Banner),

    // The table area's controls, front to back.
    speaks(label("Label4", "Frame1", {0, 3120, 3015, 255},
                 "Программа находится на стадии разработки", Font{"Arial", 6.75}, kWhite),
           Speech::Caption),
    speaks(label("Label3", "Frame1", {1290, 2070, 615, 255}, "Тестинг", kUiFont, kButtonText),
           Speech::Caption),
    speaks(label("LabelDouble", "Frame1", {3240, 2920, 1215, 255}, "0",
                 Font{"Comic Sans MS", 8.25, true}, rgb(255, 255, 0), Align::Centre),
           Speech::Value, "Double To"),
    // The dealer's card says whose it is, so its tag has nothing to add.
    image("ImageDealer", "Frame1", 480, 1650, Picture::DealerTag),
    // Parked beyond the frame's right edge, so clipped away until a pick moves it.
    speaks(image("ImagePick", "Frame1", 4920, 1650, Picture::PickTag), Speech::Marker, "Выбрана"),
    // The backs hide their slots. The dealer's lies in front of the others, and each of
    // the player's lies in front of the one to its right. The player's are numbered for
    // the screen reader as their keys number them, left to right.
    speaks(image("Short1", "Frame1", 380, 555, Picture::CardBack), Speech::CardSlot,
           "Карта дилера"),
    playerBack("Short5", 3735, &DoubleUp::Short5_Click, "Карта 4", '4'),
    playerBack("Short4", 2895, &DoubleUp::Short4_Click, "Карта 3", '3'),
    playerBack("Short3", 2055, &DoubleUp::Short3_Click, "Карта 2", '2'),
    playerBack("Short2", 1215, &DoubleUp::Short2_Click, "Карта 1", '1'),
    // Each rank is written over the top-left corner of its suit picture.
    rankLabel("NumCard5", 3750),
    rankLabel("NumCard4", 2910),
    rankLabel("NumCard3", 2070),
    rankLabel("NumCard2", 1230),
    rankLabel("NumCard1", 390),
    image("Card5", "Frame1", 3740, 555, Picture::Hearts),
    image("Card4", "Frame1", 2900, 555, Picture::Hearts),
    image("Card3", "Frame1", 2060, 555, Picture::Hearts),
    image("Card2", "Frame1", 1220, 555, Picture::Hearts),
    image("Card1", "Frame1", 370, 555, Picture::Hearts),
    speaks(label("LabelStep", "Frame1", {1820, 260, 1215, 375}, "1", kValueFont, rgb(192, 192, 0),
                 Align::Right),
           Speech::Value, "Risk Step"),
    image("Image2", "Frame1", 0, 0, Picture::TableBackground),
};

} // namespace

std::span<const Control> form1() {
    return kForm1;
}

const Control& control(std::string_view name) {
    for (const Control& c : kForm1) {
        if (c.name == name) {
            return c;
        }
    }
    throw std::out_of_range("the window has no control " + std::string(name));
}

std::string slotName(std::string_view prefix, int slot) {
    return std::string(prefix) + std::to_string(slot);
}

std::string_view spokenRank(std::string_view rankText) {
    // Each rank as card players name it; the letters are those the card draw writes.
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 13> kRanks{{
        {"2", "двойка"},
        {"3", "тройка"},
        {"4", "четвёрка"},
        {"5", "пятёрка"},
        {"6", "шестёрка"},
        {"7", "семёрка"},
        {"8", "восьмёрка"},
        {"9", "девятка"},
        {"10", "десятка"},
        {"J", "валет"},
        {"Q", "дама"},
        {"K", "король"},
        {"A", "туз"},
    }};
    for (const auto& [text, word] : kRanks) {
        if (text == rankText) {
            return word;
        }
    }
    return {};
}

std::string_view spokenSuit(Picture face) {
    // The genitive plural that follows the rank ("дама червей"); the letter ё tells a speech
    // synthesiser where the stress of "бубён" falls.
    switch (face) {
    case Picture::Hearts:
        return "червей";
    case Picture::Spades:
        return "пик";
    case Picture::Clubs:
        return "треф";
    case Picture::Diamonds:
        return "бубён";
    default:
        return {};
    }
}

} // namespace game::design
