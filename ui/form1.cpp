#include "ui/form1.h"

#include "ui/fonts/window_fonts.h"
#include "ui/image_widget.h"
#include "ui/label_widget.h"
#include "ui/push_button.h"
#include "ui/twips.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QStyleFactory>
#include <cstdio>
#include <exception>

namespace ui {
namespace {

using game::Picture;

const QColor kWindowBlue(1, 0, 66);
const QColor kButtonFace(240, 240, 240);
const QColor kButtonText(0, 0, 0);
const QColor kWindowText(0, 0, 0);
const QColor kLightYellow(255, 255, 192);

const QString kCaption = QStringLiteral("Тестовый режим - игра Vantrello - карты");
const QString kInstructions = QStringLiteral(
    "Жмите Play до тех пор, пока Total Win не будет больше нуля, а потом кликните мышкой на "
    "любую карту.");
const QString kSiteLine = QStringLiteral("www.vantrello.example - официальный сайт эмулятора");
const QString kNotice = QStringLiteral("Программа находится на стадии разработки");

// Card slots 1..5: left edges of suit picture, rank label and back, all at top 555.
constexpr int kSlotTop = 555;
constexpr int kCardLeft[5] = {370, 1220, 2060, 2900, 3740};
constexpr int kRankLeft[5] = {390, 1230, 2070, 2910, 3750};
constexpr int kBackLeft[5] = {380, 1215, 2055, 2895, 3735};

LabelWidget* label(QWidget* parent, const QString& name, const QString& caption, QRect twips,
                   const QColor& color, const QFont& font, Qt::Alignment align) {
    auto* l = new LabelWidget(name, caption, parent);
    l->setGeometry(twipRect(twips.x(), twips.y(), twips.width(), twips.height()));
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, color);
    l->setPalette(p);
    l->setFont(font);
    l->setAlignment(align | Qt::AlignTop);
    return l;
}

} // namespace

Form1::Form1(Form1Services services, QWidget* parent)
    : QWidget(parent), buttonStyle_(QStyleFactory::create(QStringLiteral("Windows"))),
      pauser_(services.pauser) {
    loadBundledFonts();
    build();
    rules_.emplace(controls(), game::Platform{services.random, services.clock, services.cues,
                                              services.pump, pauser_, services.programDirectory});
    wire();
    rules_->Form_Load();
}

Form1::~Form1() {
    // The buttons borrow the style: let them go before it does.
    delete command1_;
    delete command2_;
}

