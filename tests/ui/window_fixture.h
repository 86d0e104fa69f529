// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A game window on scripted services: given random numbers, a recording pause (or another
// pause, such as the real one) and the real Qt event pump, so clicks made during a pick really
// run nested.
#pragma once

#include "tests/game/fakes.h"
#include "ui/form1.h"
#include "ui/image_widget.h"
#include "ui/label_widget.h"
#include "ui/qt_services.h"

#include <QPushButton>
#include <QTest>

#include <type_traits>

namespace ui::testing {

using game::testing::Log;

// Makes a window's pause: from the log when the pause records into it, as the recording one does.
template <typename P> P makePause(Log& log) {
    if constexpr (std::is_constructible_v<P, Log&>) {
        return P(log);
    } else {
        return P();
    }
}

template <typename Pause = game::testing::RecordingPauser> struct ScriptedWindowWith {
    Log log;
    game::testing::ScriptedRandom random;
    game::testing::FixedClock clock;
    game::testing::RecordingCues cues{log};
    Pause pauser = makePause<Pause>(log);
    QtEventPump pump;
    Form1 window{{random, clock, cues, pump, pauser, "/opt/vantrello"}};

    template <typename T = QWidget> T* find(const char* name) const {
        T* found = window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    LabelWidget* label(const char* name) const { return find<LabelWidget>(name); }
    ImageWidget* image(const char* name) const { return find<ImageWidget>(name); }
    QString text(const char* name) const { return label(name)->text(); }

    void click(const char* name) { QTest::mouseClick(find(name), Qt::LeftButton); }

    // Scripts a deal: a simulated win of `win` (0 or 2..20) and the five ranks.
    void scriptDeal(int win, std::initializer_list<int> ranks) {
        scriptWin(win);
        scriptCards(ranks);
    }
    void scriptWin(int win) {
        const float base = (static_cast<float>((win == 0 ? 5 : win) - 2) + 0.5f) / 19.0f;
        random.add({base, 0.0f, 0.0f, 0.0f, win == 0 ? 0.1f : 0.9f});
    }
    // Shows the window and deals a round by clicking "Play", ready for a pick.
    void dealt(int win, std::initializer_list<int> ranks) {
        window.show();
        scriptDeal(win, ranks);
        click("Command1");
        log.clear();
    }
    void scriptCards(std::initializer_list<int> ranks) {
        for (int rank : ranks) {
            random.add({game::testing::rankDraw(rank), game::testing::suitDraw(1)});
        }
    }
};

using ScriptedWindow = ScriptedWindowWith<>;

} // namespace ui::testing
