#include "game/cue_path.h"

namespace game {

std::string cuePath(const std::string& programDirectory, const char* fileName) {
    std::string path = programDirectory;
    path += '/';
    path += fileName;
    return path;
}

} // namespace game
