// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// An image of the window: shows its picture unscaled and takes the picture's size. On a scaled
// screen the picture is drawn from the art made for that scale, one art pixel to a device pixel.
// The rules set its picture, visibility and left edge (kept in twips exactly as
// written). A clickable image raises clicked() on a press and release on it; any
// other image lets clicks pass to its container, which ignores them.
#pragma once

#include "game/controls.h"

#include <QWidget>

namespace ui {

class PictureBook;

class ImageWidget : public QWidget, public game::ImageControl {
    Q_OBJECT
  public:
    ImageWidget(const PictureBook& book, game::Picture picture, int leftTwips, int topTwips,
                QWidget* parent);

    game::Picture picture() const override { return picture_; }
    void setPicture(game::Picture picture) override;
    void setVisible(bool visible) override { QWidget::setVisible(visible); }
    float left() const override { return leftTwips_; }
    void setLeft(float twips) override;

    void setClickable(bool clickable) { clickable_ = clickable; }
    // The picture as drawn at 1x.
    const QImage& image() const;

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    const PictureBook& book_;
    game::Picture picture_;
    float leftTwips_;
    bool clickable_ = false;
    bool pressed_ = false;
};

} // namespace ui
