// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// vantrello-odds: the exact odds of each way to play the double-up round, checked by
// simulating it through the game's own rules and on the fast path.
#include "odds/chart.h"
#include "odds/command_line.h"
#include "odds/json_report.h"
#include "odds/report.h"
#include "odds/simulation.h"

#include <QGuiApplication>

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <thread>

namespace {

// A bar on stderr, drawn only on a terminal and only once a simulation has run a second.
class Progress {
  public:
    explicit Progress(const char* what) : what_(what), start_(Clock::now()) {}
    ~Progress() {
        if (shown_) {
            std::fprintf(stderr, "\r\033[K");
        }
    }
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;

    void operator()(double share) {
        if (!isatty(STDERR_FILENO) || Clock::now() - start_ < std::chrono::seconds(1)) {
            return;
        }
        shown_ = true;
        constexpr int kWidth = 40;
        const int filled = static_cast<int>(share * kWidth);
        std::fprintf(stderr, "\r%s [%.*s%*s] %3d %%", what_, filled,
                     "########################################", kWidth - filled, "",
                     static_cast<int>(share * 100));
    }

  private:
    using Clock = std::chrono::steady_clock;
    const char* what_;
    Clock::time_point start_;
    bool shown_ = false;
};

// Qt's notes while drawing (such as a missing runtime directory) are no concern of the chart;
// only its errors are shown.
void onlyErrors(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::cerr << "vantrello-odds: " << message.toStdString() << "\n";
    }
}

} // namespace

int main(int argc, char** argv) {
    // Qt reads the command line and draws the chart; drawing text needs a GUI application, but
    // never a display.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(onlyErrors);
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vantrello-odds"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VANTRELLO_VERSION));
    odds::Options options;
    try {
        options = odds::parseCommandLine(QCoreApplication::arguments());
    } catch (const std::exception& e) {
        std::cerr << "vantrello-odds: " << e.what() << "\n";
        return 2;
    }
    if (options.help) {
        std::cout << odds::usage();
        return 0;
    }
    if (options.version) {
        std::cout << "vantrello-odds " VANTRELLO_VERSION "\n";
        return 0;
    }

    try {
        odds::Report report;
        report.seed = options.seed;
        report.bestOf = options.bestOf;
        const unsigned threads = options.threads > 0
                                     ? options.threads
                                     : std::max(1U, std::thread::hardware_concurrency());
        // Only what the simulations can play is simulated; the rest is reported exactly.
        std::vector<odds::Strategy> simulated;
        for (const odds::Strategy& s : options.strategies) {
            if (odds::simulable(s)) {
                simulated.push_back(s);
            }
        }
        std::vector<odds::Tally> fast;
        std::vector<odds::Tally> rules;
        if (options.simulateFast) {
            Progress progress("fast path ");
            fast = odds::simulate(simulated, odds::Path::Fast, options.fastRounds, options.seed,
                                  threads, std::ref(progress));
            report.fastRounds = options.fastRounds;
        }
        if (options.simulateRules) {
            Progress progress("game rules");
            rules = odds::simulate(simulated, odds::Path::Rules, options.rulesRounds, options.seed,
                                   threads, std::ref(progress));
            report.rulesRounds = options.rulesRounds;
        }
        std::size_t next = 0;
        for (const odds::Strategy& s : options.strategies) {
            odds::StrategyResult r{s, odds::exactFigures(s), {}, {}};
            if (odds::simulable(s)) {
                if (!fast.empty()) {
                    r.fast = fast[next];
                }
                if (!rules.empty()) {
                    r.rules = rules[next];
                }
                ++next;
            }
            report.results.push_back(r);
        }
        if (options.json) {
            std::cout << odds::renderJson(report).toStdString();
        } else {
            std::cout << odds::renderText(report);
        }

        if (!options.chart.empty()) {
            if (const std::string error = odds::drawChart(report, options.chart); !error.empty()) {
                std::cerr << "vantrello-odds: " << error << "\n";
                return 1;
            }
        }
        return report.outside() == 0 ? 0 : 1;
    } catch (const std::exception& e) {
        std::cerr << "vantrello-odds: " << e.what() << "\n";
        return 1;
    }
}
