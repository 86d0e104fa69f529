// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/window_menu.h"

#include "game/window_design.h"
#include "ui/first_frame.h"
#include "ui/qt_text.h"
#include "ui/sound_setting.h"
#include "ui/statistics_text.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QWindow>

#include <memory>

namespace ui {
namespace {

// The version, the licences, the site line and the Qt version, one a line.
QString aboutText() {
    using namespace game::design;
    const QStringList lines{
        inLanguage(kVersion) + QStringLiteral(": ") + QCoreApplication::applicationVersion(),
        inLanguage(kGameLicence) + QStringLiteral(": GPL-3.0-or-later"),
        inLanguage(kFontLicence) + QStringLiteral(": OFL-1.1"),
        inLanguage(control("Label2").caption),
        QStringLiteral("Qt: ") + QString::fromLatin1(qVersion()),
    };
    return lines.join(QLatin1Char('\n'));
}

// A window of text beside the game's, closed by its own button or Escape; opening it holds
// nothing up. Made once and kept, hidden, when closed: asked for again, it shows its text made
// afresh. (Deleting it on close would also lose the key release that closed it, which Qt's
// screen-reader bridge still holds for it, and leak that copy.)
void showBeside(QWidget& window, const QString& name, std::string_view title, const QString& text) {
    auto* box = window.findChild<QMessageBox*>(name, Qt::FindDirectChildrenOnly);
    if (box == nullptr) {
        box = new QMessageBox(QMessageBox::NoIcon, inLanguage(title), text, QMessageBox::Close,
                              &window);
        box->setObjectName(name);
        box->button(QMessageBox::Close)->setText(inLanguage(game::design::kClose));
        box->setModal(false);
        // Closed, it gives the keyboard back to the game, as a window manager would; without
        // one, it would stay with no window at all.
        QObject::connect(box, &QMessageBox::finished, &window,
                         [&window] { window.activateWindow(); });
    } else {
        box->setText(text);
    }
    box->show();
    box->raise();
    box->activateWindow();
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
        connect(soundOn, &QAction::toggled, this, [sound](bool on) { sound->set(on); });
        addSeparator();
    }
    QAction* help = addAction(inLanguage(game::design::kMenuHowToPlay));
    // Shown beside the entry, as Quit's is; the window itself takes both keys (keyboard.cpp).
    help->setShortcut(QKeySequence(Qt::Key_F1));
    help->setShortcutContext(Qt::WidgetShortcut);
    connect(help, &QAction::triggered, this, &WindowMenu::showHowToPlay);
    connect(addAction(inLanguage(game::design::kMenuStatistics)), &QAction::triggered, this,
            [&window, &figures] {
                showBeside(window, QStringLiteral("Statistics"), game::design::kMenuStatistics,
                           statisticsText(figures, collectAtOnceReturn()));
            });
    connect(addAction(inLanguage(game::design::kMenuAbout)), &QAction::triggered, this, [&window] {
        showBeside(window, QStringLiteral("About"), game::design::kMenuAbout, aboutText());
    });
    addSeparator();
    QAction* quit = addAction(inLanguage(game::design::kMenuQuit));
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    quit->setShortcutContext(Qt::WidgetShortcut);
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
    // Made once and hidden when closed, for the reason showBeside gives.
    if (help_ == nullptr) {
        help_ = new HowToPlayWindow(window_, howToPlayText(helpFigures_.figures()));
    }
    help_->showBeside();
}

} // namespace ui
