// The window as designed: caption, size, every control's place and the stacking
// order as clicks see it.
#include "tests/ui/window_fixture.h"
#include "ui/twips.h"

#include <QApplication>

namespace ui::testing {
namespace {

TEST(Form1Layout, FreshWindowShowsTheStartingTable) {
    ScriptedWindow w;
    EXPECT_EQ(w.window.objectName(), "Form1");
    EXPECT_EQ(w.window.windowTitle(), QStringLiteral("Тестовый режим - игра Vantrello - карты"));
    const struct {
        const char* name;
        const char* text;
    } texts[] = {{"LabelTotalBet", "1"}, {"LabelTotalWin", "0"}, {"LabelCredit", "100"},
                 {"LabelStep", "1"},     {"LabelDouble", "0"},   {"Label3", "Тестинг"}};
    for (const auto& t : texts) {
        EXPECT_EQ(w.text(t.name), QString::fromUtf8(t.text)) << t.name;
    }
    EXPECT_TRUE(w.text("Label2").endsWith(QStringLiteral(" - официальный сайт эмулятора")));
    EXPECT_TRUE(w.text("Label2").contains(QStringLiteral(".example")));
    EXPECT_EQ(w.find<QPushButton>("Command1")->text(), "Play");
    EXPECT_EQ(w.find<QPushButton>("Command2")->text(), QStringLiteral("Забрать"));
    w.window.show();
    for (int slot = 1; slot <= 5; ++slot) {
        const auto name = QStringLiteral("Short%1").arg(slot).toLatin1();
        EXPECT_TRUE(w.image(name.constData())->isVisible()) << name.constData();
        EXPECT_TRUE(w.label(("NumCard" + std::to_string(slot)).c_str())->tag().empty());
    }
    // The pick marker starts beyond the table area's right edge, clipped away.
    const QWidget* frame = w.find("Frame1");
    EXPECT_GE(w.image("ImagePick")->x(), frame->width());
    EXPECT_EQ(w.image("ImagePick")->left(), 4920.0f);
}

TEST(Form1Layout, FixedSizeWithCloseBoxOnlyAndFocusOnPlay) {
    ScriptedWindow w;
    w.window.show();
    w.window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.window));
    EXPECT_EQ(w.window.size(), QSize(338, 333));
    EXPECT_EQ(w.window.minimumSize(), w.window.maximumSize());
    const Qt::WindowFlags flags = w.window.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(QApplication::focusWidget(), w.find("Command1"));
    EXPECT_EQ(w.find("Command1")->nextInFocusChain(), w.find("Command2"));
    for (const char* name : {"LabelCredit", "Label1", "Short2", "Card1"}) {
        EXPECT_EQ(w.find(name)->focusPolicy(), Qt::NoFocus) << name;
    }
}

TEST(Form1Layout, EveryControlStandsAtItsTwips) {
    ScriptedWindow w;
    const struct {
        const char* name;
        const char* parent;
        int left, top, width, height;
    } controls[] = {
        {"Image1", "Form1", 120, 60, 4800, 330},
        {"LabelTotalBet", "Form1", 480, 120, 1215, 375},
        {"LabelTotalWin", "Form1", 2070, 120, 1215, 375},
        {"LabelCredit", "Form1", 3510, 120, 1215, 375},
        {"Frame1", "Form1", 120, 360, 4815, 3375},
        {"Image2", "Frame1", 0, 0, 4800, 3285},
        {"LabelStep", "Frame1", 1820, 260, 1215, 375},
        {"LabelDouble", "Frame1", 3240, 2920, 1215, 255},
        {"ImageDealer", "Frame1", 480, 1650, 555, 210},
        {"ImagePick", "Frame1", 4920, 1650, 540, 210},
        {"Label3", "Frame1", 1290, 2070, 615, 255},
        {"Label4", "Frame1", 0, 3120, 3015, 255},
        {"Card1", "Frame1", 370, 555, 765, 1170},
        {"Card2", "Frame1", 1220, 555, 765, 1170},
        {"Card3", "Frame1", 2060, 555, 765, 1170},
        {"Card4", "Frame1", 2900, 555, 765, 1170},
        {"Card5", "Frame1", 3740, 555, 765, 1170},
        {"NumCard1", "Frame1", 390, 555, 375, 375},
        {"NumCard2", "Frame1", 1230, 555, 375, 375},
        {"NumCard3", "Frame1", 2070, 555, 375, 375},
        {"NumCard4", "Frame1", 2910, 555, 375, 375},
        {"NumCard5", "Frame1", 3750, 555, 375, 375},
        {"Short1", "Frame1", 380, 555, 765, 1170},
        {"Short2", "Frame1", 1215, 555, 765, 1170},
        {"Short3", "Frame1", 2055, 555, 765, 1170},
        {"Short4", "Frame1", 2895, 555, 765, 1170},
        {"Short5", "Frame1", 3735, 555, 765, 1170},
        {"Label1", "Form1", 120, 3840, 2655, 855},
        {"Command2", "Form1", 2880, 3840, 735, 855},
        {"Command1", "Form1", 3720, 3840, 1215, 855},
        {"Label2", "Form1", 120, 4725, 4815, 255},
        {"ImageCardChervu", "Form1", 120, 5400, 765, 1170},
        {"ImageCardPic", "Form1", 960, 5400, 765, 1170},
        {"ImageCardBub", "Form1", 1800, 5400, 765, 1170},
        {"ImageCardKrest", "Form1", 2640, 5400, 780, 1170},
    };
    for (const auto& c : controls) {
        const QWidget* widget = w.find(c.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->parentWidget()->objectName(), c.parent) << c.name;
        EXPECT_EQ(widget->geometry(), twipRect(c.left, c.top, c.width, c.height)) << c.name;
    }
}

