// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/fonts/window_fonts.h"

#include "ui/qt_text.h"
#include <QFontDatabase>
#include <QGuiApplication>
#include <QObject>
#include <QResource>
#include <QString>
#include <QtGlobal>

#include <fontconfig/fontconfig.h>
#include <mutex>

namespace ui {
namespace {

// The face the desktop's user-interface font is taken from.
constexpr std::string_view kUiFace = "Arial";

// The bytes of a face in the program. The resource is stored uncompressed, so they are used
// where they lie, without a copy.
QByteArray faceData(const QString& path) {
    const QResource resource(path);
    if (!resource.isValid()) {
        return {};
    }
    if (resource.compressionAlgorithm() != QResource::NoCompression) {
        return resource.uncompressedData();
    }
    return QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()),
                                   static_cast<qsizetype>(resource.size()));
}

} // namespace

void useOnlyEmbeddedFonts() {
    FcConfig* config = FcConfigCreate();
    if (config == nullptr) {
        return;
    }
    // The current configuration holds its own reference.
    FcConfigSetCurrent(config);
    FcConfigDestroy(config);
}

QFont::Weight styleWeight(std::string_view style) {
    if (style == "Black") {
        return QFont::Black;
    }
    return style == "Bold" ? QFont::Bold : QFont::Normal;
}

const fonts::EmbeddedFace& embeddedFace(const game::design::Font& font) {
    const std::string_view face = font.face.empty() ? kUiFace : font.face;
    const fonts::EmbeddedFace* chosen = nullptr;
    for (const fonts::EmbeddedFace& candidate : fonts::kEmbeddedFaces) {
        if (candidate.standsFor != face) {
            continue;
        }
        const bool better = chosen == nullptr ||
                            (font.bold ? styleWeight(candidate.style) > styleWeight(chosen->style)
                                       : styleWeight(candidate.style) < styleWeight(chosen->style));
        if (better) {
            chosen = &candidate;
        }
    }
    // Every face the design names is embedded; the window tests walk the design to prove it.
    Q_ASSERT_X(chosen != nullptr, "ui::embeddedFace", face.data());
    return chosen != nullptr ? *chosen : fonts::kEmbeddedFaces[0];
}

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
    for (const fonts::EmbeddedFace& face : fonts::kEmbeddedFaces) {
        const QString resource = toQString(face.resource);
        const int id = QFontDatabase::addApplicationFontFromData(faceData(resource));
        if (id == -1) {
            qWarning("ui::loadBundledFonts: cannot register %s", qPrintable(resource));
        } else if (!QFontDatabase::applicationFontFamilies(id).contains(toQString(face.family))) {
            qWarning("ui::loadBundledFonts: %s does not provide its family", qPrintable(resource));
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

QFont windowFont(const game::design::Font& design) {
    const fonts::EmbeddedFace& face = embeddedFace(design);
    QFont font(toQString(face.family));
    font.setWeight(styleWeight(face.style));
    font.setItalic(false);
    font.setPixelSize(design.pixelSize());
    font.setHintingPreference(QFont::PreferVerticalHinting);
    // Grey-scale antialiasing: the window is drawn over pictures, where coloured fringes show.
    // Font merging stays on: every face covers the characters its controls show, and merging is
    // only a safety net for characters outside them.
    font.setStyleStrategy(QFont::NoSubpixelAntialias);
    return font;
}

} // namespace ui
