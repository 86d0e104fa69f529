// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/image_widget.h"

#include "game/twips.h"
#include "ui/picture_book.h"

#include <QMouseEvent>
#include <QPainter>

namespace ui {

ImageWidget::ImageWidget(const PictureBook& book, game::Picture picture, int leftTwips,
                         int topTwips, QWidget* parent)
    : QWidget(parent), book_(book), picture_(picture), pixmap_(&book.pixmap(picture)),
      leftTwips_(static_cast<float>(leftTwips)) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent); // every picture covers its whole rectangle
    setGeometry(game::toPixels(leftTwips), game::toPixels(topTwips), pixmap_->width(),
                pixmap_->height());
}

void ImageWidget::setPicture(game::Picture picture) {
    picture_ = picture;
    pixmap_ = &book_.pixmap(picture);
    resize(pixmap_->size());
    update();
}

void ImageWidget::setLeft(float twips) {
    leftTwips_ = twips;
    move(game::toPixels(twips), y());
}

void ImageWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // On a scaled screen each picture pixel becomes a block of device pixels: never blurred.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawPixmap(rect(), *pixmap_);
}

void ImageWidget::mousePressEvent(QMouseEvent* event) {
    if (!clickable_ || event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    pressed_ = true;
}

void ImageWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (!clickable_ || event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const bool inside = rect().contains(event->position().toPoint());
    const bool wasPressed = pressed_;
    pressed_ = false;
    if (wasPressed && inside) {
        emit clicked();
    }
}

} // namespace ui