QStringList frontToBack(const QWidget* container) {
    QStringList names;
    for (const QObject* child : container->children()) {
        if (child->isWidgetType()) {
            names.prepend(child->objectName());
        }
    }
    return names;
}

TEST(Form1Layout, StackingOrderFrontToBack) {
    ScriptedWindow w;
    EXPECT_EQ(frontToBack(&w.window),
              QStringList({"Command2", "Command1", "Frame1", "Label2", "Label1", "ImageCardKrest",
                           "ImageCardBub", "ImageCardPic", "ImageCardChervu", "LabelTotalBet",
                           "LabelTotalWin", "LabelCredit", "Image1"}));
    EXPECT_EQ(
        frontToBack(w.find("Frame1")),
        QStringList({"Label4",   "Label3",   "LabelDouble", "ImageDealer", "ImagePick", "Short1",
                     "Short5",   "Short4",   "Short3",      "Short2",      "NumCard5",  "NumCard4",
                     "NumCard3", "NumCard2", "NumCard1",    "Card5",       "Card4",     "Card3",
                     "Card2",    "Card1",    "LabelStep",   "Image2"}));
}

TEST(Form1Layout, ABackHidesItsSlotUntilHidden) {
    ScriptedWindow w;
    w.window.show();
    QWidget* frame = w.find("Frame1");
    for (int slot = 1; slot <= 5; ++slot) {
        const auto n = std::to_string(slot);
        ImageWidget* back = w.image(("Short" + n).c_str());
        const QWidget* rank = w.find(("NumCard" + n).c_str());
        const QWidget* card = w.find(("Card" + n).c_str());
        const QPoint onRank = rank->geometry().center();
        const QPoint onCentre = back->geometry().center();
        EXPECT_EQ(frame->childAt(onRank), back) << slot;
        EXPECT_EQ(frame->childAt(onCentre), back) << slot;
        back->setVisible(false);
        EXPECT_EQ(frame->childAt(onRank), rank) << slot;
        EXPECT_EQ(frame->childAt(onCentre), card) << slot;
    }
}

TEST(Form1Layout, TemplatesAndParkedMarkerAreNeverInSight) {
    ScriptedWindow w;
    const QRect client = w.window.rect();
    for (const char* name : {"ImageCardChervu", "ImageCardPic", "ImageCardBub", "ImageCardKrest"}) {
        EXPECT_FALSE(client.intersects(w.find(name)->geometry())) << name;
    }
    const QRect frame = w.find("Frame1")->rect();
    ImageWidget* pick = w.image("ImagePick");
    for (float parked : {4920.0f, 5000.0f}) {
        pick->setLeft(parked);
        EXPECT_FALSE(frame.intersects(pick->geometry())) << parked;
        EXPECT_EQ(pick->left(), parked) << "the left edge reads back as written";
    }
    // At each pick position the marker stands centred beneath its card.
    for (int slot = 2; slot <= 5; ++slot) {
        pick->setLeft(game::DoubleUp::pickMarkerLeft(slot));
        const QRect card = w.find(("Card" + std::to_string(slot)).c_str())->geometry();
        EXPECT_NEAR(pick->geometry().center().x(), card.center().x(), 1) << slot;
        EXPECT_TRUE(frame.contains(pick->geometry())) << slot;
    }
}

} // namespace
} // namespace ui::testing
