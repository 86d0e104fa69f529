#include "ui/fonts/window_fonts.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QObject>
#include <QString>
#include <QtGlobal>

#include <array>
#include <mutex>

namespace ui {
namespace {

struct BundledFile {
    const char* resource;
    const char* family;
};

constexpr std::array<BundledFile, 5> bundledFiles{{
    {":/vantrello/fonts/VantrelloSans-Regular.ttf", "Vantrello Sans"},
    {":/vantrello/fonts/VantrelloSans-Bold.ttf", "Vantrello Sans"},
    {":/vantrello/fonts/VantrelloSerif-Bold.ttf", "Vantrello Serif"},
    {":/vantrello/fonts/VantrelloComic-Bold.otf", "Vantrello Comic"},
    {":/vantrello/fonts/VantrelloHeavy-Black.otf", "Vantrello Heavy"},
}};

struct FaceChoice {
    const char* family;
    QFont::Weight weight;
};

// The families are the embedded files' own: they are renamed at build time, so no installed font
// carries them and a request can only resolve to the embedded data. Faces bundled in one weight
// only keep that weight whatever is asked, so a request never falls through to another family's
// file or to a synthesised weight.
FaceChoice choose(FontFace face, bool bold) {
    switch (face) {
    case FontFace::Arial:
    case FontFace::Default:
        return {"Vantrello Sans", bold ? QFont::Bold : QFont::Normal};
    case FontFace::ArialBlack:
        return {"Vantrello Heavy", QFont::Black};
    case FontFace::TimesNewRoman:
        return {"Vantrello Serif", QFont::Bold};
    case FontFace::ComicSansMS:
        return {"Vantrello Comic", QFont::Bold};
    }
    Q_UNREACHABLE();
    return {"Vantrello Sans", QFont::Normal};
}

} // namespace

void loadBundledFonts() {
    if (qGuiApp == nullptr) {
        qWarning("ui::loadBundledFonts: needs a QGuiApplication; no fonts registered");
        return;
    }
    static std::mutex mutex;
    static bool fontsRegistered = false; // for the current QGuiApplication

    const std::lock_guard lock(mutex);
    if (fontsRegistered) {
        return;
    }
    for (const BundledFile& file : bundledFiles) {
        const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(file.resource));
        if (id == -1) {
            qWarning("ui::loadBundledFonts: cannot register %s", file.resource);
        } else if (!QFontDatabase::applicationFontFamilies(id).contains(
                       QString::fromLatin1(file.family))) {
            qWarning("ui::loadBundledFonts: %s does not provide the family %s", file.resource,
                     file.family);
        }
    }
    fontsRegistered = true;
    // The font database, application fonts included, goes with the application; a later
    // application has to register the fonts anew.
    QObject::connect(qGuiApp, &QObject::destroyed, [] {
        const std::lock_guard relock(mutex);
        fontsRegistered = false;
    });
}

QFont windowFont(FontFace face, int pixelSize, bool bold) {
    const FaceChoice choice = choose(face, bold);
    QFont font(QString::fromLatin1(choice.family));
    font.setWeight(choice.weight);
    font.setItalic(false);
    font.setPixelSize(pixelSize);
    font.setHintingPreference(QFont::PreferVerticalHinting);
    // Grey-scale antialiasing: the window is drawn over pictures, where coloured fringes show.
    // Font merging stays on: every face covers the characters its controls show, and merging is
    // only a safety net for characters outside them.
    font.setStyleStrategy(QFont::NoSubpixelAntialias);
    return font;
}

} // namespace ui
