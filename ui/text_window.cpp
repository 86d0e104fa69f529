// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/text_window.h"

#include "ui/fonts/window_fonts.h"
#include "ui/qt_text.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QScreen>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace ui {

QRect besideGame(QSize size, const QRect& game, const QMargins& frame, const QRect& screen) {
    size = size.boundedTo(screen.size().shrunkBy(frame));
    const int frameWidth = frame.left() + frame.right();
    // The widest window each side of the game has room for.
    const int roomRight = screen.right() - game.right() - frameWidth;
    const int roomLeft = game.left() - screen.left() - frameWidth;
    const bool right = roomRight >= size.width() || roomRight >= roomLeft;
    const int room = right ? roomRight : roomLeft;
    int left = 0;
    if (room >= std::min(size.width(), kTextWindowNarrowest)) {
        size.setWidth(std::min(size.width(), room));
        left = right ? game.right() + 1 : game.left() - size.width() - frameWidth;
    } else {
        left = screen.right() + 1 - size.width() - frameWidth;
    }
    const int top = std::clamp(game.top(), screen.top(),
                               screen.bottom() + 1 - size.height() - frame.top() - frame.bottom());
    return {QPoint(left + frame.left(), top + frame.top()), size};
}

QString paragraphs(const QStringList& lines) {
    QString html;
    for (const QString& line : lines) {
        html += QStringLiteral("<p>") + line.toHtmlEscaped() + QStringLiteral("</p>");
    }
    return html;
}

TextWindow::TextWindow(QWidget& game, const QString& name, const QString& title, QSize size)
    : QDialog(&game), game_(game), text_(new QTextEdit(this)), size_(size) {
    setObjectName(name);
    // Ending with the game's caption, as the platform would add it, but joined as the caption
    // joins its own parts.
    setWindowTitle(title + inLanguage(game::design::kTitleSeparator) +
                   inLanguage(game::design::form1().front().caption));
    setAccessibleName(title);
    setModal(false);
    setFont(windowFont(kTextWindowFont));

    text_->setObjectName(name + QStringLiteral("Text"));
    text_->setAccessibleName(title);
    // Read only, with a caret the arrows move, so that a screen reader follows it line by line. A
    // read-only text edit is told to a screen reader as text it can walk; a text browser would
    // be told as a label, which a screen reader reads as one name.
    text_->setReadOnly(true);
    text_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    text_->setTabChangesFocus(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(inLanguage(game::design::kClose));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(buttons);

    // Closed, it gives the keyboard back to the game, as a window manager would; without one, it
    // would stay with no window at all.
    connect(this, &QDialog::finished, &game, [&game] { game.activateWindow(); });
}

void TextWindow::showBeside(const QString& html) {
    text_->setHtml(html);
    if (!placed_) {
        placed_ = true;
        QSize size = size_;
        if (size.isEmpty()) {
            // As wide as its longest line and as high as its lines, laid out unwrapped in its own
            // font, with what the layout keeps around the text and the button, and a little
            // slack so that no scroll bar shows.
            QTextDocument measure;
            measure.setDefaultFont(text_->font());
            measure.setHtml(html);
            const QSize natural = measure.size().toSize();
            const int slack = 2 * text_->frameWidth() + 8;
            const QMargins margins = layout()->contentsMargins();
            size = QSize(natural.width() + slack + margins.left() + margins.right(),
                         natural.height() + slack + layout()->spacing() +
                             layout()->itemAt(1)->sizeHint().height() + margins.top() +
                             margins.bottom());
        }
        const QRect inner = game_.geometry();
        const QRect outer = game_.frameGeometry();
        const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                             outer.right() - inner.right(), outer.bottom() - inner.bottom());
        setGeometry(besideGame(size, outer, frame, game_.screen()->availableGeometry()));
    }
    text_->moveCursor(QTextCursor::Start);
    text_->setFocus();
    show();
    raise();
    activateWindow();
}

} // namespace ui
