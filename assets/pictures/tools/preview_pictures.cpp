// Artist's preview: lays the rendered pictures out for judging them by eye.
//
//   preview_pictures --pictures <dir with the rendered PNGs> --output <dir>
//
// Writes contact-sheet.png (every picture at 1:1, the small ones also at 4x) and two mock-ups
// of the game window with the labels drawn over the art as the window draws them:
// mockup-start.png (five card backs, the starting values) and mockup-play.png (faces, markers
// and the widest values), each also at 3x. The mock-ups use the window's font files from
// Debian's font packages where installed; they are for looking at, not part of the game.

#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <cstdlib>

namespace {

QString picturesDir;

QImage picture(const QString& name) {
    QImage image(QDir(picturesDir).filePath(name + QStringLiteral(".png")));
    if (image.isNull()) {
        std::fprintf(stderr, "preview_pictures: missing %s.png\n", qPrintable(name));
        std::exit(1);
    }
    return image;
}

QImage scaled(const QImage& image, int factor) {
    return image.scaled(image.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

void registerFonts() {
    for (const char* path : {"/usr/share/fonts/opentype/inter/Inter-Black.otf",
                             "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf",
                             "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf",
                             "/usr/share/fonts/truetype/liberation2/LiberationSerif-Bold.ttf",
                             "/usr/share/fonts/opentype/comic-neue/ComicNeue-Bold.otf"}) {
        QFontDatabase::addApplicationFont(QString::fromLatin1(path));
    }
}

QFont font(const char* family, int pixelSize, QFont::Weight weight) {
    QFont result(QString::fromLatin1(family));
    result.setPixelSize(pixelSize);
    result.setWeight(weight);
    result.setHintingPreference(QFont::PreferVerticalHinting);
    result.setStyleStrategy(QFont::NoSubpixelAntialias);
    return result;
}

// A transparent label: text drawn from the top of its box, wrapped at words.
void label(QPainter& painter, const QRect& box, const QString& text, const QColor& colour,
           const QFont& labelFont, Qt::Alignment alignment) {
    painter.setFont(labelFont);
    painter.setPen(colour);
    painter.drawText(box, int(alignment | Qt::AlignTop | Qt::TextWordWrap), text);
}

QImage contactSheet() {
    const QStringList cards = {"card-back", "hearts", "spades", "clubs", "diamonds"};
    QImage sheet(1340, 800, QImage::Format_RGB32);
    sheet.fill(QColor(96, 96, 104));
    QPainter painter(&sheet);
    int x = 10;
    for (const QString& name : cards) {
        painter.drawImage(x, 10, picture(name));
        painter.drawImage(x, 100, scaled(picture(name), 4));
        x += 220;
    }
    painter.drawImage(10, 420, picture(QStringLiteral("dealer-tag")));
    painter.drawImage(60, 420, picture(QStringLiteral("pick-tag")));
    painter.drawImage(110, 420, scaled(picture(QStringLiteral("dealer-tag")), 4));
    painter.drawImage(280, 420, scaled(picture(QStringLiteral("pick-tag")), 4));
    painter.drawImage(450, 420, picture(QStringLiteral("banner")));
    painter.drawImage(450, 460, picture(QStringLiteral("table-background")));
    painter.drawImage(10, 700, scaled(picture(QStringLiteral("banner")), 4));
    painter.end();
    return sheet;
}

struct Scene {
    QString totalBet, totalWin, credit, step, doubled;
    bool faces;
};

QImage mockup(const Scene& scene) {
    QImage window(338, 333, QImage::Format_RGB32);
    window.fill(QColor(1, 0, 66));
    QPainter painter(&window);
    painter.setRenderHint(QPainter::TextAntialiasing);

    const QFont valueFont = font("Inter", 11, QFont::Black);
    painter.drawImage(8, 4, picture(QStringLiteral("banner")));
    label(painter, QRect(32, 8, 81, 25), scene.totalBet, Qt::white, valueFont, Qt::AlignRight);
    label(painter, QRect(138, 8, 81, 25), scene.totalWin, Qt::white, valueFont, Qt::AlignRight);
    label(painter, QRect(234, 8, 81, 25), scene.credit, Qt::white, valueFont, Qt::AlignRight);

    // The table area, its children clipped to it.
    const QPoint frame(8, 24);
    painter.fillRect(QRect(frame, QSize(321, 225)), QColor(4, 18, 10));
    painter.setClipRect(QRect(frame, QSize(321, 225)));
    painter.translate(frame);
    painter.drawImage(0, 0, picture(QStringLiteral("table-background")));
    label(painter, QRect(121, 17, 81, 25), scene.step, QColor(192, 192, 0), valueFont,
          Qt::AlignRight);

    const int cardLeft[5] = {25, 81, 137, 193, 249};
    const QString faces[5] = {"hearts", "card-back", "spades", "clubs", "diamonds"};
    const QString ranks[5] = {"A", "", "10", "K", "7"};
    const bool red[5] = {true, false, false, false, true};
    const QFont rankFont = font("Liberation Serif", 19, QFont::Bold);
    for (int slot = 0; slot < 5; ++slot) {
        if (scene.faces && faces[slot] != QStringLiteral("card-back")) {
            painter.drawImage(cardLeft[slot], 37, picture(faces[slot]));
            label(painter, QRect(cardLeft[slot] + 1, 37, 25, 25), ranks[slot],
                  red[slot] ? QColor(211, 66, 37) : Qt::black, rankFont, Qt::AlignLeft);
        } else {
            painter.drawImage(cardLeft[slot], 37, picture(QStringLiteral("card-back")));
        }
    }
    painter.drawImage(32, 110, picture(QStringLiteral("dealer-tag")));
    if (scene.faces) {
        painter.drawImage(145, 110, picture(QStringLiteral("pick-tag")));
    }
    label(painter, QRect(216, 195, 81, 17), scene.doubled, QColor(255, 255, 0),
          font("Comic Neue", 11, QFont::Bold), Qt::AlignHCenter);
    label(painter, QRect(86, 138, 41, 17), QString::fromUtf8("Тестинг"), Qt::black,
          font("Liberation Sans", 11, QFont::Normal), Qt::AlignLeft);
    label(painter, QRect(0, 208, 201, 17),
          QString::fromUtf8("Программа находится на стадии разработки"), Qt::white,
          font("Liberation Sans", 9, QFont::Normal), Qt::AlignLeft);
    painter.resetTransform();
    painter.setClipping(false);

    // The bottom row, roughly as the window shows it.
    const QFont uiFont = font("Liberation Sans", 11, QFont::Normal);
    painter.fillRect(QRect(8, 256, 177, 57), QColor(255, 255, 192));
    label(painter, QRect(9, 256, 175, 57),
          QString::fromUtf8("Жмите Play до тех пор, пока Total Win не будет больше нуля, а "
                            "потом кликните мышкой на любую карту."),
          Qt::black, uiFont, Qt::AlignLeft);
    painter.fillRect(QRect(192, 256, 49, 57), QColor(192, 192, 255));
    painter.setPen(Qt::black);
    painter.setFont(uiFont);
    painter.drawText(QRect(192, 256, 49, 57), Qt::AlignCenter, QString::fromUtf8("Забрать"));
    painter.fillRect(QRect(248, 256, 81, 57), QColor(255, 128, 128));
    painter.setFont(font("Liberation Sans", 19, QFont::Bold));
    painter.drawText(QRect(248, 256, 81, 57), Qt::AlignCenter, QStringLiteral("Play"));
    painter.fillRect(QRect(8, 315, 321, 17), QColor(240, 240, 240));
    label(painter, QRect(9, 316, 320, 17),
          QString::fromUtf8("www.example.org - официальный сайт эмулятора"), Qt::black, uiFont,
          Qt::AlignLeft);
    painter.end();
    return window;
}

bool save(const QImage& image, const QString& dir, const char* name) {
    const QString path = QDir(dir).filePath(QString::fromLatin1(name));
    if (!image.save(path)) {
        std::fprintf(stderr, "preview_pictures: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const QGuiApplication application(argc, argv);
    QString output;
    const QStringList arguments = QGuiApplication::arguments();
    for (qsizetype i = 1; i + 1 < arguments.size(); i += 2) {
        if (arguments.at(i) == QStringLiteral("--pictures")) {
            picturesDir = arguments.at(i + 1);
        } else if (arguments.at(i) == QStringLiteral("--output")) {
            output = arguments.at(i + 1);
        }
    }
    if (picturesDir.isEmpty() || output.isEmpty() || !QDir().mkpath(output)) {
        std::fprintf(stderr, "usage: preview_pictures --pictures <dir> --output <dir>\n");
        return 1;
    }
    registerFonts();

    const QImage start = mockup({"1", "0", "100", "1", "0", false});
    const QImage play = mockup({"1", "1000000", "-99999", "12", "2000000", true});
    const bool ok = save(contactSheet(), output, "contact-sheet.png") &&
                    save(start, output, "mockup-start.png") &&
                    save(scaled(start, 3), output, "mockup-start-x3.png") &&
                    save(play, output, "mockup-play.png") &&
                    save(scaled(play, 3), output, "mockup-play-x3.png");
    return ok ? 0 : 1;
}
