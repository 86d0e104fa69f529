// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Artist's preview: the pictures laid out for judging them by eye, and the real game window
// showing them.
//
//   preview_pictures --output <dir>
//
// Writes contact-sheet.png (every picture at 1:1, the small ones also at 4x) and grabs of the
// game window, built off screen on a fixed random sequence: window-start.png (five card backs,
// the starting values) and window-play.png (a lost pick: faces, markers and the widest values),
// each also at 3x, and window-play@1.5.png and @2.png, drawn as on screens of those scales.

#include "game/random.h"
#include "tools/pictures/still_platform.h"
#include "ui/form1.h"
#include "ui/image_widget.h"
#include "ui/label_widget.h"
#include "ui/pictures/artwork.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPushButton>

#include <cstdio>

namespace {

QImage scaled(const QImage& image, int factor) {
    return image.scaled(image.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QImage contactSheet() {
    QImage sheet(1340, 800, QImage::Format_RGB32);
    sheet.fill(QColor(96, 96, 104));
    QPainter painter(&sheet);
    QPoint small(10, 10);
    QPoint large(10, 420);
    for (const game::PictureInfo& info : game::kPictures) {
        const QImage picture = ui::pictureImage(info.picture);
        if (info.width <= 64) {
            // Cards and tags: 1:1 in the top row, 4x beneath.
            painter.drawImage(small, picture);
            painter.drawImage(small + QPoint(0, 90), scaled(picture, 4));
            small.rx() += picture.width() * 4 + 14;
        } else {
            painter.drawImage(large, picture);
            large.ry() += picture.height() + 10;
        }
    }
    painter.drawImage(350, 420, scaled(ui::pictureImage(game::Picture::Banner), 3));
    return sheet;
}

template <typename T> T* control(const ui::Form1& window, const char* name) {
    return window.findChild<T*>(QString::fromLatin1(name));
}

// Deals until some player's card is lower than the dealer's and picks it: the pick is lost, so
// every card stays face up and the pick marker stands beneath the picked one.
void playALostPick(ui::Form1& window) {
    for (int deal = 0; deal < 100; ++deal) {
        control<QPushButton>(window, "Command1")->click();
        const int dealer = std::stoi(control<ui::LabelWidget>(window, "NumCard1")->tag());
        for (int slot = 2; slot <= 5; ++slot) {
            const std::string n = std::to_string(slot);
            if (std::stoi(control<ui::LabelWidget>(window, ("NumCard" + n).c_str())->tag()) <
                dealer) {
                emit control<ui::ImageWidget>(window, ("Short" + n).c_str())->clicked();
                return;
            }
        }
    }
}

bool save(const QImage& image, const QString& dir, const QString& name) {
    const QString path = QDir(dir).filePath(name);
    if (!image.save(path)) {
        std::fprintf(stderr, "preview_pictures: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// The window as a screen of that scale shows it: pictures from their art for the scale, text
// at device resolution.
QImage drawnAt(QWidget& window, double ratio) {
    QImage image(game::devicePixels(window.width(), ratio),
                 game::devicePixels(window.height(), ratio), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    window.render(&image);
    image.setDevicePixelRatio(1);
    return image;
}

bool saveWindow(ui::Form1& window, const QString& dir, const QString& name, bool scales) {
    const QImage grab = window.grab().toImage();
    bool ok = save(grab, dir, name + QStringLiteral(".png")) &&
              save(scaled(grab, 3), dir, name + QStringLiteral("-x3.png"));
    for (const double ratio : {1.5, 2.0}) {
        ok = ok && (!scales ||
                    save(drawnAt(window, ratio), dir, name + QStringLiteral("@%1.png").arg(ratio)));
    }
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Writes preview sheets of the game's pictures and of its window."));
    parser.addHelpOption();
    const QCommandLineOption output(QStringLiteral("output"),
                                    QStringLiteral("The directory to write the sheets to."),
                                    QStringLiteral("dir"));
    parser.addOption(output);
    parser.process(application);
    const QString dir = parser.value(output);
    if (dir.isEmpty() || !QDir().mkpath(dir)) {
        std::fprintf(stderr, "preview_pictures: give a writable --output directory\n");
        return 1;
    }

    game::SeededRandom random;
    ui::StillPlatform still;
    ui::Form1 window({random, still, still, still, still, QDir::tempPath().toStdString()});
    window.show();
    bool ok = save(contactSheet(), dir, QStringLiteral("contact-sheet.png")) &&
              saveWindow(window, dir, QStringLiteral("window-start"), false);
    playALostPick(window);
    // The widest values the labels are made for.
    control<ui::LabelWidget>(window, "LabelCredit")->setCaption("-99999");
    control<ui::LabelWidget>(window, "LabelStep")->setCaption("12");
    control<ui::LabelWidget>(window, "LabelDouble")->setCaption("2000000");
    ok = ok && saveWindow(window, dir, QStringLiteral("window-play"), true);
    return ok ? 0 : 1;
}
