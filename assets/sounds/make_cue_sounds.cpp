// Writes click.wav and win.wav into the directory named on the command line.
#include "assets/sounds/cue_synthesis.h"
#include "assets/sounds/wav_writer.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIRECTORY\n", argv[0]);
        return 2;
    }
    const std::string directory = argv[1];
    struct Cue {
        const char* name;
        std::vector<float> samples;
    };
    const Cue cues[] = {{"click.wav", assets::synthesizeClickCue()},
                        {"win.wav", assets::synthesizeWinCue()}};
    for (const Cue& cue : cues) {
        const std::string path = directory + "/" + cue.name;
        if (!assets::writeWav16(path, cue.samples, assets::kCueSampleRate)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
