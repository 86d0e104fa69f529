// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/label_widget.h"

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

} // namespace ui
