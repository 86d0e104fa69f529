// Every text of the window fits its control's box with the font that control uses. Boxes are the
// controls' pixel sizes at 96 dpi (15 twips to the pixel).

#include "ui/fonts/window_fonts.h"

#include <QFontMetrics>
#include <QRect>
#include <QString>

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

using ui::FontFace;

struct TextBox {
    std::string name;
    FontFace face;
    int pixelSize;
    bool bold;
    std::string text; // UTF-8
    int width;        // box, pixels
    int height;
    int frameMargin; // horizontal pixels a button's frame takes from the box
    bool wordWrap;
    int maxLines;
};

constexpr int buttonFrame = 4;

std::vector<TextBox> windowTexts() {
    std::vector<TextBox> rows = {
        {"Label1Instructions", FontFace::Default, 11, false,
         "Жмите Play до тех пор, пока Total Win не будет больше нуля, а потом кликните мышкой на "
         "любую карту.",
         177, 57, 0, true, 4},
        {"Command2Collect", FontFace::Default, 11, false, "Забрать", 49, 57, buttonFrame, false, 1},
        {"Command1Play", FontFace::Arial, 19, true, "Play", 81, 57, buttonFrame, false, 1},
        {"Label3Testing", FontFace::Default, 11, false, "Тестинг", 41, 17, 0, false, 1},
        {"Label4Notice", FontFace::Arial, 9, false, "Программа находится на стадии разработки", 201,
         17, 0, false, 1},
        {"Label2WebSite", FontFace::Default, 11, false,
         "http://www.vantrello.example - официальный сайт эмулятора", 321, 17, 0, false, 1},
        {"CreditLowest", FontFace::ArialBlack, 11, false, "-99999", 81, 25, 0, false, 1},
        {"CreditMillion", FontFace::ArialBlack, 11, false, "1000000", 81, 25, 0, false, 1},
        {"WinMillion", FontFace::ArialBlack, 11, false, "1000000", 81, 25, 0, false, 1},
        {"StepLarge", FontFace::ArialBlack, 11, false, "99999", 81, 25, 0, false, 1},
        {"DoubledAmountMillion", FontFace::ComicSansMS, 11, true, "2000000", 81, 17, 0, false, 1},
    };
    for (const char* rank : {"2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K", "A"}) {
        rows.push_back({std::string("Rank") + rank, FontFace::TimesNewRoman, 19, true, rank, 25, 25,
                        0, false, 1});
    }
    return rows;
}

void PrintTo(const TextBox& box, std::ostream* out) {
    *out << box.name;
}

class WindowTextFits : public testing::TestWithParam<TextBox> {
  protected:
    void SetUp() override { ui::loadBundledFonts(); }
};

TEST_P(WindowTextFits, InsideItsBox) {
    const TextBox& box = GetParam();
    const QFontMetrics metrics(ui::windowFont(box.face, box.pixelSize, box.bold));
    const QString text = QString::fromStdString(box.text);
    const int flags = Qt::AlignLeft | Qt::AlignTop | (box.wordWrap ? Qt::TextWordWrap : 0);
    const int innerWidth = box.width - box.frameMargin;

    // The same layout QPainter::drawText does for a label or a button caption.
    const QRect used = metrics.boundingRect(QRect(0, 0, innerWidth, 1000), flags, text);
    const int lineHeight = metrics.boundingRect(QRect(0, 0, 1000, 1000), flags, "X").height();
    const int lines = (used.height() + lineHeight / 2) / lineHeight;
    RecordProperty("width", used.width());
    RecordProperty("height", used.height());
    RecordProperty("lines", lines);

    EXPECT_LE(used.width(), innerWidth)
        << box.name << ": text is " << used.width() << " px wide, room for " << innerWidth;
    EXPECT_LE(used.height(), box.height)
        << box.name << ": text is " << used.height() << " px high, box " << box.height;
    EXPECT_LE(lines, box.maxLines) << box.name << ": text takes " << lines << " lines";
}

INSTANTIATE_TEST_SUITE_P(AllControls, WindowTextFits, testing::ValuesIn(windowTexts()),
                         [](const testing::TestParamInfo<TextBox>& info) {
                             return info.param.name;
                         });

} // namespace
