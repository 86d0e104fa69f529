// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/form1.h"

#include "ui/accessibility/window_speech.h"
#include "ui/fonts/window_fonts.h"
#include "ui/held_input.h"
#include "ui/image_widget.h"
#include "ui/keyboard.h"
#include "ui/label_widget.h"
#include "ui/push_button.h"
#include "ui/qt_text.h"
#include "ui/twips.h"
#include "ui/window_menu.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QStyleFactory>
#include <algorithm>
#include <cstdio>
#include <exception>
#include <vector>

namespace ui {
namespace {

using game::design::Control;
using game::design::Kind;

Qt::Alignment alignment(game::design::Align align) {
    switch (align) {
    case game::design::Align::Right:
        return Qt::AlignRight;
    case game::design::Align::Centre:
        return Qt::AlignHCenter;
    case game::design::Align::Left:
        break;
    }
    return Qt::AlignLeft;
}

} // namespace

Form1::Form1(const game::Platform& platform, SoundSetting* sound, QWidget* parent)
    : QWidget(parent), buttonStyle_(QStyleFactory::create(QStringLiteral("Windows"))),
      pauser_(platform.pauser) {
    // The hold is the application's first event filter, made before the event loop runs: filters
    // installed later see an event first, so the accessibility bridge, which installs its own
    // once a screen reader is found, still hands keys made during a pause to the screen reader.
    HeldInput::instance();
    // Before the first widget exists, so that each gets its interface from the design table.
    accessibility::installFactory();
    // The controls draw only in the embedded faces.
    loadBundledFonts();
    build();
    rules_.emplace(controls(), game::Platform{platform.random, platform.clock, platform.cues,
                                              platform.pump, pauser_, platform.programDirectory});
    wire();
    accessibility::WindowSpeech& speech = accessibility::attach(*this);
    announcer_.emplace(controls(),
                       [&speech](const std::string& text) { speech.announce(toQString(text)); });
    rules_->observe(*announcer_);
    rules_->observe(statistics_);
    menu_ = std::make_unique<WindowMenu>(*this, sound, statistics_.figures());
    rules_->Form_Load();
}

Form1::~Form1() {
    // The buttons borrow the style: let them go before it does.
    qDeleteAll(findChildren<PushButton*>());
}

void Form1::build() {
    const auto rows = game::design::form1();
    // The keyboard focus moves in the order the widgets are made, so the controls that take
    // the focus are made last, in their tab order.
    std::vector<const Control*> focusable;
    for (const Control& control : rows) {
        if (control.tabIndex >= 0) {
            focusable.push_back(&control);
        } else {
            create(control);
        }
    }
    std::sort(focusable.begin(), focusable.end(),
              [](const Control* a, const Control* b) { return a->tabIndex < b->tabIndex; });
    for (const Control* control : focusable) {
        create(*control);
    }
    if (!focusable.empty()) {
        named<QWidget>(focusable.front()->name).setFocus(Qt::OtherFocusReason);
    }
    // The table lists each container's controls front to back: raised from the back, the
    // first of them ends up over all the others.
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        if (row->kind != Kind::Window) {
            named<QWidget>(row->name).raise();
        }
    }

    // Centred on the screen.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

void Form1::create(const Control& control) {
    QWidget* parent = control.parent.empty() ? nullptr : &named<QWidget>(control.parent);
    const QString caption = inLanguage(control.caption);
    QWidget* widget = this;
    switch (control.kind) {
    case Kind::Window:
        setWindowTitle(caption);
        setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
        setFixedSize(pixelRect(control.twips).size());
        break;
    case Kind::Frame:
        widget = new QWidget(parent);
        break;
    case Kind::Label: {
        auto* label = new LabelWidget(caption, parent);
        label->setForeColor(control.fore);
        label->setAlignment(alignment(control.align) | Qt::AlignTop);
        widget = label;
        break;
    }
    case Kind::Image:
        // An image takes its place and its picture's size by itself.
        widget =
            new ImageWidget(book_, control.picture, control.twips.left, control.twips.top, parent);
        break;
    case Kind::Button:
        widget = new PushButton(caption, fromPacked(control.back), parent);
        // Only the classic style fills a push button's face with its exact colour.
        if (buttonStyle_) {
            widget->setStyle(buttonStyle_.get());
        }
        break;
    }
    widget->setObjectName(toQString(control.name));
    if (control.kind != Kind::Window && control.kind != Kind::Image) {
        widget->setGeometry(pixelRect(control.twips));
    }
    if (control.font.pixelSize() > 0) {
        widget->setFont(windowFont(control.font));
    }
    if (control.opaque && control.kind != Kind::Button) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::Window, fromPacked(control.back));
        widget->setPalette(palette);
        widget->setAutoFillBackground(true);
    }
}

