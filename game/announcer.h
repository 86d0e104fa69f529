// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a player who cannot see the table is told as the game goes on: one short announcement
// for each thing the rules do, in the names the window's accessible objects carry.
#pragma once

#include "game/controls.h"
#include "game/table_observer.h"

#include <functional>
#include <string>

namespace game {

class Announcer : public TableObserver {
  public:
    // `say` is handed each announcement once its table state is in the controls.
    Announcer(Controls controls, std::function<void(const std::string&)> say);

    // "Карта дилера: дама червей. Выигрыш: 40. Кредит: 97", or, for the next deal of a chain,
    // "Карта дилера: пятёрка бубён. Новая раздача. Шаг: 2. Выигрыш: 80". The credit is said
    // when charged.
    void dealt(bool charged, bool chainStep) override;
    // "Победа: туз пик. Выигрыш: 80": the outcome first, for a screen reader speaks each
    // announcement over the one before, and the next deal follows a won pick in a few seconds.
    // The next deal says the win again.
    void picked(int slot, Outcome outcome) override;
    // "Кредит: 140".
    void collected(double win) override;

  private:
    std::string value(const LabelControl& label, std::string_view name) const;
    std::string dealerCard() const;

    Controls c_;
    std::function<void(const std::string&)> say_;
};

} // namespace game
