// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Helpers for the tests that drive a real sound server: the cue files, good and broken; the
// servers (the run's own, one without output, one that hangs); a recording of what a sink plays;
// and sox's measure of a sound. Programs run through QProcess, so the binaries that use these
// start a QCoreApplication (sound_test_main.cpp).
#pragma once

#include "assets/sounds/cue_synthesis.h"
#include "assets/sounds/wav_writer.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

#include <chrono>
#include <cmath>
#include <functional>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <thread>

namespace sound_test {

using Clock = std::chrono::steady_clock;

// The longest a play() may hold the calling thread. It only posts to a mailbox (well under a
// millisecond); the margin absorbs a busy machine's scheduling, while a play() that waited on
// the sound library would take far longer.
inline constexpr double kPlayLimitMs = 20.0;

inline double millisecondsFrom(Clock::time_point from, Clock::time_point to = Clock::now()) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// Checks `condition` every 10 ms until it holds or `limit` has passed; true if it held.
inline bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
    const Clock::time_point deadline = Clock::now() + limit;
    while (!condition()) {
        if (Clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

// Runs a program to its end and returns what it printed; `ok` tells whether it exited with 0.
inline std::string run(const QString& program, const QStringList& arguments, bool* ok = nullptr,
                       QProcess::ProcessChannelMode channels = QProcess::SeparateChannels) {
    QProcess process;
    process.setProcessChannelMode(channels);
    process.start(program, arguments);
    const bool finished = process.waitForFinished(-1);
    if (ok != nullptr) {
        *ok = finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    }
    return process.readAllStandardOutput().toStdString();
}

// What a file holds; nothing when it cannot be read.
inline std::string contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

// The default sink of the server in PULSE_SERVER (as scripts/with-audio.sh sets it up); nothing
// when the variable is unset (pactl would reach the desktop's own server) or the server does not
// answer.
inline std::optional<std::string> testServerSink() {
    bool ok = false;
    const QString sink = qEnvironmentVariableIsSet("PULSE_SERVER")
                             ? QString::fromStdString(run("pactl", {"get-default-sink"}, &ok))
                             : QString();
    return ok && !sink.trimmed().isEmpty() ? std::optional(sink.trimmed().toStdString())
                                           : std::nullopt;
}

// How many streams that server is playing.
inline int playingStreams() {
    return QString::fromStdString(run("pactl", {"list", "short", "sink-inputs"})).count('\n');
}

// click.wav and win.wav as the build makes them, written into an existing directory.
struct CueFiles {
    std::string click;
    std::string win;
};
inline CueFiles writeCueFiles(const QString& directory) {
    const CueFiles files{(directory + "/click.wav").toStdString(),
                         (directory + "/win.wav").toStdString()};
    if (!assets::writeWav16(files.click, assets::synthesizeClickCue(), assets::kCueSampleRate) ||
        !assets::writeWav16(files.win, assets::synthesizeWinCue(), assets::kCueSampleRate)) {
        throw std::runtime_error("cannot write the cue files into " + directory.toStdString());
    }
    return files;
}

// The ways a cue file can be broken.
enum class BrokenCue {
    Missing,       // no such file
    Directory,     // a directory with the cue's name
    Fifo,          // a named pipe nobody writes to
    Empty,         // zero bytes
    Truncated,     // valid header, the samples cut off early
    CorruptHeader, // the samples behind a header of garbage
    Huge,          // a valid header in front of 100 MB of (sparse) samples
};
inline constexpr const char* kBrokenCueNames[] = {"Missing",   "Directory",     "Fifo", "Empty",
                                                  "Truncated", "CorruptHeader", "Huge"};
// Lets test reports name the kind.
inline void PrintTo(BrokenCue kind, std::ostream* out) {
    *out << kBrokenCueNames[static_cast<int>(kind)];
}

// Makes a broken "click.wav" in an existing directory and returns its path.
inline std::string makeBrokenCue(const QString& directory, BrokenCue kind) {
    const QString path = directory + "/click.wav";
    const std::vector<std::uint8_t> click =
        assets::encodeWav16(assets::synthesizeClickCue(), assets::kCueSampleRate);
    QByteArray bytes(reinterpret_cast<const char*>(click.data()),
                     static_cast<qsizetype>(click.size()));
    constexpr quint32 kHugeBytes = 100u * 1024u * 1024u;
    if (kind == BrokenCue::Empty) {
        bytes.clear();
    } else if (kind == BrokenCue::Truncated) {
        bytes.resize(44 + (bytes.size() - 44) / 3);
    } else if (kind == BrokenCue::CorruptHeader) {
        for (int i = 0; i < 44; ++i) {
            bytes[i] = static_cast<char>(0xA5u ^ (i * 37u));
        }
    } else if (kind == BrokenCue::Huge) { // the lengths of the whole and of the samples
        qToLittleEndian<quint32>(kHugeBytes - 8, bytes.data() + 4);
        qToLittleEndian<quint32>(kHugeBytes - 44, bytes.data() + 40);
    }
    QFile file(path);
    const bool made =
        kind == BrokenCue::Missing ||
        (kind == BrokenCue::Directory && QDir(directory).mkdir(QStringLiteral("click.wav"))) ||
        (kind == BrokenCue::Fifo && ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0) ||
        (kind >= BrokenCue::Empty && file.open(QIODevice::WriteOnly) &&
         file.write(bytes) == bytes.size() &&
         // Extending the file leaves a hole: no 100 MB are written to disk.
         (kind != BrokenCue::Huge || file.resize(kHugeBytes)));
    if (!made) {
        throw std::runtime_error("cannot make " + path.toStdString());
    }
    return path.toStdString();
}

struct SoundMeasurement {
    double totalSeconds = 0;
    double leadingSilenceSeconds = 0; // before the first audible sound
    double audibleSeconds = 0;        // from the first to the last audible sound
    double gapSeconds = 0;            // silence inside the audible part, beyond 20 ms a gap
    double peak = 0;                  // largest magnitude, full scale 1
};

// Measures a sound file with sox, given the format of a raw one. Audible means above 1 % of full
// scale for at least 5 ms.
inline SoundMeasurement measureSound(const QString& file, const QStringList& rawFormat = {}) {
    SoundMeasurement measured;
    if (QFileInfo(file).size() == 0) {
        return measured;
    }
    // What sox's stat reports after each of these effects: nothing; trimming the silence before
    // the first sound; trimming it at both ends, reversing around the trim; and then also
    // squeezing every silence longer than 20 ms inside the sound down to 20 ms.
    const QString trim = QStringLiteral("silence 1 0.005 1%");
    const QString effects[] = {QString(), trim, trim + " reverse " + trim + " reverse",
                               "silence 1 0.005 1% -1 0.02 1% reverse " + trim + " reverse"};
    double lengths[4] = {};
    for (int i = 0; i < 4; ++i) {
        QStringList arguments = rawFormat;
        arguments << file << "-n" << effects[i].split(' ', Qt::SkipEmptyParts) << "stat";
        bool ok = false;
        const std::string report = run("sox", arguments, &ok, QProcess::MergedChannels);
        const auto value = [&](const std::string& label) {
            const std::size_t at = report.find(label);
            if (!ok || at == std::string::npos) {
                throw std::runtime_error("sox printed no '" + label + "':\n" + report);
            }
            return std::stod(report.substr(report.find(':', at) + 1));
        };
        lengths[i] = value("Length (seconds)");
        if (i == 0) {
            measured.peak = std::max(value("Maximum amplitude"), -value("Minimum amplitude"));
        }
    }
    measured.totalSeconds = lengths[0];
    measured.leadingSilenceSeconds = lengths[0] - lengths[1];
    measured.audibleSeconds = lengths[2];
    measured.gapSeconds = lengths[2] - lengths[3];
    return measured;
}

// Records `seconds` of what a sink plays from its monitor, with parec, into a file: mono 16-bit
// samples at kRate. head cuts the recording to its length, as stopping parec would throw away
// what it still buffers. It records by itself, so the test's thread may block meanwhile.
class MonitorRecording {
  public:
    static constexpr int kRate = 44100;

    MonitorRecording(const std::string& sink, double seconds) {
        parec_.setStandardOutputProcess(&head_);
        parec_.setStandardErrorFile(directory_.filePath("parec.log"));
        head_.setStandardOutputFile(directory_.filePath("sound.raw"));
        head_.start("head", {"-c", QString::number(2 * std::lround(seconds * kRate))});
        parec_.start("parec", {"--device=" + QString::fromStdString(sink) + ".monitor",
                               "--format=s16le", "--rate=" + QString::number(kRate), "--channels=1",
                               "--latency-msec=10", "--raw"});
    }
    ~MonitorRecording() {
        parec_.kill();
        parec_.waitForFinished();
        head_.waitForFinished();
    }

    // When the first recorded sound was seen, no earlier than it arrived; nothing if none came
    // within `limit`.
    std::optional<Clock::time_point> waitUntilRecording(std::chrono::milliseconds limit) {
        const QString recorded = directory_.filePath("sound.raw");
        return waitUntil([&] { return QFileInfo(recorded).size() > 0; }, limit)
                   ? std::optional(Clock::now())
                   : std::nullopt;
    }
    // What parec wrote on its standard error.
    std::string messages() const { return contents(directory_.filePath("parec.log")); }
    // Waits for the whole length and measures it.
    SoundMeasurement finish() {
        head_.waitForFinished(-1);
        return measureSound(
            directory_.filePath("sound.raw"),
            {"-t", "raw", "-r", QString::number(kRate), "-e", "signed", "-b", "16", "-c", "1"});
    }

  private:
    QTemporaryDir directory_;
    QProcess parec_;
    QProcess head_;
};

// A PulseAudio daemon of its own whose only module is the client socket: clients connect, but
// there is no sink to play on.
class OutputlessSoundServer {
  public:
    OutputlessSoundServer() {
        const QString runtime = directory_.filePath("runtime");
        QDir().mkdir(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        // The daemon sees its own directories, no display and no session bus: on a bus (the
        // desktop's, or one libdbus autolaunches on the display) it would claim the per-user
        // names org.PulseAudio1 and org.pulseaudio.Server, and exit at once if another daemon
        // holds them.
        QProcessEnvironment environment;
        environment.insert("PATH", qEnvironmentVariable("PATH", "/usr/bin:/bin"));
        environment.insert("HOME", directory_.path());
        environment.insert("XDG_RUNTIME_DIR", runtime);
        environment.insert("XDG_CONFIG_HOME", directory_.path());
        environment.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + directory_.filePath("none"));
        daemon_.setProcessEnvironment(environment);
        daemon_.setStandardOutputFile(QProcess::nullDevice());
        daemon_.setStandardErrorFile(directory_.filePath("pulseaudio.log"));
        const QString options = QStringLiteral(
            "-n --daemonize=no --system=false --exit-idle-time=-1 --use-pid-file=false "
            "--realtime=false --high-priority=false --no-cpu-limit=true --disable-shm=true "
            "--log-target=stderr -L");
        const QString module =
            "module-native-protocol-unix auth-anonymous=1 socket=" + runtime + "/native";
        daemon_.start("pulseaudio", options.split(' ') << module);
        // It answers a client only once its start-up is complete.
        const auto ended = [this] {
            return daemon_.waitForFinished(0) || daemon_.state() == QProcess::NotRunning;
        };
        bool answered = false;
        const auto answers = [&] {
            run("pactl", {server(), "info"}, &answered);
            return answered;
        };
        waitUntil([&] { return ended() || answers(); }, std::chrono::seconds(30));
        if (!answered) {
            failure_ = (ended() ? "pulseaudio ended: " + daemon_.errorString().toStdString()
                                : "pulseaudio did not answer within 30 s") +
                       "; its log:\n" + contents(directory_.filePath("pulseaudio.log"));
        }
    }
    ~OutputlessSoundServer() {
        daemon_.terminate();
        daemon_.waitForFinished();
    }

    // Empty once the daemon answers clients; otherwise why it does not, with its own log.
    const std::string& failure() const { return failure_; }
    // The value for PULSE_SERVER.
    std::string address() const {
        return "unix:" + directory_.filePath("runtime/native").toStdString();
    }
    // Waits at most `limit` until the server has a client of that application name.
    bool waitForClient(const std::string& application, std::chrono::milliseconds limit) {
        const std::string named = "application.name = \"" + application + "\"";
        return waitUntil(
            [&] {
                return run("pactl", {server(), "list", "clients"}).find(named) != std::string::npos;
            },
            limit);
    }

  private:
    QString server() const { return "--server=" + QString::fromStdString(address()); }

    QTemporaryDir directory_;
    QProcess daemon_;
    std::string failure_;
};

// A socket that takes connections and never answers them: a sound server that hangs.
class UnresponsiveSoundServer {
  public:
    UnresponsiveSoundServer() { server_.listen(directory_.filePath("native")); }
    std::string address() const { return "unix:" + server_.fullServerName().toStdString(); }
    // Waits at most `limit` until a client connects (and is left hanging).
    bool waitForClient(std::chrono::milliseconds limit) {
        return server_.waitForNewConnection(static_cast<int>(limit.count()));
    }

  private:
    QTemporaryDir directory_;
    QLocalServer server_;
};

} // namespace sound_test