void Form1::wire() {
    for (const Control& control : game::design::form1()) {
        if (control.click == nullptr) {
            continue;
        }
        const auto handler = [this, click = control.click] { run(click); };
        if (control.kind == Kind::Button) {
            connect(&named<PushButton>(control.name), &QPushButton::clicked, this, handler);
        } else {
            auto& image = named<ImageWidget>(control.name);
            image.setClickable(true);
            connect(&image, &ImageWidget::clicked, this, handler);
        }
    }
}

template <typename T> T& Form1::named(std::string_view name) {
    const QString wanted = toQString(name);
    QWidget* widget = objectName() == wanted ? this : findChild<QWidget*>(wanted);
    T* found = dynamic_cast<T*>(widget);
    Q_ASSERT_X(found != nullptr, "Form1::named", qPrintable(wanted));
    return *found;
}

game::Controls Form1::controls() {
    const auto label = [this](std::string_view name) { return &named<LabelWidget>(name); };
    const auto image = [this](std::string_view name) { return &named<ImageWidget>(name); };
    const auto slot = [](std::string_view prefix, int n) {
        return game::design::slotName(prefix, n);
    };
    return game::Controls{
        *label("LabelCredit"),
        *label("LabelTotalWin"),
        *label("LabelStep"),
        *label("LabelDouble"),
        {label(slot("NumCard", 1)), label(slot("NumCard", 2)), label(slot("NumCard", 3)),
         label(slot("NumCard", 4)), label(slot("NumCard", 5))},
        {image(slot("Card", 1)), image(slot("Card", 2)), image(slot("Card", 3)),
         image(slot("Card", 4)), image(slot("Card", 5))},
        {image(slot("Short", 1)), image(slot("Short", 2)), image(slot("Short", 3)),
         image(slot("Short", 4)), image(slot("Short", 5))},
        *image("ImageCardPic"),
        *image("ImageCardKrest"),
        *image("ImageCardBub"),
        *image("ImageCardChervu"),
        *image("ImagePick"),
    };
}

void Form1::run(game::design::Handler handler) {
    HeldInput& held = HeldInput::instance();
    if (held.holding()) {
        // A click that reached the window during a pause other than as input (a program, an
        // assistive technology) waits its turn as input does.
        held.defer(this, [this, handler] { run(handler); });
        return;
    }
    try {
        ((*rules_).*handler)();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "vantrello: %s\n", error.what());
    }
}

void Form1::keyPressEvent(QKeyEvent* event) {
    const KeyCommand command = keyCommand(event->key(), event->modifiers(), event->isAutoRepeat());
    switch (command.action) {
    case KeyCommand::Action::Click: {
        // The key stands for a click on the control, which a hidden control does not take.
        const Control& control = game::design::control(command.control);
        if (control.click != nullptr && named<QWidget>(control.name).isVisible()) {
            run(control.click);
        }
        return;
    }
    case KeyCommand::Action::Menu:
        popupMenuByKey();
        return;
    case KeyCommand::Action::None:
        break;
    }
    QWidget::keyPressEvent(event);
}

void Form1::contextMenuEvent(QContextMenuEvent* event) {
    // The Menu key comes here, once, as Qt's context-menu event.
    if (event->reason() == QContextMenuEvent::Keyboard) {
        popupMenuByKey();
    } else {
        menu_->popup(event->globalPos());
    }
}

void Form1::popupMenuByKey() {
    // Beneath the control that has the focus, as the Menu key places it.
    const QWidget* focused = focusWidget() != nullptr ? focusWidget() : this;
    menu_->popupOnFirstEntry(focused->mapToGlobal(focused->rect().center()));
}

void Form1::closeEvent(QCloseEvent* event) {
    pauser_.closed = true;
    pauser_.interrupt();
    // Input that waited for the pause to end is for a window that is gone.
    HeldInput::instance().discard();
    event->accept();
}

} // namespace ui
