// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/ui/sound/sound_servers.h"

#include "tests/ui/sound/command_output.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <stdexcept>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

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

bool acceptsConnections(const std::string& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0) {
        return false;
    }
    const sockaddr_un address = socketAddress(path);
    const bool connected =
        ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
    ::close(fd);
    return connected;
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

OutputlessSoundServer::OutputlessSoundServer() {
    const std::filesystem::path runtime = directory_.path() / "runtime";
    std::filesystem::create_directory(runtime);
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
    socket_ = (runtime / "native").string();

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
    std::vector<std::string> environment = {"HOME=" + directory_.path().string(),
                                            "XDG_RUNTIME_DIR=" + runtime.string(),
                                            "XDG_CONFIG_HOME=" + directory_.path().string()};
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string variable = *entry;
        if (variable.rfind("HOME=", 0) != 0 && variable.rfind("XDG_RUNTIME_DIR=", 0) != 0 &&
            variable.rfind("XDG_CONFIG_HOME=", 0) != 0) {
            environment.push_back(variable);
        }
    }
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
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const int spawned =
        ::posix_spawnp(&pid_, "pulseaudio", &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        pid_ = -1;
        return;
    }

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < deadline) {
        if (acceptsConnections(socket_)) {
            ready_ = true;
            return;
        }
        int status = 0;
        if (::waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
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

UnresponsiveSoundServer::~UnresponsiveSoundServer() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

} // namespace sound_test
