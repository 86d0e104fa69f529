// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/image_widget.h"

#include "game/twips.h"
#include "ui/picture_book.h"
#include "ui/pictures/artwork.h"

#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>

#include <cmath>

namespace ui {
namespace {

// The picture's size in the layout, from the catalogue (none for Picture::None): the widget
// takes it without looking at the pixels, which are drawn from the art of the screen's scale.
QSize layoutSize(game::Picture picture) {
    const game::PictureInfo* info = game::findPicture(picture);
    return info == nullptr ? QSize(0, 0) : QSize(info->width, info->height);
}

} // namespace

ImageWidget::ImageWidget(const PictureBook& book, game::Picture picture, int leftTwips,
                         int topTwips, QWidget* parent)
    : QWidget(parent), book_(book), picture_(picture), leftTwips_(static_cast<float>(leftTwips)) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent); // every picture covers its whole rectangle
    const QSize size = layoutSize(picture);
    setGeometry(game::toPixels(leftTwips), game::toPixels(topTwips), size.width(), size.height());
}

const QImage& ImageWidget::image() const {
    return *book_.art(picture_, 1.0).image;
}

void ImageWidget::setPicture(game::Picture picture) {
    picture_ = picture;
    resize(layoutSize(picture));
    update();
}

void ImageWidget::setLeft(float twips) {
    leftTwips_ = twips;
    move(game::toPixels(twips), y());
}

void ImageWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // The device pixels painted into: the screen's backing store, or the image a grab draws to.
    const double ratio = painter.paintEngine()->paintDevice()->devicePixelRatioF();
    const PictureBook::Art art = book_.art(picture_, ratio);
    // The art made for this scale covers the picture's rectangle one art pixel to a device pixel.
    // Between the scales it was made for, the next larger art is drawn smaller, smoothly.
    const QRectF target(0, 0, art.image->width() / art.ratio, art.image->height() / art.ratio);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, std::abs(art.ratio - ratio) > 1e-6);
    // Part by part of what is to be painted, which the pictures in front cut into rectangles:
    // through a clip of one rectangle the raster engine copies the pixels straight, where a
    // clip of many takes its slow path, which starts a pool of threads to fill the rows.
    for (const QRect& part : event->region()) {
        painter.setClipRect(part);
        painter.drawImage(target, *art.image);
    }
    // What is shown is in the window now; the art is read in again when next drawn.
    ui::letPixelsGo(picture_, art.ratio);
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
