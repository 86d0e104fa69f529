// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/sound/cue_mailbox.h"

#include <utility>

namespace ui {

void CueMailbox::post(std::string path) {
    {
        std::lock_guard lock(mutex_);
        if (closed_) {
            return;
        }
        pending_ = std::move(path);
    }
    changed_.notify_all();
}

std::optional<std::string> CueMailbox::take() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return closed_ || pending_.has_value(); });
    if (closed_) {
        return std::nullopt;
    }
    std::optional<std::string> path = std::move(pending_);
    pending_.reset();
    return path;
}

void CueMailbox::close() {
    {
        std::lock_guard lock(mutex_);
        closed_ = true;
        pending_.reset();
    }
    changed_.notify_all();
}

void CueMailbox::markWorkerFinished() {
    {
        std::lock_guard lock(mutex_);
        workerFinished_ = true;
    }
    changed_.notify_all();
}

bool CueMailbox::waitWorkerFinished(std::chrono::milliseconds limit) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, limit, [this] { return workerFinished_; });
}

} // namespace ui
