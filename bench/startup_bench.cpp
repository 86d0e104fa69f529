// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up benchmark: the game against a bare Qt window (bare_window.cpp), started alternately
// under one X display. Each start is timed from outside, from just before the program is spawned
// to the first drawing into its window, which the X server reports through the DAMAGE extension;
// its peak resident set size comes from the kernel when it exits, after it has shown its window
// for a while and been asked to close it as a window manager would. Prints the medians and the
// game's ratio to the bare window.
//
//   bench_startup [--runs N] [--warmup N] [--settle MS] [--scale F] [--verbose]
//                 [--game PATH] [--bare PATH]
//
// Needs DISPLAY (scripts/with-display.sh gives a private Xvfb). --scale F starts both programs
// with QT_SCALE_FACTOR=F. The programs default to vantrello and bare_window beside this one.
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <string_view>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
using Millis = std::chrono::duration<double, std::milli>;

constexpr auto kFrameTimeout = std::chrono::seconds(20);
constexpr auto kExitTimeout = std::chrono::seconds(10);

struct Options {
    int runs = 11;
    int warmup = 1;
    int settleMs = 500;
    std::string scale;
    bool verbose = false;
    std::string game;
    std::string bare;
};

struct Start {
    double frameMs = 0; // spawn to first drawing in the window
    double rssMiB = 0;  // peak resident set size
    double cpuMs = 0;   // user and system time of the whole run
    double exitMs = 0;  // close request to exit
};

[[noreturn]] void die(const std::string& message) {
    std::fprintf(stderr, "bench_startup: %s\n", message.c_str());
    std::exit(1);
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

class Display {
  public:
    Display() {
        connection_ = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(connection_) != 0) {
            die("cannot connect to the X display (is DISPLAY set?)");
        }
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        const xcb_query_extension_reply_t* damage =
            xcb_get_extension_data(connection_, &xcb_damage_id);
        if (damage == nullptr || damage->present == 0) {
            die("the X server has no DAMAGE extension");
        }
        damageNotify_ = damage->first_event + XCB_DAMAGE_NOTIFY;
        free(xcb_damage_query_version_reply(connection_,
                                            xcb_damage_query_version(connection_,
                                                                     XCB_DAMAGE_MAJOR_VERSION,
                                                                     XCB_DAMAGE_MINOR_VERSION),
                                            nullptr));
        // Every window created on the screen is announced to us.
        const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
        protocols_ = atom("WM_PROTOCOLS");
        deleteWindow_ = atom("WM_DELETE_WINDOW");
        xcb_flush(connection_);
    }
    ~Display() { xcb_disconnect(connection_); }
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;

    // Waits until a window created after this call is first drawn into, and returns it.
    std::optional<xcb_window_t> waitForFirstFrame(pid_t child, Clock::time_point deadline) {
        while (Clock::now() < deadline) {
            while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
                const std::uint8_t type = event->response_type & 0x7F;
                std::optional<xcb_window_t> drawn;
                if (type == XCB_CREATE_NOTIFY) {
                    // Watch it from now on; a window that is never drawn never reports.
                    const auto* created = reinterpret_cast<xcb_create_notify_event_t*>(event);
                    xcb_damage_create(connection_, xcb_generate_id(connection_), created->window,
                                      XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                    xcb_flush(connection_);
                } else if (type == damageNotify_) {
                    drawn = reinterpret_cast<xcb_damage_notify_event_t*>(event)->drawable;
                }
                free(event);
                if (drawn) {
                    return drawn;
                }
            }
            if (xcb_connection_has_error(connection_) != 0) {
                die("the X connection broke");
            }
            int status = 0;
            if (waitpid(child, &status, WNOHANG) == child) {
                die("the program exited before it drew its window");
            }
            pollfd fd{xcb_get_file_descriptor(connection_), POLLIN, 0};
            poll(&fd, 1, 5);
        }
        return std::nullopt;
    }

    // Asks the window to close, as the close box does.
    void close(xcb_window_t window) {
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = window;
        message.type = protocols_;
        message.data.data32[0] = deleteWindow_;
        message.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(connection_, 0, window, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char*>(&message));
        xcb_flush(connection_);
    }

    void discardEvents() {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
            free(event);
        }
    }

  private:
    xcb_atom_t atom(const char* name) {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            connection_,
            xcb_intern_atom(connection_, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
            nullptr);
        if (reply == nullptr) {
            die(std::string("cannot intern ") + name);
        }
        const xcb_atom_t result = reply->atom;
        free(reply);
        return result;
    }

    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = 0;
    std::uint8_t damageNotify_ = 0;
    xcb_atom_t protocols_ = 0;
    xcb_atom_t deleteWindow_ = 0;
};

pid_t spawn(const std::string& program, const std::vector<std::string>& environment) {
    std::vector<char*> envp;
    for (const std::string& entry : environment) {
        envp.push_back(const_cast<char*>(entry.c_str()));
    }
    envp.push_back(nullptr);
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // The programs' own chatter (sound server, platform warnings) stays out of the report; a
    // program that fails to show a window is best started by hand to see why.
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int error = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        die("cannot start " + program + ": " + std::strerror(error));
    }
    return pid;
}

