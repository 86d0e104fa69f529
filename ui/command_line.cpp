// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/command_line.h"

#include <QCommandLineParser>

namespace ui {
namespace {

// Qt's own options, which QApplication takes out of the arguments when it starts. They are
// known here only so that they are not refused; they are not shown in the help.
const char* const kQtOptionsWithValue[] = {"platform",      "platformpluginpath",
                                           "platformtheme", "plugin",
                                           "qmljsdebugger", "qwindowgeometry",
                                           "qwindowicon",   "qwindowtitle",
                                           "session",       "display",
                                           "geometry",      "style",
                                           "stylesheet",    "name",
                                           "title",         "visual"};
const char* const kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

QString usageHint(const QString& program) {
    return QStringLiteral("Try '%1 --help' for more information.").arg(program);
}

} // namespace

CommandLine readCommandLine(const QStringList& arguments, const QString& version) {
    QCommandLineParser parser;
    // Qt's options are written with one dash: -platform wayland.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral(
        "Vantrello, the double-up round of a slot machine as a card game: press Play to put up "
        "a win, then pick one of four face-down cards against the dealer's card. A higher card "
        "doubles the win, a lower one loses it; Collect adds it to your credit.\n"
        "Qt's own options, such as -platform wayland, are accepted as well."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption showVersion({QStringLiteral("v"), QStringLiteral("version")},
                                         QStringLiteral("Show the version and exit."));
    parser.addOption(help);
    parser.addOption(showVersion);
    for (const char* name : kQtOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kQtFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    const QString program = QStringLiteral("vantrello");
    if (!parser.parse(arguments)) {
        return {
            CommandLine::Action::Fail,
            QStringLiteral("%1: %2\n%3\n").arg(program, parser.errorText(), usageHint(program))};
    }
    if (parser.isSet(help)) {
        QString text = parser.helpText();
        // The usage line names the program as it is called, not by the path it was started from.
        const qsizetype usage = text.indexOf(QStringLiteral("Usage: "));
        const qsizetype options = text.indexOf(QStringLiteral(" [options]"));
        if (usage >= 0 && options > usage) {
            text.replace(usage + 7, options - usage - 7, program);
        }
        return {CommandLine::Action::Print, text};
    }
    if (parser.isSet(showVersion)) {
        return {CommandLine::Action::Print, QStringLiteral("%1 %2\n").arg(program, version)};
    }
    if (!parser.positionalArguments().isEmpty()) {
        return {CommandLine::Action::Fail,
                QStringLiteral("%1: takes no arguments, but was given '%2'\n%3\n")
                    .arg(program, parser.positionalArguments().constFirst(), usageHint(program))};
    }
    return {};
}

} // namespace ui
