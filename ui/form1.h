// The game window: every control at its designed place, the rules bound to them,
// and the clicks wired to the rules' handlers.
#pragma once

#include "game/double_up.h"
#include "ui/picture_book.h"

#include <QStyle>
#include <QWidget>
#include <memory>
#include <optional>

namespace ui {

class ImageWidget;
class LabelWidget;
class PushButton;

// What the window needs from the platform; the caller owns all of it.
struct Form1Services {
    game::RandomSource& random;
    game::Clock& clock;
    game::CuePlayer& cues;
    game::EventPump& pump;
    game::Pauser& pauser;
    std::string programDirectory;
};

class Form1 : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kClientWidth = 338; // 5070 x 4995 twips
    static constexpr int kClientHeight = 333;

    explicit Form1(Form1Services services, QWidget* parent = nullptr);
    ~Form1() override;

    game::DoubleUp& rules() { return *rules_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // Once the window is closed a running pick finishes without waiting.
    struct PauseUntilClosed : game::Pauser {
        game::Pauser& inner;
        bool closed = false;
        explicit PauseUntilClosed(game::Pauser& p) : inner(p) {}
        void pause(std::uint32_t ms) override {
            if (!closed) {
                inner.pause(ms);
            }
        }
    };

    void build();
    game::Controls controls();
    void wire();
    // The event boundary: a rule's error is reported once and the game goes on.
    void run(void (game::DoubleUp::*handler)());

    PictureBook book_;
    std::unique_ptr<QStyle> buttonStyle_;
    PauseUntilClosed pauser_;

    QWidget* frame1_ = nullptr;
    LabelWidget* labelTotalWin_ = nullptr;
    LabelWidget* labelCredit_ = nullptr;
    LabelWidget* labelStep_ = nullptr;
    LabelWidget* labelDouble_ = nullptr;
    LabelWidget* numCard_[5] = {};
    ImageWidget* card_[5] = {};
    ImageWidget* short_[5] = {};
    ImageWidget* imagePick_ = nullptr;
    ImageWidget* imageCardPic_ = nullptr;
    ImageWidget* imageCardKrest_ = nullptr;
    ImageWidget* imageCardBub_ = nullptr;
    ImageWidget* imageCardChervu_ = nullptr;
    PushButton* command1_ = nullptr;
    PushButton* command2_ = nullptr;

    std::optional<game::DoubleUp> rules_;
};

} // namespace ui
