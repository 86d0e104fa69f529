// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/push_button.h"

#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace ui {

PushButton::PushButton(const QString& caption, const QColor& face, QWidget* parent)
    : QPushButton(caption, parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAutoDefault(false);
    QPalette p = palette();
    p.setColor(QPalette::Button, face);
    p.setColor(QPalette::ButtonText, Qt::black);
    setPalette(p);
}

void PushButton::keyPressEvent(QKeyEvent* event) {
    // Enter presses the focused button as Space does.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !event->isAutoRepeat()) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

CaptionLook PushButton::captionLook() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    return captionLook(option);
}

CaptionLook PushButton::captionLook(const QStyleOptionButton& option) const {
    // Where and how the style writes a push button's label: centred in its contents, moved by
    // the button shift while pressed, in the palette's button text colour.
    const QStyle& style = *this->style();
    QRect box = style.subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (option.state & (QStyle::State_On | QStyle::State_Sunken)) {
        box.translate(style.pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                      style.pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    }
    int flags = Qt::AlignVCenter | Qt::AlignHCenter | Qt::TextShowMnemonic;
    if (style.styleHint(QStyle::SH_UnderlineShortcut, &option, this) == 0) {
        flags |= Qt::TextHideMnemonic;
    }
    return {option.text, font(), option.palette.color(QPalette::ButtonText), box, flags, size()};
}

void PushButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const CaptionLook caption = captionLook(option);
    // A disabled caption is drawn in the style's own way (etched or greyed).
    if (!isEnabled() || caption.text.isEmpty()) {
        painter.drawControl(QStyle::CE_PushButton, option);
        return;
    }
    // In the order the style composes a push button: face and frame, caption, focus rectangle.
    painter.drawControl(QStyle::CE_PushButtonBevel, option);
    drawCaption(painter, caption);
    if (option.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

} // namespace ui
