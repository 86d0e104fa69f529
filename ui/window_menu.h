// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's menu, opened by a right click anywhere in the window, the Menu key or Shift+F10:
// the window's layout has no room for a menu bar. It opens without a nested event loop, so it
// never holds up a pick's pauses.
#pragma once

#include "game/session_statistics.h"
#include "ui/how_to_play.h"

#include <QMenu>

namespace ui {

class SoundSetting;
class TextWindow;

class WindowMenu : public QMenu {
    Q_OBJECT
  public:
    // The menu of `window`, kept apart from the window's own widgets, which are its design's
    // controls alone. `sound`, when given, is switched by the Sound entry and must outlive it.
    // Statistics shows `figures`, this session's, which must outlive the menu. Statistics and
    // About open beside the window, and the game goes on meanwhile.
    WindowMenu(QWidget& window, SoundSetting* sound, const game::SessionFigures& figures);

    // Opens the menu at `at` as a key does: on its first entry, as the desktop's menus do, so
    // that the arrows go on from there and a screen reader has an entry to speak at once.
    void popupOnFirstEntry(QPoint at);

    // Opens "How to play" beside the window, as its entry and F1 do.
    void showHowToPlay();

  private:
    QWidget& window_;
    // How to play's figures, worked out once the window has drawn its first frame; and the
    // window, made when first asked for.
    HowToPlayFiguresAhead helpFigures_;
    TextWindow* help_ = nullptr;
};

} // namespace ui
