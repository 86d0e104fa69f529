// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A label of the window that the rules can read and write: caption, tag, fore colour.
#pragma once

#include "game/controls.h"

#include <QLabel>

namespace ui {

class LabelWidget : public QLabel, public game::LabelControl {
  public:
    LabelWidget(const QString& caption, QWidget* parent);

    std::string caption() const override;
    void setCaption(const std::string& text) override;
    std::string tag() const override { return tag_; }
    void setTag(const std::string& text) override { tag_ = text; }
    void setForeColor(game::Color color) override;

  private:
    std::string tag_;
};

QColor fromPacked(game::Color color);

} // namespace ui
