// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/sound/cue_mailbox.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <optional>
#include <string>

namespace {

using namespace std::chrono_literals;

TEST(CueMailboxTest, NewerPathReplacesOneNotYetTaken) {
    ui::CueMailbox mailbox;
    mailbox.post("click.wav");
    mailbox.post("win.wav");
    EXPECT_EQ(mailbox.take(), std::optional<std::string>("win.wav"));
}

TEST(CueMailboxTest, TakeWaitsForTheNextPost) {
    ui::CueMailbox mailbox;
    auto taken = std::async(std::launch::async, [&] { return mailbox.take(); });
    EXPECT_EQ(taken.wait_for(20ms), std::future_status::timeout);
    mailbox.post("click.wav");
    EXPECT_EQ(taken.get(), std::optional<std::string>("click.wav"));
}

TEST(CueMailboxTest, CloseWakesTheWorkerAndDropsWhatItHolds) {
    ui::CueMailbox waiting;
    auto taken = std::async(std::launch::async, [&] { return waiting.take(); });
    waiting.close();
    EXPECT_EQ(taken.get(), std::nullopt);

    ui::CueMailbox holding;
    holding.post("click.wav");
    holding.close();
    holding.post("win.wav");
    EXPECT_EQ(holding.take(), std::nullopt);
}

TEST(CueMailboxTest, WorkerFinishedIsSeenOnlyAfterItIsMarked) {
    ui::CueMailbox mailbox;
    EXPECT_FALSE(mailbox.waitWorkerFinished(5ms));
    auto finished = std::async(std::launch::async, [&] { return mailbox.waitWorkerFinished(10s); });
    mailbox.markWorkerFinished();
    EXPECT_TRUE(finished.get());
}

} // namespace
