// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/label_widget.h"

#include <QPainter>
#include <QStyle>

namespace ui {

QColor fromPacked(game::Color color) {
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

LabelWidget::LabelWidget(const QString& caption, QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(true);
    setMargin(0);
    setIndent(0);
    setFocusPolicy(Qt::NoFocus);
    setTextFormat(Qt::PlainText);
    setAutoFillBackground(false);
    // Last, so that the text is taken in once, as plain text.
    setText(caption);
}

std::string LabelWidget::caption() const {
    return text().toStdString();
}

void LabelWidget::setCaption(const std::string& text) {
    setText(QString::fromStdString(text));
}

void LabelWidget::setForeColor(game::Color color) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, fromPacked(color));
    setPalette(p);
}

CaptionLook LabelWidget::captionLook() const {
    // As QLabel lays out and draws plain text: no margin, no indent, no frame, tabs expanded,
    // and the text's own direction.
    const Qt::LayoutDirection direction =
        text().isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
    int flags = static_cast<int>(QStyle::visualAlignment(direction, alignment()));
    flags |= Qt::TextExpandTabs;
    if (wordWrap()) {
        flags |= Qt::TextWordWrap;
    }
    flags |= direction == Qt::LeftToRight ? Qt::TextForceLeftToRight : Qt::TextForceRightToLeft;
    return {text(), font(), palette().color(foregroundRole()), contentsRect(), flags, size()};
}

void LabelWidget::paintEvent(QPaintEvent*) {
    if (text().isEmpty()) {
        return;
    }
    QPainter painter(this);
    drawCaption(painter, captionLook());
}

} // namespace ui
