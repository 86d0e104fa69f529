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

// The window's description, which a screen reader reads with its title: short, as it is read
// again each time the window gets the keyboard back.
inline constexpr std::string_view kWindowHint = "Как играть и клавиши — F1.";
// The keys that play the game, listed in How to play. The keypad's digits reach the window only
// with NumLock on: with it off, a screen reader's desktop layout takes the keypad for its own keys.
inline constexpr std::string_view kKeys =
    "Клавиши: 1, 2, 3, 4 в верхнем ряду (или на цифровой клавиатуре при включённом NumLock) — "
    "выбрать карту 1, 2, 3 или 4, слева направо; Enter или пробел — нажать кнопку в фокусе; "
    "Tab — перейти к другой кнопке; F1 — как играть; Shift+F10 или клавиша меню — меню; "
    "Ctrl+Q — выйти из игры.";
// What a screen reader is told when the player switches the sound.
inline constexpr std::string_view kSoundOn = "Звук включён";
inline constexpr std::string_view kSoundOff = "Звук выключен";
// Between a window's own title and the game's caption, which every window title ends with.
inline constexpr std::string_view kTitleSeparator = " - ";

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
inline constexpr std::string_view kGameLicenceName =
    "GNU General Public License, версия 3 или более поздняя";
inline constexpr std::string_view kFontLicence = "Лицензия шрифтов";
inline constexpr std::string_view kFontLicenceName = "SIL Open Font License, версия 1.1";
// The button that closes a window the menu opened.
inline constexpr std::string_view kClose = "Закрыть";

// The locale, as QLocale names it, in which "How to play" writes its decimals: the design's
// Russian writes a decimal comma, and each translation names its own language here.
inline constexpr std::string_view kNumberLocale = "ru";

// "How to play", in reading order; the keys' paragraph is the window's description, and the
// chances of a pick are a table of the odds. %1, %2, ... stand for figures worked out from the
// odds, for the charge of a play, and for names of ranks and of values.
inline constexpr std::string_view kHowToPlayRules =
    "Нажмите Play, и автомат выставит выигрыш; если выпал ноль, нажмите ещё раз. Затем "
    "выберите одну из четырёх своих карт против карты дилера: старшая удваивает выигрыш, "
    "младшая отнимает его, равная оставляет как есть. Туз старше всех, масть не важна. Если "
    "выбранная карта старше или равна, после паузы карты сдаются снова: идёт цепочка, и можно "
    "выбирать карту дальше. «Забрать» переносит выигрыш в кредит и заканчивает цепочку.";
inline constexpr std::string_view kHowToPlayCost =
    "Пока на кону ничего нет, Play стоит %1 кредита, что бы ни показывало поле TOTAL BET. "
    "С выигрышем на кону Play бесплатна: только что выставленный выигрыш Play заменяет новым, "
    "который может оказаться и нулём, а в цепочке оставляет выигрыш на кону и сдаёт карты заново.";
inline constexpr std::string_view kHowToPlayValuesLead = "Числа на столе:";
// Each value of the table by the words its picture writes, %1 being the name a screen reader
// gives it.
struct ValueHelp {
    std::string_view control;
    std::string_view text;
};
inline constexpr ValueHelp kHowToPlayValues[] = {
    {"LabelTotalBet", "TOTAL BET — ставка; на цену Play она не влияет."},
    {"LabelTotalWin", "TOTAL WIN — выигрыш на кону."},
    {"LabelCredit", "CREDIT — ваш кредит. Play берёт плату и тогда, когда кредита не "
                    "хватает, так что он может уйти ниже нуля."},
    {"LabelStep", "RISK STEP — шаг цепочки: с каждой раздачей в цепочке он растёт на 1, "
                  "а после проигрыша снова становится 1."},
    {"LabelDouble", "DOUBLE TO — каким станет выигрыш, если выбранная карта окажется "
                    "старше карты дилера."},
};
inline constexpr std::string_view kHowToPlayChances =
    "Шансы выбранной карты против каждой карты дилера: чем младше карта дилера, тем вернее выбор.";
inline constexpr std::string_view kHowToPlayBlind =
    "Вслепую, не глядя на карту дилера, выбор выигрывает с шансом %1 и проигрывает с шансом %2, "
    "поэтому удвоение вслепую — честная ставка: сколько раз ни удваивай, возврат тот же, что при "
    "сборе каждого выигрыша сразу, — в долгой игре %3 кредита на каждый заплаченный кредит "
    "(ровно %4).";
inline constexpr std::string_view kHowToPlayLooking =
    "Но карта дилера видна до выбора, и это окупается. Если выбирать карту, только когда у "
    "дилера от 2 до %1, а против остальных карт забирать выигрыш, возврат %2 (ровно %3). Из "
    "способов, которые выбирают карту против карт дилера от 2 до какой-то и забирают выигрыш "
    "против остальных, выгоднее всех выбирать карту против карт от 2 до %4: возврат %5 "
    "(ровно %6).";
// The spread of that best way: without bound, or its figure.
inline constexpr std::string_view kHowToPlayUnboundedSpread =
    "Разброс у этого способа ничем не ограничен: изредка длинная цепочка приносит огромный "
    "выигрыш, а в большинстве сессий выходит намного меньше.";
inline constexpr std::string_view kHowToPlaySpread =
    "Разброс у этого способа — %1 кредита на платную игру.";
inline constexpr std::string_view kHowToPlayRedeal =
    "В цепочке Play сдаёт карты заново бесплатно, а выигрыш остаётся на кону, так что можно "
    "дождаться младшей карты дилера: когда у дилера %1, выбор не может проиграть (победа %2, "
    "ничья %3). Поэтому у возврата нет верхней границы. Если выбирать карту против карт от 2 "
    "до %4, а в цепочке нажимать Play, пока у дилера не выпадет %1, и забирать выигрыш, как "
    "только он дойдёт до %5, возврат %6; если забирать с %7 — уже %8.";
inline constexpr std::string_view kHowToPlayTokens =
    "Кредиты — игровые фишки: их нельзя купить, и на них ничего нельзя выиграть.";
// Every text of "How to play" but the window's and the design's words it borrows.
inline constexpr std::string_view kHowToPlay[] = {
    kHowToPlayRules,          kHowToPlayCost,           kHowToPlayValuesLead,
    kHowToPlayValues[0].text, kHowToPlayValues[1].text, kHowToPlayValues[2].text,
    kHowToPlayValues[3].text, kHowToPlayValues[4].text, kHowToPlayChances,
    kHowToPlayBlind,          kHowToPlayLooking,        kHowToPlayUnboundedSpread,
    kHowToPlaySpread,         kHowToPlayRedeal,         kHowToPlayTokens,
};

// The lines of the statistics, each its words, a colon and its figure.
inline constexpr std::string_view kStatisticsLines[] = {
    "Платных игр",
    "Заплачено кредитов",
    "Забрано выигрышей",
    "Забрано всего",
    "Самый большой забранный выигрыш",
    "Итог",
    "Возврат на заплаченный кредит",
    "Возврат при сборе каждого выигрыша сразу, в долгой игре",
    "Самая длинная цепочка (Risk Step)",
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
