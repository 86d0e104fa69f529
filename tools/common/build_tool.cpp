// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/common/build_tool.h"

#include <QSaveFile>

namespace build_tool {
namespace {

QStringList* collecting = nullptr;

void collect(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (collecting != nullptr && type != QtDebugMsg && type != QtInfoMsg) {
        collecting->append(message);
    }
}

} // namespace

QtWarnings::QtWarnings() : previous_(qInstallMessageHandler(collect)) {
    collecting = &warnings_;
}

QtWarnings::~QtWarnings() {
    qInstallMessageHandler(previous_);
    collecting = nullptr;
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
