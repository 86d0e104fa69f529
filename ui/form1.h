// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game window: built control by control from the window's design table, the rules
// bound to its controls, and each click wired to the rule the table names for it.
#pragma once

#include "game/announcer.h"
#include "game/double_up.h"
#include "game/session_statistics.h"
#include "game/window_design.h"
#include "ui/picture_book.h"

#include <QStyle>
#include <QWidget>
#include <memory>
#include <optional>

namespace ui {

class SoundSetting;
class WindowMenu;

class Form1 : public QWidget {
    Q_OBJECT
  public:
    // The platform services are the caller's and must outlive the window; so must `sound`, the
    // choice the menu's Sound entry switches (no such entry without it).
    explicit Form1(const game::Platform& platform, SoundSetting* sound = nullptr,
                   QWidget* parent = nullptr);
    ~Form1() override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    // The keys that stand for clicks (the design table's `key`) and Ctrl+Q, which closes.
    void keyPressEvent(QKeyEvent* event) override;
    // A right click or the Menu key opens the window's menu where it was asked for.
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    // Closing the window ends a running pause at once, and a running pick finishes without
    // waiting.
    struct PauseUntilClosed : game::Pauser {
        game::Pauser& inner;
        bool closed = false;
        explicit PauseUntilClosed(game::Pauser& p) : inner(p) {}
        void pause(std::uint32_t ms) override {
            if (!closed) {
                inner.pause(ms);
            }
        }
        void interrupt() override { inner.interrupt(); }
    };

    void build();
    // Makes the control of a row, in its place, with its look and design contents.
    void create(const game::design::Control& control);
    void wire();
    game::Controls controls();
    // The window itself or the control of that name.
    template <typename T> T& named(std::string_view name);
    // The event boundary: a rule's error is reported once and the game goes on.
    void run(game::design::Handler handler);
    // Opens the menu as a key does: beneath the focused control, on its first entry.
    void popupMenuByKey();

    PictureBook book_;
    std::unique_ptr<QStyle> buttonStyle_;
    PauseUntilClosed pauser_;
    // Tells a screen reader what the rules do; declared first, so it outlives them.
    std::optional<game::Announcer> announcer_;
    game::SessionStatistics statistics_{game::DoubleUp::kPlayCharge};
    std::optional<game::DoubleUp> rules_;
    std::unique_ptr<WindowMenu> menu_;
};

} // namespace ui
