// Registers the embedded faces and draws text in every window face and weight, as the window
// does. Run under strace by check_no_font_file_opened.cmake, which fails if any font file is
// opened. Exits non-zero if a face resolves to a family other than the embedded one or draws
// nothing, so the trace cannot pass for a run that drew no text.

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

struct Face {
    ui::FontFace face;
    const char* family;
    const char* text; // UTF-8: what the window shows in this face
};

constexpr const char* words = "Жмите Play, Забрать 0123456789 -99999";

const Face faces[] = {
    {ui::FontFace::Default, "Vantrello Sans", words},
    {ui::FontFace::Arial, "Vantrello Sans", words},
    {ui::FontFace::ArialBlack, "Vantrello Heavy", words},
    {ui::FontFace::TimesNewRoman, "Vantrello Serif", "2 3 4 5 6 7 8 9 10 J Q K A"},
    {ui::FontFace::ComicSansMS, "Vantrello Comic", "2000000 -5"},
};

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
    for (const Face& face : faces) {
        for (const bool bold : {false, true}) {
            const QFont font = ui::windowFont(face.face, 19, bold);
            const QString family = QFontInfo(font).family();
            QImage image(600, 40, QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            painter.setPen(Qt::black);
            painter.setFont(font);
            painter.drawText(4, 28, QString::fromUtf8(face.text));
            painter.end();
            if (family != QLatin1String(face.family)) {
                std::fprintf(stderr, "%s resolved to %s\n", face.family, qPrintable(family));
                ++failures;
            }
            if (!hasInk(image)) {
                std::fprintf(stderr, "%s drew nothing\n", face.family);
                ++failures;
            }
        }
    }
    std::printf("drew every face, %d failure(s)\n", failures);
    return failures == 0 ? 0 : 1;
}
