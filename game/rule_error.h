// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The error a rule raises when it meets a text that is no number or a result that
// is no longer finite. Rules never catch it: it ends the running rule and every
// rule that called it, and only the window's event boundary reports it.
#pragma once

#include <stdexcept>

namespace game {

class RuleError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

} // namespace game
