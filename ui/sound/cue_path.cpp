#include "ui/sound/cue_path.h"

namespace ui {

std::string cuePath(const std::string& programDirectory, const char* fileName) {
    std::string path = programDirectory;
    path += '/';
    path += fileName;
    return path;
}

} // namespace ui
