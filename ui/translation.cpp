// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/translation.h"

#include "game/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QTranslator>

namespace ui {
namespace {

// Where the build puts the compiled translations, as vantrello_<language>.qm.
constexpr auto kDirectory = ":/i18n";
constexpr auto kPrefix = "vantrello_";
// The context every text of the design is translated in.
constexpr auto kContext = "Vantrello";

const QString kSource = QStringLiteral("ru");
const QString kFallback = QStringLiteral("en");

} // namespace

QString chosenTranslation(const QStringList& uiLanguages, const QStringList& translations) {
    for (const QString& tag : uiLanguages) {
        const QString language = tag.section(QLatin1Char('-'), 0, 0).toLower();
        if (language == kSource || tag == QLatin1String("C")) {
            return {};
        }
        if (translations.contains(language)) {
            return language;
        }
    }
    return translations.contains(kFallback) ? kFallback : QString();
}

QStringList compiledTranslations() {
    QStringList languages;
    const QStringList files =
        QDir(QString::fromLatin1(kDirectory))
            .entryList({QString::fromLatin1(kPrefix) + QStringLiteral("*.qm")});
    for (const QString& file : files) {
        languages << file.mid(qstrlen(kPrefix)).chopped(3);
    }
    return languages;
}

QString installTranslation(const QStringList& uiLanguages) {
    const QString language = chosenTranslation(uiLanguages, compiledTranslations());
    if (language.isEmpty()) {
        return {};
    }
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QString::fromLatin1(kPrefix) + language,
                          QString::fromLatin1(kDirectory)) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return {};
    }
    game::design::setTranslation([](std::string_view text) {
        return QCoreApplication::translate(kContext, std::string(text).c_str()).toStdString();
    });
    return language;
}

QString installTranslation() {
    return installTranslation(QLocale::system().uiLanguages());
}

} // namespace ui
