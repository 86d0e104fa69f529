// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/window_menu.h"

#include "game/window_design.h"
#include "ui/qt_text.h"
#include "ui/sound_setting.h"

namespace ui {

WindowMenu::WindowMenu(QWidget& window, SoundSetting* sound, std::function<void()> showStatistics,
                       std::function<void()> showAbout) {
    setObjectName(QStringLiteral("WindowMenu"));
    setTitle(inLanguage(game::design::kMenu));
    if (sound != nullptr) {
        QAction* soundOn = addAction(inLanguage(game::design::kMenuSound));
        soundOn->setCheckable(true);
        soundOn->setChecked(sound->on());
        connect(soundOn, &QAction::toggled, this, [sound](bool on) { sound->set(on); });
        addSeparator();
    }
    connect(addAction(inLanguage(game::design::kMenuStatistics)), &QAction::triggered, this,
            std::move(showStatistics));
    connect(addAction(inLanguage(game::design::kMenuAbout)), &QAction::triggered, this,
            std::move(showAbout));
    addSeparator();
    QAction* quit = addAction(inLanguage(game::design::kMenuQuit));
    // Shown beside the entry; the window itself takes the key (keyboard.cpp).
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    quit->setShortcutContext(Qt::WidgetShortcut);
    connect(quit, &QAction::triggered, &window, &QWidget::close);
}

} // namespace ui
