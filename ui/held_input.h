// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's input that arrives while the game pauses. A pause lets every other event run
// (the window repaints, a close request or Ctrl+Q is taken), but no other click, key or shortcut:
// they wait, in the order they came, and are handed to their receivers at the next pass of the
// event pump, or once the handler that paused returns, as though they had only just arrived.
#pragma once

#include <QObject>
#include <QPointer>

#include <deque>
#include <functional>

namespace ui {

class HeldInput : public QObject {
    Q_OBJECT
  public:
    // The application's one hold: an event filter on the application, made on first use and
    // owned by it.
    static HeldInput& instance();

    // Input is held while at least one Pause lives.
    class Pause {
      public:
        explicit Pause(HeldInput& held);
        ~Pause();
        Pause(const Pause&) = delete;
        Pause& operator=(const Pause&) = delete;

      private:
        HeldInput& held_;
    };

    // True while input is held: during a pause, and after it until everything held is handed
    // over, so that newer input cannot overtake older.
    bool holding() const { return pauses_ > 0 || (!waiting_.empty() && handing_ == 0); }

    // Hands everything held to its receiver, oldest first; what a handler run from here holds
    // meanwhile joins the end of the line. Does nothing while a pause runs.
    void handOver();
    // Queues a call that must not run during a pause (a click that reached the window by a way
    // other than its input): it runs in its turn among the held input. Dropped if `context` goes.
    void defer(QObject* context, std::function<void()> call);
    // Forgets everything held: the window it was for is closed.
    void discard();

  protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

  private:
    explicit HeldInput(QObject* application);
    void endPause();

    std::deque<std::function<void()>> waiting_;
    int pauses_ = 0;
    int handing_ = 0;
    bool handOverQueued_ = false;
};

} // namespace ui
