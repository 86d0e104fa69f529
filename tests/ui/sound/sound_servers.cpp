// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/ui/sound/sound_servers.h"

#include "tests/ui/sound/command_output.h"
#include "tests/ui/sound/cue_timing.h"

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <poll.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace sound_test {
namespace {

sockaddr_un socketAddress(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof(address.sun_path)) {
        throw std::runtime_error("socket path too long: " + path);
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return address;
}

} // namespace

std::optional<std::string> testServerSink() {
    if (std::getenv("PULSE_SERVER") == nullptr) {
        return std::nullopt;
    }
    CommandResult result = runCommand("pactl get-default-sink 2>/dev/null");
    while (!result.output.empty() &&
           (result.output.back() == '\n' || result.output.back() == ' ')) {
        result.output.pop_back();
    }
    if (result.exitCode != 0 || result.output.empty()) {
        return std::nullopt;
    }
    return result.output;
}

int playingStreams() {
    const std::string listed = runCommand("pactl list short sink-inputs 2>/dev/null").output;
    return static_cast<int>(std::count(listed.begin(), listed.end(), '\n'));
}

OutputlessSoundServer::OutputlessSoundServer() {
    const std::filesystem::path runtime = directory_.path() / "runtime";
    std::filesystem::create_directory(runtime);
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
    socket_ = (runtime / "native").string();
    const std::string log = (directory_.path() / "pulseaudio.log").string();

    std::vector<std::string> arguments = {"pulseaudio",
                                          "-n",
                                          "--daemonize=no",
                                          "--system=false",
                                          "--exit-idle-time=-1",
                                          "--use-pid-file=false",
                                          "--realtime=false",
                                          "--high-priority=false",
                                          "--no-cpu-limit=true",
                                          "--disable-shm=true",
                                          "--log-target=stderr",
                                          "-L",
                                          "module-native-protocol-unix auth-anonymous=1 socket=" +
                                              socket_};
    // The daemon sees its own directories, no display and no session bus: on a bus (the
    // desktop's, or one libdbus autolaunches on the display) it would claim the per-user names
    // org.PulseAudio1 and org.pulseaudio.Server, and exit at once if another daemon holds them.
    const char* path = std::getenv("PATH");
    std::vector<std::string> environment = {
        "PATH=" + std::string(path != nullptr ? path : "/usr/bin:/bin"),
        "HOME=" + directory_.path().string(), "XDG_RUNTIME_DIR=" + runtime.string(),
        "XDG_CONFIG_HOME=" + directory_.path().string(),
        "DBUS_SESSION_BUS_ADDRESS=unix:path=" + (directory_.path() / "no-bus").string()};
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (std::string& variable : environment) {
        envp.push_back(variable.data());
    }
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, log.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int spawned =
        ::posix_spawnp(&pid_, "pulseaudio", &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        pid_ = -1;
        failure_ = "cannot start pulseaudio: " + std::string(std::strerror(spawned));
        return;
    }

    // It answers a client only once its start-up is complete.
    const std::string answers = "pactl --server=" + shellQuote(address()) + " info >/dev/null 2>&1";
    int status = 0;
    const bool answered = waitUntil(
        [&] {
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
            }
            return pid_ < 0 || runCommand(answers).exitCode == 0;
        },
        std::chrono::seconds(30));
    if (answered && pid_ > 0) {
        return;
    }
    failure_ = pid_ > 0 ? "pulseaudio did not answer within 30 s"
               : WIFEXITED(status)
                   ? "pulseaudio exited with status " + std::to_string(WEXITSTATUS(status))
                   : "pulseaudio was killed by signal " + std::to_string(WTERMSIG(status));
    std::ifstream written(log);
    failure_ += "; its log:\n" + std::string(std::istreambuf_iterator<char>(written), {});
}

bool OutputlessSoundServer::waitForClient(const std::string& application,
                                          std::chrono::milliseconds limit) const {
    const std::string clients =
        "pactl --server=" + shellQuote(address()) + " list clients 2>/dev/null";
    const std::string named = "application.name = \"" + application + "\"";
    return waitUntil([&] { return runCommand(clients).output.find(named) != std::string::npos; },
                     limit);
}

OutputlessSoundServer::~OutputlessSoundServer() {
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
        int status = 0;
        ::waitpid(pid_, &status, 0);
    }
}

UnresponsiveSoundServer::UnresponsiveSoundServer()
    : socket_((directory_.path() / "native").string()), fd_(::socket(AF_UNIX, SOCK_STREAM, 0)) {
    const sockaddr_un address = socketAddress(socket_);
    if (fd_ < 0 || ::bind(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0 ||
        ::listen(fd_, 16) != 0) {
        throw std::runtime_error("cannot listen on " + socket_);
    }
}

bool UnresponsiveSoundServer::waitForClient(std::chrono::milliseconds limit) const {
    pollfd queued{fd_, POLLIN, 0};
    return ::poll(&queued, 1, static_cast<int>(limit.count())) == 1;
}

UnresponsiveSoundServer::~UnresponsiveSoundServer() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

} // namespace sound_test
