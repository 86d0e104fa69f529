#include "game/memory_controls.h"

namespace game {

Controls MemoryTable::controls() {
    return Controls{
        LabelCredit,
        LabelTotalWin,
        LabelStep,
        LabelDouble,
        {&NumCard[0], &NumCard[1], &NumCard[2], &NumCard[3], &NumCard[4]},
        {&Card[0], &Card[1], &Card[2], &Card[3], &Card[4]},
        {&Short[0], &Short[1], &Short[2], &Short[3], &Short[4]},
        ImageCardPic,
        ImageCardKrest,
        ImageCardBub,
        ImageCardChervu,
        ImagePick,
    };
}

} // namespace game
