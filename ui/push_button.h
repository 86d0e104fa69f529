// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A push button whose face shows its colour, pressed by the mouse, Space or Enter.
#pragma once

#include <QPushButton>

namespace ui {

class PushButton : public QPushButton {
    Q_OBJECT
  public:
    PushButton(const QString& caption, const QColor& face, QWidget* parent);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace ui
