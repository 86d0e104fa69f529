// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Registers the embedded faces and draws everything the window writes in each of them, as the
// window does. Run under strace by check_no_font_file_opened.cmake, which fails if any font file is
// opened. Exits non-zero if a face resolves to a family other than the embedded one or draws
// nothing, so the trace cannot pass for a run that drew no text.

#include "tests/ui/fonts/window_texts.h"
#include "ui/fonts/window_fonts.h"

#include <QColor>
#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QtGlobal>

#include <cstdio>

namespace {

using window_texts::qString;

// Everything the window writes in a face.
QString textIn(const ui::fonts::EmbeddedFace& face) {
    QString text;
    for (const game::design::Control& c : game::design::form1()) {
        if (c.font.pixelSize() > 0 && &ui::embeddedFace(c.font) == &face) {
            text += window_texts::shownIn(c).join(QLatin1Char(' ')) + QLatin1Char(' ');
        }
    }
    return text;
}

bool hasInk(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const QGuiApplication app(argc, argv);
    ui::loadBundledFonts();

    int failures = 0;
    for (const ui::fonts::EmbeddedFace& face : ui::fonts::kEmbeddedFaces) {
        const QString text = textIn(face);
        const QFont font =
            ui::windowFont({face.standsFor, 14.25, ui::styleWeight(face.style) > QFont::Normal});
        const QString family = QFontInfo(font).family();
        QImage image(2400, 40, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setPen(Qt::black);
        painter.setFont(font);
        painter.drawText(4, 28, text);
        painter.end();
        if (family != qString(face.family)) {
            std::fprintf(stderr, "%s resolved to %s\n", face.resource.data(), qPrintable(family));
            ++failures;
        }
        if (text.trimmed().isEmpty() || !hasInk(image)) {
            std::fprintf(stderr, "%s drew nothing\n", face.resource.data());
            ++failures;
        }
    }
    std::printf("drew every face, %d failure(s)\n", failures);
    return failures == 0 ? 0 : 1;
}
