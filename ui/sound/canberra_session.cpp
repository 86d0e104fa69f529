// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/sound/canberra_session.h"

#include <canberra.h>
#include <cstdint>

// libcanberra's variable property lists end with a null pointer. It is written as the literal
// nullptr at each call: the functions are declared with __attribute__((sentinel)), and clang
// accepts only a null pointer constant there, not a named constant that holds null.

namespace ui {
namespace {

// Every cue is played under the same id, so that stopping "the cue" stops
// whichever one plays.
constexpr std::uint32_t kCueId = 1;

} // namespace

CanberraSession::~CanberraSession() {
    close();
}

void CanberraSession::stopCue() {
    if (context_ != nullptr) {
        ca_context_cancel(context_, kCueId);
    }
}

void CanberraSession::startCue(const std::string& path) {
    if (!open()) {
        return;
    }
    const int result = play(path);
    if (result == CA_ERROR_STATE || result == CA_ERROR_DISCONNECTED) {
        // The server went away since the connection was made: connect anew
        // once, so that a restarted server plays this cue already.
        close();
        if (open()) {
            play(path);
        }
    }
}

bool CanberraSession::open() {
    if (context_ != nullptr) {
        return true;
    }
    ca_context* context = nullptr;
    if (ca_context_create(&context) != CA_SUCCESS) {
        return false;
    }
    // Only the PulseAudio driver (also served by PipeWire) stops a cue
    // cleanly; the ALSA one prints library errors where there is no card.
    if (ca_context_set_driver(context, "pulse") != CA_SUCCESS ||
        ca_context_change_props(context, CA_PROP_APPLICATION_NAME, "Vantrello",
                                CA_PROP_APPLICATION_ID, "vantrello", nullptr) != CA_SUCCESS ||
        ca_context_open(context) != CA_SUCCESS) {
        ca_context_destroy(context);
        return false;
    }
    context_ = context;
    return true;
}

void CanberraSession::close() {
    if (context_ != nullptr) {
        ca_context_destroy(context_);
        context_ = nullptr;
    }
}

int CanberraSession::play(const std::string& path) {
    return ca_context_play(context_, kCueId, CA_PROP_MEDIA_FILENAME, path.c_str(),
                           CA_PROP_MEDIA_ROLE, "game", CA_PROP_CANBERRA_CACHE_CONTROL, "never",
                           nullptr);
}

} // namespace ui
