// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/sound/canberra_session.h"

#include <canberra.h>
#include <cstdint>
#include <dlfcn.h>

// libcanberra's variable property lists end with a null pointer, written as the literal nullptr
// at each call.

namespace ui {
namespace {

// Every cue is played under the same id, so that stopping "the cue" stops
// whichever one plays.
constexpr std::uint32_t kCueId = 1;

// libcanberra is loaded when the first cue is played, not when the program starts: the sound
// library and the codecs it brings along cost start-up time and memory, and a game that is
// never played needs none of them. The functions the session uses, looked up once.
struct Canberra {
    int (*create)(ca_context**) = nullptr;
    int (*setDriver)(ca_context*, const char*) = nullptr;
    int (*changeProps)(ca_context*, ...) = nullptr;
    int (*open)(ca_context*) = nullptr;
    int (*play)(ca_context*, std::uint32_t, ...) = nullptr;
    int (*cancel)(ca_context*, std::uint32_t) = nullptr;
    int (*destroy)(ca_context*) = nullptr;
};

template <typename Function> bool find(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

// The library, or nullptr where it is missing (then no cue is heard, as with no sound server).
// Called on the sound worker only.
const Canberra* canberra() {
    static const Canberra* const loaded = []() -> const Canberra* {
        // The library's name as Debian's libcanberra0 installs it.
        void* library = dlopen("libcanberra.so.0", RTLD_NOW | RTLD_LOCAL);
        if (library == nullptr) {
            return nullptr;
        }
        static Canberra functions;
        if (!find(library, "ca_context_create", functions.create) ||
            !find(library, "ca_context_set_driver", functions.setDriver) ||
            !find(library, "ca_context_change_props", functions.changeProps) ||
            !find(library, "ca_context_open", functions.open) ||
            !find(library, "ca_context_play", functions.play) ||
            !find(library, "ca_context_cancel", functions.cancel) ||
            !find(library, "ca_context_destroy", functions.destroy)) {
            dlclose(library);
            return nullptr;
        }
        return &functions; // the library stays loaded for the rest of the run
    }();
    return loaded;
}

} // namespace

CanberraSession::~CanberraSession() {
    close();
}

void CanberraSession::stopCue() {
    if (context_ != nullptr) {
        canberra()->cancel(context_, kCueId);
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
    const Canberra* library = canberra();
    if (library == nullptr) {
        return false;
    }
    ca_context* context = nullptr;
    if (library->create(&context) != CA_SUCCESS) {
        return false;
    }
    // Only the PulseAudio driver (also served by PipeWire) stops a cue
    // cleanly; the ALSA one prints library errors where there is no card.
    if (library->setDriver(context, "pulse") != CA_SUCCESS ||
        library->changeProps(context, CA_PROP_APPLICATION_NAME, "Vantrello", CA_PROP_APPLICATION_ID,
                             "vantrello", nullptr) != CA_SUCCESS ||
        library->open(context) != CA_SUCCESS) {
        library->destroy(context);
        return false;
    }
    context_ = context;
    return true;
}

void CanberraSession::close() {
    if (context_ != nullptr) {
        canberra()->destroy(context_);
        context_ = nullptr;
    }
}

int CanberraSession::play(const std::string& path) {
    return canberra()->play(context_, kCueId, CA_PROP_MEDIA_FILENAME, path.c_str(),
                            CA_PROP_MEDIA_ROLE, "game", CA_PROP_CANBERRA_CACHE_CONTROL, "never",
                            nullptr);
}

} // namespace ui
