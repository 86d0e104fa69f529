// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A window of text the menu opens beside the game's: How to play, Statistics, About. The text is
// read only, with a caret, so that a screen reader reads it line by line (and a table cell by
// cell); the game goes on meanwhile.
#pragma once

#include "game/window_design.h"

#include <QDialog>
#include <QMargins>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

class QTextEdit;

namespace ui {

// The text's font: the embedded sans-serif, a little larger than the table's labels, for reading.
inline constexpr game::design::Font kTextWindowFont{.points = 9.75};
// The narrowest it is made to stand beside the game's window rather than over it: some fifty
// characters a line.
inline constexpr int kTextWindowNarrowest = 400;

// Where the window stands: a frame of `size` (the window and what the window manager adds around
// it, `frame`) beside `game`'s frame, on the screen's available `screen`. Right of the game where
// that side has room for it, else on the side with more room, made narrower to fit it but not
// below kTextWindowNarrowest; failing that, over the game at the screen's right edge. As high as
// the game's as far as the screen allows, and never larger than the screen. Returns the window's
// own geometry, frame left out.
QRect besideGame(QSize size, const QRect& game, const QMargins& frame, const QRect& screen);

// Lines of plain text as paragraphs of the window's HTML, each read as a line of its own.
QString paragraphs(const QStringList& lines);

// The window: the text and a Close button; Escape closes it too, and closed, it gives the
// keyboard back to the game's window. Made once and kept, hidden, when closed. (Deleting it on
// close would lose the key release that closed it, which Qt's screen-reader bridge still holds
// for it, and leak that copy.)
class TextWindow : public QDialog {
    Q_OBJECT
  public:
    // Hidden, a window of `game`'s own named `name` (its object name), titled `title`, that asks
    // for `size` where the screen has room; `size` empty: as large as its text needs.
    TextWindow(QWidget& game, const QString& name, const QString& title, QSize size = {});

    // Shows `html`, the caret at the start of the text and the keyboard on it; the first time,
    // sized to the screen and placed beside the game's window.
    void showBeside(const QString& html);

    QTextEdit& text() const { return *text_; }

  private:
    QWidget& game_;
    QTextEdit* text_;
    QSize size_;
    bool placed_ = false;
};

} // namespace ui
