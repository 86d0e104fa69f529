#include "ui/picture_book.h"

#include "assets/pictures/artwork.h"

namespace ui {

PictureBook::PictureBook() {
    using game::Picture;
    for (Picture picture :
         {Picture::CardBack, Picture::Hearts, Picture::Spades, Picture::Clubs, Picture::Diamonds,
          Picture::DealerTag, Picture::PickTag, Picture::Banner, Picture::TableBackground}) {
        pixmaps_[picture] = QPixmap::fromImage(assets::pictureImage(picture));
    }
}

const QPixmap& PictureBook::pixmap(game::Picture picture) const {
    const auto found = pixmaps_.find(picture);
    return found == pixmaps_.end() ? none_ : found->second;
}

} // namespace ui
