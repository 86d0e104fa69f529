// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts the game: one window, the rules bound to it, real time and real sound.
#include "game/random.h"
#include "game/system_clock.h"
#include "ui/form1.h"
#include "ui/qt_services.h"
#include "ui/sound/canberra_cue_player.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

// Until the application is up, Qt's own start-up chatter is held back and a fatal
// failure (there is no display to open) becomes one clear line and exit status 1.
void startupMessages(QtMsgType type, const QMessageLogContext&, const QString&) {
    if (type == QtFatalMsg) {
        const char* display = std::getenv("DISPLAY");
        std::fprintf(stderr, "vantrello: cannot open the game window: no display (DISPLAY=%s)\n",
                     display && *display ? display : "unset");
        _exit(1);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    qInstallMessageHandler(startupMessages);
    QApplication app(argc, argv);
    qInstallMessageHandler(nullptr);

    game::SeededRandom random;
    game::SystemClock clock;
    ui::CanberraCuePlayer cues;
    ui::QtEventPump pump;
    ui::SleepPauser pauser;
    ui::Form1 window({random, clock, cues, pump, pauser, ui::programDirectory()});
    window.show();
    return app.exec();
}
