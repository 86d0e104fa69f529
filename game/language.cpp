// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/language.h"

#include "game/double_up.h"
#include "game/window_design.h"

#include <algorithm>
#include <array>

namespace game::design {
namespace {

Translation& installed() {
    static Translation translation;
    return translation;
}

bool hasLetters(std::string_view text) {
    // A caption of digits and signs alone is a number the rules write over.
    return std::any_of(text.begin(), text.end(), [](char c) {
        return static_cast<unsigned char>(c) >= 0x80 || (c >= 'A' && c <= 'Z') ||
               (c >= 'a' && c <= 'z');
    });
}

} // namespace

void setTranslation(Translation translation) {
    installed() = std::move(translation);
}

std::string inLanguage(std::string_view designText) {
    if (!installed() || designText.empty()) {
        return std::string(designText);
    }
    return installed()(designText);
}

std::vector<std::string_view> texts() {
    std::vector<std::string_view> all;
    const auto add = [&all](std::string_view text) {
        if (hasLetters(text) && std::find(all.begin(), all.end(), text) == all.end()) {
            all.push_back(text);
        }
    };
    for (const Control& control : form1()) {
        add(control.caption);
        add(control.spoken);
    }
    for (std::string_view word : {kFaceDown,       kWon,
                                  kLost,           kTie,
                                  kDealtAgain,     kMenu,
                                  kMenuSound,      kMenuHowToPlay,
                                  kMenuStatistics, kMenuAbout,
                                  kMenuQuit,       kVersion,
                                  kGameLicence,    kGameLicenceName,
                                  kFontLicence,    kFontLicenceName,
                                  kClose,          kNumberLocale,
                                  kWindowHint,     kKeys,
                                  kSoundOn,        kSoundOff}) {
        add(word);
    }
    // No letters, but the languages join a title differently.
    all.push_back(kTitleSeparator);
    for (std::string_view paragraph : kHowToPlay) {
        add(paragraph);
    }
    for (std::string_view line : kStatisticsLines) {
        add(line);
    }
    for (int rank = 2; rank <= 14; ++rank) {
        add(spokenRank(rankText(rank)));
    }
    for (Picture face : {Picture::Hearts, Picture::Spades, Picture::Clubs, Picture::Diamonds}) {
        add(spokenSuit(face));
    }
    return all;
}

} // namespace game::design
