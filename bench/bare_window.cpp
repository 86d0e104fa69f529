// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick of the start-up benchmark: the least a Qt Widgets program can do to show a
// window of the game's size. It draws no text and no picture and loads nothing of its own.
#include "game/twips.h"
#include "game/window_design.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const game::Rect client = game::toPixels(game::design::form1().front().twips);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare window"));
    window.setFixedSize(client.width, client.height);
    window.show();
    return app.exec();
}
