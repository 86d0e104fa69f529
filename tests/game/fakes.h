// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Scripted stand-ins for the platform, so rule tests are exact and instant: the
// random numbers are given, the pause only records, and the event pump runs
// handler calls queued by the test, as the window would run clicks made meanwhile.
#pragma once

#include "game/double_up.h"
#include "game/memory_controls.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace game::testing {

using Log = std::vector<std::string>;

class ScriptedRandom : public RandomSource {
  public:
    std::deque<float> numbers;
    int reseeds = 0;
    int draws = 0;
    std::vector<double> seeds;

    void reseed(double clockSeconds) override {
        ++reseeds;
        seeds.push_back(clockSeconds);
    }
    float next() override {
        ++draws;
        if (numbers.empty()) {
            ADD_FAILURE() << "the rules drew more numbers than the test scripted";
            return 0;
        }
        const float r = numbers.front();
        numbers.pop_front();
        return r;
    }
    void add(std::initializer_list<float> more) { numbers.insert(numbers.end(), more); }
};

struct FixedClock : Clock {
    double seconds = 43200.25;
    double secondsSinceMidnight() const override { return seconds; }
};

struct RecordingCues : CuePlayer {
    Log& log;
    explicit RecordingCues(Log& l) : log(l) {}
    void play(const std::string& path) override { log.push_back("cue " + path); }
};

// Runs the calls queued for each pass when pumped, like clicks waiting in the
// window's queue. Passes are counted across nesting, from 1.
struct QueuedPump : EventPump {
    Log& log;
    int passes = 0;
    std::map<int, std::vector<std::function<void()>>> waiting;
    explicit QueuedPump(Log& l) : log(l) {}
    void at(int pass, std::function<void()> call) { waiting[pass].push_back(std::move(call)); }
    void pumpEvents() override {
        log.push_back("pump");
        auto found = waiting.find(++passes);
        if (found == waiting.end()) {
            return;
        }
        auto calls = std::move(found->second);
        waiting.erase(found);
        for (auto& call : calls) {
            call();
        }
    }
};

struct RecordingPauser : Pauser {
    Log& log;
    // What the player does while the pause holds the game, such as clicking meanwhile.
    std::function<void(std::uint32_t)> meanwhile;
    explicit RecordingPauser(Log& l) : log(l) {}
    void pause(std::uint32_t ms) override {
        log.push_back("pause " + std::to_string(ms));
        if (meanwhile) {
            meanwhile(ms);
        }
    }
};

// Forwards to a table record and logs visibility changes, so tests see their order.
struct LoggedBack : ImageControl {
    ImageControl* inner = nullptr;
    Log* log = nullptr;
    std::string name;
    Picture picture() const override { return inner->picture(); }
    void setPicture(Picture p) override { inner->setPicture(p); }
    void setVisible(bool visible) override {
        log->push_back(name + (visible ? " shown" : " hidden"));
        inner->setVisible(visible);
    }
    float left() const override { return inner->left(); }
    void setLeft(float twips) override { inner->setLeft(twips); }
};

inline constexpr const char* kProgramDir = "/opt/vantrello";

// Uniform numbers that draw the given rank code (2..14) and suit code (1..4).
inline float rankDraw(int rank) {
    return (static_cast<float>(rank - 2) + 0.5f) / 13.0f;
}
inline float suitDraw(int suit) {
    return (static_cast<float>(suit - 1) + 0.5f) / 4.0f;
}

struct TestGame {
    Log log;
    MemoryTable table;
    ScriptedRandom random;
    FixedClock clock;
    RecordingCues cues{log};
    QueuedPump pump{log};
    RecordingPauser pauser{log};
    LoggedBack backs[5];
    DoubleUp game;

    TestGame() : game(makeControls(), Platform{random, clock, cues, pump, pauser, kProgramDir}) {
        game.Form_Load();
    }

    Controls makeControls() {
        Controls controls = table.controls();
        for (int i = 0; i < 5; ++i) {
            backs[i].inner = &table.Short[i];
            backs[i].log = &log;
            backs[i].name = "Short" + std::to_string(i + 1);
            controls.Short[i] = &backs[i];
        }
        return controls;
    }

    // Scripts the five draws of a simulated win: base draw and keep draw decide it.
    void scriptWin(int base, bool kept = true) {
        const float r1 = (static_cast<float>(base - 2) + 0.5f) / 19.0f;
        random.add({r1, 0.0f, 0.0f, 0.0f, kept ? 0.9f : 0.1f});
    }
    // Scripts the ten draws of one deal's five cards, dealer first.
    void scriptCards(std::initializer_list<int> ranks, int suit = 1) {
        for (int rank : ranks) {
            random.add({rankDraw(rank), suitDraw(suit)});
        }
    }
    // Puts up `win` with the given dealer and player ranks.
    void play(int win, std::initializer_list<int> ranks) {
        scriptWin(win == 0 ? 5 : win, win != 0);
        scriptCards(ranks);
        game.Command1_Click();
    }

    std::string credit() const { return table.LabelCredit.captionText; }
    std::string win() const { return table.LabelTotalWin.captionText; }
    std::string step() const { return table.LabelStep.captionText; }
    std::string doubled() const { return table.LabelDouble.captionText; }
    bool faceDown(int slot) const { return table.Short[slot - 1].visible; }

    // The log entries that are cues, pumps or pauses, in order.
    Log pacing() const {
        Log out;
        for (const auto& e : log) {
            if (e.starts_with("cue") || e == "pump" || e.starts_with("pause")) {
                out.push_back(e);
            }
        }
        return out;
    }
};

} // namespace game::testing