void Form1::build() {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(kCaption);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kClientHeight);
    QPalette windowPalette = palette();
    windowPalette.setColor(QPalette::Window, kWindowBlue);
    setPalette(windowPalette);
    setAutoFillBackground(true);

    const QFont heavy = windowFont(FontFace::ArialBlack, 11, false);
    const QFont plain = windowFont(FontFace::Default, 11, false);

    // Controls of the window, back to front: later siblings are drawn above earlier ones.
    new ImageWidget(QStringLiteral("Image1"), book_, Picture::Banner, 120, 60, this);
    const auto right = Qt::AlignRight;
    labelCredit_ = label(this, QStringLiteral("LabelCredit"), QStringLiteral("100"),
                         {3510, 120, 1215, 375}, Qt::white, heavy, right);
    labelTotalWin_ = label(this, QStringLiteral("LabelTotalWin"), QStringLiteral("0"),
                           {2070, 120, 1215, 375}, Qt::white, heavy, right);
    label(this, QStringLiteral("LabelTotalBet"), QStringLiteral("1"), {480, 120, 1215, 375},
          Qt::white, heavy, right);
    // The suit templates lie below the client area: never seen, only copied from.
    imageCardChervu_ =
        new ImageWidget(QStringLiteral("ImageCardChervu"), book_, Picture::Hearts, 120, 5400, this);
    imageCardPic_ =
        new ImageWidget(QStringLiteral("ImageCardPic"), book_, Picture::Spades, 960, 5400, this);
    imageCardBub_ =
        new ImageWidget(QStringLiteral("ImageCardBub"), book_, Picture::Diamonds, 1800, 5400, this);
    imageCardKrest_ =
        new ImageWidget(QStringLiteral("ImageCardKrest"), book_, Picture::Clubs, 2640, 5400, this);
    auto* label1 = label(this, QStringLiteral("Label1"), kInstructions, {120, 3840, 2655, 855},
                         kWindowText, plain, Qt::AlignLeft);
    label1->setOpaque(kLightYellow);
    auto* label2 = label(this, QStringLiteral("Label2"), kSiteLine, {120, 4725, 4815, 255},
                         kButtonText, plain, Qt::AlignLeft);
    label2->setOpaque(kButtonFace);

    // The table area clips its children to its rectangle.
    frame1_ = new QWidget(this);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    frame1_->setGeometry(twipRect(120, 360, 4815, 3375));
    frame1_->setAutoFillBackground(true);

    new ImageWidget(QStringLiteral("Image2"), book_, Picture::TableBackground, 0, 0, frame1_);
    labelStep_ = label(frame1_, QStringLiteral("LabelStep"), QStringLiteral("1"),
                       {1820, 260, 1215, 375}, QColor(192, 192, 0), heavy, right);
    for (int i = 0; i < 5; ++i) {
        card_[i] = new ImageWidget(QStringLiteral("Card%1").arg(i + 1), book_, Picture::Hearts,
                                   kCardLeft[i], kSlotTop, frame1_);
    }
    const QFont rankFont = windowFont(FontFace::TimesNewRoman, 19, true);
    for (int i = 0; i < 5; ++i) {
        numCard_[i] = label(frame1_, QStringLiteral("NumCard%1").arg(i + 1), QStringLiteral("5"),
                            {kRankLeft[i], kSlotTop, 375, 375}, fromPacked(game::kCardRed),
                            rankFont, Qt::AlignLeft);
    }
    for (int i : {1, 2, 3, 4, 0}) {
        short_[i] = new ImageWidget(QStringLiteral("Short%1").arg(i + 1), book_, Picture::CardBack,
                                    kBackLeft[i], kSlotTop, frame1_);
    }
    imagePick_ =
        new ImageWidget(QStringLiteral("ImagePick"), book_, Picture::PickTag, 4920, 1650, frame1_);
    new ImageWidget(QStringLiteral("ImageDealer"), book_, Picture::DealerTag, 480, 1650, frame1_);
    labelDouble_ =
        label(frame1_, QStringLiteral("LabelDouble"), QStringLiteral("0"), {3240, 2920, 1215, 255},
              QColor(255, 255, 0), windowFont(FontFace::ComicSansMS, 11, true), Qt::AlignHCenter);
    label(frame1_, QStringLiteral("Label3"), QStringLiteral("Тестинг"), {1290, 2070, 615, 255},
          kButtonText, plain, Qt::AlignLeft);
    label(frame1_, QStringLiteral("Label4"), kNotice, {0, 3120, 3015, 255}, Qt::white,
          windowFont(FontFace::Arial, 9, false), Qt::AlignLeft);

    command1_ = new PushButton(QStringLiteral("Command1"), QStringLiteral("Play"),
                               QColor(255, 128, 128), this);
    command1_->setGeometry(twipRect(3720, 3840, 1215, 855));
    command1_->setFont(windowFont(FontFace::Arial, 19, true));
    command2_ = new PushButton(QStringLiteral("Command2"), QStringLiteral("Забрать"),
                               QColor(192, 192, 255), this);
    command2_->setGeometry(twipRect(2880, 3840, 735, 855));
    command2_->setFont(plain);
    // Only the classic style fills a push button's face with its exact colour.
    if (buttonStyle_) {
        command1_->setStyle(buttonStyle_.get());
        command2_->setStyle(buttonStyle_.get());
    }
    setTabOrder(command1_, command2_);
    command1_->setFocus(Qt::OtherFocusReason);

    // Centred on the screen.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        move(available.center() - rect().center());
    }
}

game::Controls Form1::controls() {
    return game::Controls{
        *labelCredit_,
        *labelTotalWin_,
        *labelStep_,
        *labelDouble_,
        {numCard_[0], numCard_[1], numCard_[2], numCard_[3], numCard_[4]},
        {card_[0], card_[1], card_[2], card_[3], card_[4]},
        {short_[0], short_[1], short_[2], short_[3], short_[4]},
        *imageCardPic_,
        *imageCardKrest_,
        *imageCardBub_,
        *imageCardChervu_,
        *imagePick_,
    };
}

void Form1::wire() {
    using game::DoubleUp;
    connect(command1_, &QPushButton::clicked, this, [this] { run(&DoubleUp::Command1_Click); });
    connect(command2_, &QPushButton::clicked, this, [this] { run(&DoubleUp::Command2_Click); });
    void (DoubleUp::*picks[5])() = {nullptr, &DoubleUp::Short2_Click, &DoubleUp::Short3_Click,
                                    &DoubleUp::Short4_Click, &DoubleUp::Short5_Click};
    for (int i = 1; i < 5; ++i) {
        short_[i]->setClickable(true);
        connect(short_[i], &ImageWidget::clicked, this, [this, pick = picks[i]] { run(pick); });
    }
}

void Form1::run(void (game::DoubleUp::*handler)()) {
    try {
        ((*rules_).*handler)();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "vantrello: %s\n", error.what());
    }
}

void Form1::closeEvent(QCloseEvent* event) {
    pauser_.closed = true;
    event->accept();
}

} // namespace ui
