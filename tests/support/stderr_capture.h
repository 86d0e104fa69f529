// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Collects everything written to the process's standard error (file
// descriptor 2, from any thread) while the object lives.
#pragma once

#include <cstdio>
#include <string>

namespace test_support {

class StderrCapture {
  public:
    StderrCapture();
    ~StderrCapture();
    StderrCapture(const StderrCapture&) = delete;
    StderrCapture& operator=(const StderrCapture&) = delete;

    // Restores standard error and returns what was written to it.
    std::string finish();

  private:
    std::FILE* capture_ = nullptr;
    int saved_ = -1;
};

} // namespace test_support
