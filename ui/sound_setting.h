// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Whether the sound cues play: the one choice the game remembers across runs. It is read at start
// from the per-user configuration file and written only when the player changes it, so a session
// that leaves it alone writes nothing anywhere.
#pragma once

#include "game/services.h"

#include <QString>

namespace ui {

class SoundSetting {
  public:
    // The choice kept in `file`. Sound is on where the file is missing, unreadable or corrupt;
    // the last two say so in one line on stderr, and the file is left as it is.
    explicit SoundSetting(QString file);
    // QSettings' own per-user file for the game: vantrello/vantrello.conf in XDG_CONFIG_HOME
    // (~/.config by default).
    static QString standardFile();

    bool on() const { return on_; }
    // The player's change: kept for the session whatever happens, and written to the file whole,
    // replacing it at once (a damaged file included); a write that fails says so on stderr,
    // once a session, and leaves the file as it was.
    void set(bool on);

  private:
    QString file_;
    bool on_ = true;
    bool toldUnwritable_ = false;
};

// The cue player the rules are given: it hands each cue on while the sound is on, and starts
// none while it is off. The pauses do not change.
class SwitchedCues final : public game::CuePlayer {
  public:
    SwitchedCues(game::CuePlayer& inner, const SoundSetting& setting)
        : inner_(inner), setting_(setting) {}
    void play(const std::string& path) override {
        if (setting_.on()) {
            inner_.play(path);
        }
    }

  private:
    game::CuePlayer& inner_;
    const SoundSetting& setting_;
};

} // namespace ui
