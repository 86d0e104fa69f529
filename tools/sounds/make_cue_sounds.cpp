// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Build-time tool: writes the game's two sound cues, click.wav and win.wav, into a directory.
//
//   vantrello_make_cue_sounds DIRECTORY
//
// The directory must exist. Any problem ends the tool with a message and a non-zero exit code,
// so the build stops: 2 for a wrong number of arguments, 1 for anything else (an unknown option,
// a missing directory, a file that cannot be written).
#include "assets/sounds/cue_synthesis.h"
#include "assets/sounds/wav_writer.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vantrello_make_cue_sounds"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Synthesises the game's sound cues click.wav and win.wav (16-bit mono "
                       "WAV, %1 Hz) into DIRECTORY.")
            .arg(assets::kCueSampleRate));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("DIRECTORY"),
                                 QStringLiteral("The existing directory to write the cues to."));
    // process() prints the help and exits for --help, and reports unknown options.
    parser.process(app);

    const QStringList arguments = parser.positionalArguments();
    if (arguments.size() != 1) {
        std::fprintf(stderr, "%s: expected exactly one DIRECTORY, got %d\n\n%s",
                     qPrintable(QCoreApplication::applicationName()),
                     static_cast<int>(arguments.size()), qPrintable(parser.helpText()));
        return 2;
    }
    const QString directory = arguments.front();
    if (!QDir(directory).exists()) {
        std::fprintf(stderr, "%s: %s is not a directory\n",
                     qPrintable(QCoreApplication::applicationName()), qPrintable(directory));
        return 1;
    }

    struct Cue {
        const char* name;
        std::vector<float> samples;
    };
    const Cue cues[] = {{"click.wav", assets::synthesizeClickCue()},
                        {"win.wav", assets::synthesizeWinCue()}};
    for (const Cue& cue : cues) {
        // The file name in the system's own encoding, as the directory was given.
        const std::string path =
            QFile::encodeName(QDir(directory).filePath(QString::fromLatin1(cue.name)))
                .toStdString();
        if (!assets::writeWav16(path, cue.samples, assets::kCueSampleRate)) {
            std::fprintf(stderr, "%s: cannot write %s\n",
                         qPrintable(QCoreApplication::applicationName()), path.c_str());
            return 1;
        }
    }
    return 0;
}
