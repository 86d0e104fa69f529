// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/sound_setting.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <cstdio>

namespace ui {
namespace {

constexpr auto kKey = "sound";

void tell(const char* what, const QString& file) {
    std::fprintf(stderr, "vantrello: %s %s; sound stays on\n", what, qPrintable(file));
}

} // namespace

SoundSetting::SoundSetting(QString file) : file_(std::move(file)) {
    const QFileInfo info(file_);
    if (!info.exists() && !info.isSymLink()) {
        return;
    }
    if (!info.isFile() || !info.isReadable()) {
        tell("cannot read the settings file", file_);
        return;
    }
    const QSettings settings(file_, QSettings::IniFormat);
    const QVariant value = settings.value(QLatin1String(kKey));
    const QString text = value.toString();
    if (settings.status() != QSettings::NoError ||
        (value.isValid() && text != QLatin1String("true") && text != QLatin1String("false"))) {
        tell("ignores the damaged settings file", file_);
        return;
    }
    on_ = text != QLatin1String("false");
}

QString SoundSetting::standardFile() {
    return QSettings(QStringLiteral("vantrello"), QStringLiteral("vantrello")).fileName();
}

void SoundSetting::set(bool on) {
    on_ = on;
    // The whole file, written beside it and renamed over it: a damaged file gives way to a clean
    // one, and a failed write leaves the old one as it was.
    QSaveFile out(file_);
    const bool written =
        QDir().mkpath(QFileInfo(file_).absolutePath()) && out.open(QIODevice::WriteOnly) &&
        out.write(QByteArray("[General]\n") + kKey + (on ? "=true\n" : "=false\n")) > 0 &&
        out.commit();
    if (!written && !toldUnwritable_) {
        toldUnwritable_ = true;
        std::fprintf(stderr,
                     "vantrello: cannot write %s; the sound choice holds until the game closes\n",
                     qPrintable(file_));
    }
}

} // namespace ui
