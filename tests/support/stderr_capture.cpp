// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/stderr_capture.h"

#include <array>
#include <stdexcept>
#include <unistd.h>

namespace test_support {

StderrCapture::StderrCapture() : capture_(std::tmpfile()), saved_(::dup(STDERR_FILENO)) {
    if (capture_ == nullptr || saved_ < 0) {
        throw std::runtime_error("cannot capture standard error");
    }
    std::fflush(stderr);
    ::dup2(::fileno(capture_), STDERR_FILENO);
}

StderrCapture::~StderrCapture() {
    finish();
}

std::string StderrCapture::finish() {
    std::string text;
    if (saved_ < 0) {
        return text;
    }
    std::fflush(stderr);
    ::dup2(saved_, STDERR_FILENO);
    ::close(saved_);
    saved_ = -1;
    std::rewind(capture_);
    std::array<char, 4096> buffer{};
    std::size_t got = 0;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), capture_)) > 0) {
        text.append(buffer.data(), got);
    }
    std::fclose(capture_);
    capture_ = nullptr;
    return text;
}

} // namespace test_support