Start measure(Display& display, const std::string& program,
              const std::vector<std::string>& environment, const Options& options) {
    display.discardEvents();
    const Clock::time_point spawned = Clock::now();
    const pid_t child = spawn(program, environment);
    const std::optional<xcb_window_t> window =
        display.waitForFirstFrame(child, spawned + kFrameTimeout);
    if (!window) {
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        die(program + " drew no window within " + std::to_string(kFrameTimeout.count()) + " s");
    }
    Start start;
    start.frameMs = Millis(Clock::now() - spawned).count();

    // Shown for a while, as a player sees it, then closed.
    std::this_thread::sleep_for(std::chrono::milliseconds(options.settleMs));
    const Clock::time_point closed = Clock::now();
    display.close(*window);
    rusage usage{};
    int status = 0;
    while (wait4(child, &status, WNOHANG, &usage) == 0) {
        if (Clock::now() - closed > kExitTimeout) {
            kill(child, SIGKILL);
            wait4(child, &status, 0, &usage);
            die(program + " did not exit after its window was closed");
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    start.exitMs = Millis(Clock::now() - closed).count();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        die(program + " did not exit cleanly after its window was closed");
    }
    start.rssMiB = static_cast<double>(usage.ru_maxrss) / 1024.0;
    start.cpuMs = (static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                   static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3);
    return start;
}

Options parse(int argc, char** argv) {
    Options options;
    const std::filesystem::path here = std::filesystem::canonical("/proc/self/exe").parent_path();
    options.game = (here / "vantrello").string();
    options.bare = (here / "bare_window").string();
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const auto value = [&]() -> std::string {
            if (i + 1 >= argc) {
                die(std::string(arg) + " needs a value");
            }
            return argv[++i];
        };
        if (arg == "--runs") {
            options.runs = std::stoi(value());
        } else if (arg == "--warmup") {
            options.warmup = std::stoi(value());
        } else if (arg == "--settle") {
            options.settleMs = std::stoi(value());
        } else if (arg == "--scale") {
            options.scale = value();
        } else if (arg == "--game") {
            options.game = value();
        } else if (arg == "--bare") {
            options.bare = value();
        } else if (arg == "--verbose") {
            options.verbose = true;
        } else if (arg == "--help" || arg == "-h") {
            std::puts("usage: bench_startup [--runs N] [--warmup N] [--settle MS] [--scale F] "
                      "[--verbose] [--game PATH] [--bare PATH]");
            std::exit(0);
        } else {
            die("unknown argument " + std::string(arg) + " (see --help)");
        }
    }
    if (options.runs < 1 || options.warmup < 0 || options.settleMs < 0) {
        die("--runs must be at least 1, --warmup and --settle not negative");
    }
    return options;
}

void report(const char* name, const std::vector<Start>& starts) {
    std::vector<double> frame;
    std::vector<double> rss;
    std::vector<double> cpu;
    std::vector<double> exit;
    for (const Start& s : starts) {
        frame.push_back(s.frameMs);
        rss.push_back(s.rssMiB);
        cpu.push_back(s.cpuMs);
        exit.push_back(s.exitMs);
    }
    std::printf("%-12s %8.1f %8.1f %8.1f %10.1f %8.1f %9.1f\n", name, median(frame),
                *std::min_element(frame.begin(), frame.end()),
                *std::max_element(frame.begin(), frame.end()), median(rss), median(cpu),
                median(exit));
}

} // namespace

int main(int argc, char** argv) {
    const Options options = parse(argc, argv);
    std::vector<std::string> environment;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        if (std::string_view(*entry).starts_with("QT_SCALE_FACTOR=")) {
            continue;
        }
        environment.emplace_back(*entry);
    }
    if (!options.scale.empty()) {
        environment.push_back("QT_SCALE_FACTOR=" + options.scale);
    }

    Display display;
    std::vector<Start> game;
    std::vector<Start> bare;
    for (int run = -options.warmup; run < options.runs; ++run) {
        // Alternately first, so that neither always follows the other.
        const bool gameFirst = run % 2 == 0;
        Start g;
        Start b;
        if (gameFirst) {
            g = measure(display, options.game, environment, options);
            b = measure(display, options.bare, environment, options);
        } else {
            b = measure(display, options.bare, environment, options);
            g = measure(display, options.game, environment, options);
        }
        if (options.verbose) {
            std::printf("run %3d%s  game %7.1f ms %6.1f MiB   bare %7.1f ms %6.1f MiB\n", run,
                        run < 0 ? " (warm-up)" : "", g.frameMs, g.rssMiB, b.frameMs, b.rssMiB);
        }
        if (run >= 0) {
            game.push_back(g);
            bare.push_back(b);
        }
    }

    std::printf("%d starts each%s, medians; first frame from spawn, peak RSS, CPU time of "
                "the run, exit after the close request\n",
                options.runs,
                options.scale.empty() ? "" : (", QT_SCALE_FACTOR=" + options.scale).c_str());
    std::printf("%-12s %8s %8s %8s %10s %8s %9s\n", "", "frame ms", "min", "max", "RSS MiB",
                "CPU ms", "exit ms");
    report("bare window", bare);
    report("game", game);
    std::vector<double> frameG;
    std::vector<double> frameB;
    std::vector<double> rssG;
    std::vector<double> rssB;
    for (std::size_t i = 0; i < game.size(); ++i) {
        frameG.push_back(game[i].frameMs);
        frameB.push_back(bare[i].frameMs);
        rssG.push_back(game[i].rssMiB);
        rssB.push_back(bare[i].rssMiB);
    }
    std::printf("game / bare window: first frame %.2fx, peak RSS %+.1f MiB\n",
                median(frameG) / median(frameB), median(rssG) - median(rssB));
    return 0;
}
