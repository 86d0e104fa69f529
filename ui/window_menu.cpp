// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/window_menu.h"

#include "game/window_design.h"
#include "ui/accessibility/window_speech.h"
#include "ui/first_frame.h"
#include "ui/keyboard.h"
#include "ui/qt_text.h"
#include "ui/sound_setting.h"
#include "ui/statistics_text.h"
#include "ui/text_window.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeySequence>
#include <QPushButton>
#include <QWindow>

#include <memory>

namespace ui {
namespace {

// The version, the licences, the site line and the Qt version, one a line.
QStringList aboutText() {
    using namespace game::design;
    const QStringList lines{
        inLanguage(kVersion) + QStringLiteral(": ") + QCoreApplication::applicationVersion(),
        inLanguage(kGameLicence) + QStringLiteral(": ") + inLanguage(kGameLicenceName) +
            QStringLiteral(" (GPL-3.0-or-later)"),
        inLanguage(kFontLicence) + QStringLiteral(": ") + inLanguage(kFontLicenceName) +
            QStringLiteral(" (OFL-1.1)"),
        inLanguage(control("Label2").caption),
        QStringLiteral("Qt: ") + QString::fromLatin1(qVersion()),
    };
    return lines;
}

// The window of that name beside the game's, made the first time it is asked for and kept,
// hidden, when closed, showing `lines` made afresh.
void showBeside(QWidget& window, const QString& name, std::string_view title,
                const QStringList& lines) {
    auto* shown = window.findChild<TextWindow*>(name, Qt::FindDirectChildrenOnly);
    if (shown == nullptr) {
        shown = new TextWindow(window, name, inLanguage(title));
    }
    shown->showBeside(paragraphs(lines));
}

} // namespace

WindowMenu::WindowMenu(QWidget& window, SoundSetting* sound, const game::SessionFigures& figures)
    : window_(window) {
    setObjectName(QStringLiteral("WindowMenu"));
    afterFirstFrame(window, [this] { helpFigures_.start(); });
    setTitle(inLanguage(game::design::kMenu));
    if (sound != nullptr) {
        QAction* soundOn = addAction(inLanguage(game::design::kMenuSound));
        soundOn->setCheckable(true);
        soundOn->setChecked(sound->on());
        connect(soundOn, &QAction::toggled, this, [sound, &window](bool on) {
            sound->set(on);
            // The entry's tick is read only while the menu is open: say the new state.
            if (accessibility::WindowSpeech* speech = accessibility::WindowSpeech::of(window)) {
                speech->announce(inLanguage(on ? game::design::kSoundOn : game::design::kSoundOff));
            }
        });
        addSeparator();
    }
    // F1 and Ctrl+Q are the game's own: actions of the window with the desktop's keys for help
    // and quit, which work from every window the game opens, and which the menu shows.
    const auto gameAction = [&window, this](std::string_view text,
                                            const QList<QKeySequence>& keys) {
        auto* action = new QAction(inLanguage(text), &window);
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::ApplicationShortcut);
        action->setAutoRepeat(false); // a held key acts once
        window.addAction(action);
        addAction(action);
        return action;
    };
    connect(gameAction(game::design::kMenuHowToPlay,
                       standardKeys(QKeySequence::HelpContents, QKeySequence(Qt::Key_F1))),
            &QAction::triggered, this, &WindowMenu::showHowToPlay);
    connect(addAction(inLanguage(game::design::kMenuStatistics)), &QAction::triggered, this,
            [&window, &figures] {
                showBeside(window, QStringLiteral("Statistics"), game::design::kMenuStatistics,
                           statisticsText(figures, collectAtOnceReturn()));
            });
    connect(addAction(inLanguage(game::design::kMenuAbout)), &QAction::triggered, this, [&window] {
        showBeside(window, QStringLiteral("About"), game::design::kMenuAbout, aboutText());
    });
    addSeparator();
    QAction* quit = gameAction(game::design::kMenuQuit, quitKeys());
    connect(quit, &QAction::triggered, &window, &QWidget::close);
}

void WindowMenu::popupOnFirstEntry(QPoint at) {
    popup(at);
    // Once the menu has the keyboard. Taking it makes the window system activate the game's
    // window again, which a screen reader speaks whole over an entry chosen before.
    const auto choose = [this] { setActiveAction(actions().constFirst()); };
    if (QGuiApplication::focusWindow() == windowHandle()) {
        choose();
        return;
    }
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = connect(qGuiApp, &QGuiApplication::focusWindowChanged, this,
                          [this, connection, choose](QWindow* focused) {
                              QObject::disconnect(*connection);
                              if (focused == windowHandle() && isVisible()) {
                                  choose();
                              }
                          });
}

void WindowMenu::showHowToPlay() {
    // Made once and hidden when closed, as TextWindow says why.
    if (help_ == nullptr) {
        help_ = new TextWindow(window_, QStringLiteral("HowToPlay"),
                               inLanguage(game::design::kMenuHowToPlay), kHowToPlaySize);
    }
    help_->showBeside(howToPlayText(helpFigures_.figures()));
}

} // namespace ui
