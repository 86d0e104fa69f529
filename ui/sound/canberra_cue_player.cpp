// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/sound/canberra_cue_player.h"

#include "ui/sound/canberra_session.h"
#include "ui/sound/cue_mailbox.h"
#include "ui/sound/playable_sound_file.h"

#include <optional>
#include <system_error>
#include <utility>

namespace ui {
namespace {

void runCueWorker(std::shared_ptr<CueMailbox> mailbox) {
    {
        CanberraSession session;
        while (std::optional<std::string> path = mailbox->take()) {
            // A new cue stops the old one even when the new file cannot play.
            session.stopCue();
            if (isPlayableSoundFile(*path)) {
                session.startCue(*path);
            }
        }
    }
    mailbox->markWorkerFinished();
}

} // namespace

CanberraCuePlayer::CanberraCuePlayer() : mailbox_(std::make_shared<CueMailbox>()) {}

CanberraCuePlayer::~CanberraCuePlayer() {
    mailbox_->close();
    if (!worker_.joinable()) {
        return;
    }
    if (mailbox_->waitWorkerFinished(kShutdownWait)) {
        worker_.join();
    } else {
        worker_.detach();
    }
}

void CanberraCuePlayer::play(const std::string& path) {
    mailbox_->post(path);
    // The worker starts with the first cue, so that a game that has not yet made a sound has
    // spent nothing on it; starting a thread costs a fraction of a millisecond.
    if (!worker_.joinable() && !workerFailed_) {
        try {
            worker_ = std::thread(runCueWorker, mailbox_);
        } catch (const std::system_error&) {
            // No thread, no sound: cues are then dropped in the mailbox unheard.
            workerFailed_ = true;
        }
    }
}

} // namespace ui
