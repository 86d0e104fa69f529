// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Hands cue paths from the user-interface thread to the sound worker. The box
// holds one path: a newer cue replaces one the worker has not picked up yet, so
// a backlog never builds up behind a slow sound server.
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>

namespace ui {

class CueMailbox {
  public:
    // Leaves a path for the worker, replacing one it has not taken yet. Ignored
    // once the box is closed. Never waits for the worker.
    void post(std::string path);

    // Waits for the next path; returns nothing once the box is closed.
    std::optional<std::string> take();

    // Wakes the worker for good; a path not yet taken is dropped.
    void close();

    // Called by the worker as its very last step, after it let go of everything.
    void markWorkerFinished();

    // Waits at most `limit` for markWorkerFinished; true if it came.
    bool waitWorkerFinished(std::chrono::milliseconds limit);

  private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::optional<std::string> pending_;
    bool closed_ = false;
    bool workerFinished_ = false;
};

} // namespace ui
