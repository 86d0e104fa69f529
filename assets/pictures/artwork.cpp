#include "assets/pictures/artwork.h"

#include <QString>

namespace assets {
namespace {

// The resource file of each picture, as rendered by the build from svg/.
const char* resourcePath(game::Picture picture) {
    switch (picture) {
    case game::Picture::None:
        return nullptr;
    case game::Picture::CardBack:
        return ":/vantrello/pictures/card-back.png";
    case game::Picture::Hearts:
        return ":/vantrello/pictures/hearts.png";
    case game::Picture::Spades:
        return ":/vantrello/pictures/spades.png";
    case game::Picture::Clubs:
        return ":/vantrello/pictures/clubs.png";
    case game::Picture::Diamonds:
        return ":/vantrello/pictures/diamonds.png";
    case game::Picture::DealerTag:
        return ":/vantrello/pictures/dealer-tag.png";
    case game::Picture::PickTag:
        return ":/vantrello/pictures/pick-tag.png";
    case game::Picture::Banner:
        return ":/vantrello/pictures/banner.png";
    case game::Picture::TableBackground:
        return ":/vantrello/pictures/table-background.png";
    }
    return nullptr;
}

} // namespace

QImage pictureImage(game::Picture picture) {
    const char* path = resourcePath(picture);
    if (path == nullptr) {
        return {};
    }
    const QImage image(QString::fromLatin1(path));
    Q_ASSERT_X(!image.isNull(), "assets::pictureImage", path);
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace assets
