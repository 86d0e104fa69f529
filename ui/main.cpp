// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts the game: one window, the rules bound to it, real time and real sound.
#include "game/random.h"
#include "game/system_clock.h"
#include "game/window_design.h"
#include "ui/command_line.h"
#include "ui/first_frame.h"
#include "ui/fonts/window_fonts.h"
#include "ui/form1.h"
#include "ui/icon/app_icon.h"
#include "ui/platform_exit.h"
#include "ui/qt_services.h"
#include "ui/qt_text.h"
#include "ui/sound/canberra_cue_player.h"
#include "ui/sound_setting.h"
#include "ui/translation.h"

#include <QApplication>
#include <cstdio>
#include <unistd.h>

namespace {

// What Qt says while it starts its platform plugin. It is held back unless the start fails.
QStringList startupWarnings;

// A fatal failure to start (no display, no compositor, no platform plugin) becomes one line
// naming Qt's own reasons, and exit status 1 without an abort or a core dump.
void startupMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtFatalMsg) {
        // The platform plugins' messages (and the Wayland client's, which has no category of
        // its own) say why no window can open; the runtime directory's warning does not.
        const QByteArray category(context.category != nullptr ? context.category : "default");
        if ((category.startsWith("qt.qpa") || category == "default") &&
            !message.startsWith(QStringLiteral("QStandardPaths:"))) {
            startupWarnings.append(message.simplified());
        }
        return;
    }
    QString reason = startupWarnings.join(QStringLiteral("; "));
    if (reason.isEmpty()) {
        reason = message.section(QLatin1Char('\n'), 0, 0);
    }
    std::fprintf(stderr, "vantrello: cannot open the game window: %s\n", qPrintable(reason));
    _exit(1);
}

void setApplicationNames() {
    // The same name for the executable, the desktop entry, WM_CLASS and the Wayland app id.
    QCoreApplication::setApplicationName(QStringLiteral("vantrello"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VANTRELLO_VERSION));
    QCoreApplication::setOrganizationName(QStringLiteral("Vantrello"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("vantrello.example"));
    QGuiApplication::setDesktopFileName(QStringLiteral("vantrello"));
}

} // namespace

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    const ui::CommandLine commandLine =
        ui::readCommandLine(arguments, QStringLiteral(VANTRELLO_VERSION));
    if (commandLine.action != ui::CommandLine::Action::Play) {
        const bool printed = commandLine.action == ui::CommandLine::Action::Print;
        std::fputs(qPrintable(commandLine.text), printed ? stdout : stderr);
        return printed ? 0 : 2;
    }

    ui::useOnlyEmbeddedFonts();
    setApplicationNames();
    qInstallMessageHandler(startupMessages);
    QApplication app(argc, argv);
    qInstallMessageHandler(nullptr);
    startupWarnings.clear();
    ui::installTranslation();
    // The platform adds the display name to every window title that does not end with it; the
    // window's caption is the name the player sees, so the title bar shows it unchanged.
    QGuiApplication::setApplicationDisplayName(
        ui::inLanguage(game::design::form1().front().caption));

    game::SeededRandom random;
    game::SystemClock clock;
    ui::CanberraCuePlayer sounds;
    // The player's sound choice, from the per-user configuration; the menu switches it.
    ui::SoundSetting sound(ui::SoundSetting::standardFile());
    ui::SwitchedCues cues(sounds, sound);
    ui::QtEventPump pump;
    ui::EventLoopPauser pauser;
    ui::Form1 window({random, clock, cues, pump, pauser, ui::programDirectory()}, &sound);
    // The title bar and the task bar show the icon a moment later: the window comes first.
    ui::afterFirstFrame(window, [] { QApplication::setWindowIcon(ui::applicationIcon()); });
    window.show();
    // The keyboard to the game, as a window manager gives it to a new window: the game's keys
    // (F1, Ctrl+Q) are shortcuts of the active window, and without a window manager no window
    // would be active at all.
    window.activateWindow();
    return ui::finish(app.exec());
}
