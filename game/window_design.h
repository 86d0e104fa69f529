// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game window as designed: every control with its place, look and design contents.
// The window builds itself by walking this table, the in-memory table takes its starting
// contents from it, and the tests check the layout's rules over its rows.
#pragma once

#include "game/controls.h"
#include "game/double_up.h"
#include "game/twips.h"

#include <span>
#include <string_view>

namespace game::design {

enum class Kind : std::uint8_t { Window, Frame, Label, Image, Button };

enum class Align : std::uint8_t { Left, Right, Centre };

// A font as the design names it. An empty face is the desktop's user-interface font.
struct Font {
    std::string_view face = {};
    double points = 0;
    bool bold = false;

    // The size in pixels at 96 dots per inch.
    constexpr int pixelSize() const { return static_cast<int>(points * 96 / 72 + 0.5); }
    constexpr bool operator==(const Font&) const = default;
};

// The rule a click on a control runs.
using Handler = void (DoubleUp::*)();

// What a screen reader is told of a control.
enum class Speech : std::uint8_t {
    Unseen,   // left out of the accessibility tree: decorations, the suit templates, and the
              // rank labels and suit pictures, which only their card slot speaks for
    Caption,  // named by its caption as shown; `spoken` is its description
    Value,    // named `spoken`, a colon and its caption: "Кредит: 97"
    Named,    // named `spoken`
    CardSlot, // a card back that speaks for its whole slot: `spoken`, a colon and the card
              // lying face up there, or kFaceDown while the back hides it
    Marker,   // while in sight, `spoken` and the name of the card it stands beneath
};

struct Control {
    std::string_view name = {}; // the control's name, also its widget's object name
    Kind kind = Kind::Label;
    std::string_view parent = {}; // the containing control; empty for the window itself
    Rect twips = {};              // an image's width and height are its picture's
    std::string_view caption = {};
    Picture picture = Picture::None;
    Font font = {};
    Color fore = kBlack;
    Color back = kBlack; // shown only where `opaque`: labels, buttons, the frame, the window
    Align align = Align::Left;
    bool opaque = false;
    Handler click = nullptr; // nullptr: clicks on the control change nothing
    int tabIndex = -1;       // keyboard order of the controls that take the focus
    char key = 0;            // the key that stands for a click on the control, on the main
                             // keyboard or the keypad; 0 for none
    Speech speech = Speech::Unseen;
    std::string_view spoken = {};
};

// What a screen reader says of a face-down card.
inline constexpr std::string_view kFaceDown = "закрыта";

// What a screen reader is told of a pick's outcome, and when the game deals again after one.
inline constexpr std::string_view kWon = "Победа";
inline constexpr std::string_view kLost = "Проигрыш";
inline constexpr std::string_view kTie = "Ничья";
inline constexpr std::string_view kDealtAgain = "Новая раздача";

// The window's menu (a right click, the Menu key or Shift+F10) and its entries.
inline constexpr std::string_view kMenu = "Меню";
inline constexpr std::string_view kMenuSound = "Звук";
inline constexpr std::string_view kMenuHowToPlay = "Как играть";
inline constexpr std::string_view kMenuStatistics = "Статистика";
inline constexpr std::string_view kMenuAbout = "О программе Vantrello";
inline constexpr std::string_view kMenuQuit = "Выход";
// The words of the About window's lines, each followed by a colon and its value.
inline constexpr std::string_view kVersion = "Версия";
inline constexpr std::string_view kGameLicence = "Лицензия игры";
inline constexpr std::string_view kFontLicence = "Лицензия шрифтов";
// The button that closes a window the menu opened.
inline constexpr std::string_view kClose = "Закрыть";

// The paragraphs of "How to play", the keys' paragraph left out: the window's description gives
// them. %1, %2 and %3 stand for figures worked out from the odds as the window opens.
inline constexpr std::string_view kHowToPlay[] = {
    "Нажмите Play, и автомат выставит выигрыш. Пока на кону ничего нет, Play стоит %1 кредита; "
    "выигрыш на кону Play бесплатно заменяет новым.",
    "Затем откройте одну из четырёх карт. Карта старше карты дилера удваивает выигрыш, и после "
    "паузы карты сдаются снова; младшая отнимает выигрыш; равная — новая раздача. Туз старше "
    "всех, масть не важна. «Забрать» переносит выигрыш в кредит.",
    "Если забирать каждый выигрыш сразу, в долгой игре каждый заплаченный кредит возвращает %1 "
    "кредита (ровно %2).",
    "Удвоение этот возврат не меняет, меняется только разброс: на одну платную игру он %1 "
    "кредита при сборе сразу и %2 при %3 удвоениях подряд.",
    "Выгоднее всего нажимать Play снова на выигрыше меньше %1, а остальные забирать сразу: "
    "тогда возврат %2 (ровно %3).",
    "Кредиты — игровые фишки: их нельзя купить, и на них ничего нельзя выиграть.",
};

// The lines of the statistics, each its words, a colon and its figure.
inline constexpr std::string_view kStatisticsLines[] = {
    "Платных игр",
    "Заплачено кредитов",
    "Забрано выигрышей",
    "На сумму",
    "Самый большой выигрыш",
    "Итог",
    "Возврат на кредит",
    "Возврат при сборе сразу, в долгой игре",
    "Самая длинная цепочка, шагов",
};

// The spoken rank of a card by its rank text: "дама" for "Q". Empty for a text that is no rank.
std::string_view spokenRank(std::string_view rankText);

// The spoken suit of a card by its face, as it follows the rank: "червей" for the hearts face.
// Empty for a picture that is no card face.
std::string_view spokenSuit(Picture face);

// Every control: the window first, then each container's controls front to back (the
// first of them is drawn over all the others), the window's before the frame's.
std::span<const Control> form1();

// The control of that name; throws std::out_of_range for a name the window lacks.
const Control& control(std::string_view name);

// The name of a card slot's control: slotName("Short", 3) is "Short3".
std::string slotName(std::string_view prefix, int slot);

} // namespace game::design
