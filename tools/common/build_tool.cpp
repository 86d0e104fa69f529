// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/common/build_tool.h"

#include <QSaveFile>
#include <QSvgRenderer>

namespace build_tool {
namespace {

QStringList* collecting = nullptr;

void collect(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (collecting != nullptr && type != QtDebugMsg && type != QtInfoMsg) {
        collecting->append(message);
    }
}

template <typename Source> QStringList load(QSvgRenderer& renderer, const Source& source) {
    QStringList warnings;
    collecting = &warnings;
    const QtMessageHandler previous = qInstallMessageHandler(collect);
    renderer.load(source);
    qInstallMessageHandler(previous);
    collecting = nullptr;
    return warnings;
}

} // namespace

QStringList loadSvg(QSvgRenderer& renderer, const QString& file) {
    return load(renderer, file);
}

QStringList loadSvg(QSvgRenderer& renderer, const QByteArray& contents) {
    return load(renderer, contents);
}

bool writeRawPixels(const QImage& image, const QString& path) {
    Q_ASSERT(image.depth() == 32);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    for (int y = 0; y < image.height(); ++y) {
        file.write(reinterpret_cast<const char*>(image.constScanLine(y)),
                   static_cast<qint64>(image.width()) * 4);
    }
    return file.commit();
}

} // namespace build_tool
