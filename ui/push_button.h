// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A push button whose face shows its colour, pressed by the mouse, Space or Enter.
#pragma once

#include "ui/caption.h"

#include <QPushButton>

class QStyleOptionButton;

namespace ui {

class PushButton : public QPushButton {
    Q_OBJECT
  public:
    PushButton(const QString& caption, const QColor& face, QWidget* parent);

    // The caption as the button draws it now.
    CaptionLook captionLook() const;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    CaptionLook captionLook(const QStyleOptionButton& option) const;
};

} // namespace ui
