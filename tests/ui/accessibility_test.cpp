// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window as a screen reader meets it, through Qt's accessibility interfaces on the offscreen
// window: names and roles in Russian, the press actions, nothing of a card behind its back, and
// an event for every change.
#include "tests/ui/accessibility_recorder.h"
#include "tests/ui/posted_input.h"
#include "tests/ui/window_fixture.h"
#include "ui/accessibility/card_slot.h"
#include "ui/accessibility/control_accessible.h"

#include <QAccessibleActionInterface>
#include <QRegularExpression>
#include <QSet>
#include <set>

namespace ui::testing {
namespace {

using game::design::Speech;
using game::testing::rankDraw;
using game::testing::suitDraw;

const std::string kClick = "cue /opt/vantrello/click.wav";
const std::string kWin = "cue /opt/vantrello/win.wav";

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QAccessibleInterface* accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

struct Node {
    QAccessible::Role role;
    QString name;
    bool operator==(const Node&) const = default;
};

void PrintTo(const Node& node, std::ostream* out) {
    *out << "{role " << node.role << ", \"" << node.name.toStdString() << "\"}";
}

std::vector<Node> childrenOf(QAccessibleInterface* parent) {
    std::vector<Node> nodes;
    for (int i = 0; i < parent->childCount(); ++i) {
        QAccessibleInterface* child = parent->child(i);
        nodes.push_back({child->role(), child->text(QAccessible::Name)});
        EXPECT_EQ(parent->indexOfChild(child), i);
        EXPECT_EQ(child->parent(), parent) << child->text(QAccessible::Name).toStdString();
    }
    return nodes;
}

// Every interface reachable from `root`, root first.
std::vector<QAccessibleInterface*> tree(QAccessibleInterface* root) {
    std::vector<QAccessibleInterface*> all{root};
    for (std::size_t i = 0; i < all.size(); ++i) {
        for (int c = 0; c < all[i]->childCount(); ++c) {
            all.push_back(all[i]->child(c));
        }
    }
    return all;
}

// Everything an interface hands a client: every text, its text and value interfaces' contents,
// its actions and their keys.
QStringList everythingSaid(QAccessibleInterface* iface) {
    QStringList said;
    for (QAccessible::Text t : {QAccessible::Name, QAccessible::Description, QAccessible::Value,
                                QAccessible::Help, QAccessible::Accelerator}) {
        said << iface->text(t);
    }
    if (QAccessibleTextInterface* text = iface->textInterface()) {
        said << text->text(0, text->characterCount());
    }
    if (QAccessibleValueInterface* value = iface->valueInterface()) {
        said << value->currentValue().toString();
    }
    if (QAccessibleActionInterface* actions = iface->actionInterface()) {
        for (const QString& action : actions->actionNames()) {
            said << action << actions->keyBindingsForAction(action);
        }
    }
    return said;
}

// The words and numbers of the texts, Cyrillic included.
QStringList words(const QStringList& texts) {
    static const QRegularExpression gaps(QStringLiteral("[^\\w]+"),
                                         QRegularExpression::UseUnicodePropertiesOption);
    QStringList all;
    for (const QString& text : texts) {
        all << text.split(gaps, Qt::SkipEmptyParts);
    }
    return all;
}

// The texts the design table fixes: captions as designed and what each control is called.
const QSet<QString>& fixedTexts() {
    static const QSet<QString> texts = [] {
        QSet<QString> all;
        for (const game::design::Control& row : game::design::form1()) {
            all << fromView(row.caption) << fromView(row.spoken);
        }
        return all;
    }();
    return texts;
}

accessibility::CardSlot& slotOf(ScriptedWindow& w, int slot) {
    const std::string back = game::design::slotName("Short", slot);
    for (accessibility::CardSlot* s : w.window.findChildren<accessibility::CardSlot*>()) {
        if (s->row().name == back) {
            return *s;
        }
    }
    ADD_FAILURE() << "no card slot " << slot;
    std::abort();
}

QAccessibleInterface* slotInterface(ScriptedWindow& w, int slot) {
    return accessible(&slotOf(w, slot));
}

QString slotName(ScriptedWindow& w, int slot) {
    return slotInterface(w, slot)->text(QAccessible::Name);
}

// Scripts a deal with a simulated win of `win` (0 or 2..20) and each card's rank and suit given,
// dealer first.
void scriptFaces(ScriptedWindow& w, std::initializer_list<std::pair<int, int>> cards, int win = 0) {
    w.scriptWin(win);
    for (const auto& [rank, suit] : cards) {
        w.random.add({rankDraw(rank), suitDraw(suit)});
    }
}

// The description is read again each time the window gets the keyboard back: one short sentence
// that points to How to play, where the keys are.
TEST(Form1Accessibility, TheWindowTellsItsNameAndWhereTheKeysAre) {
    ScriptedWindow w;
    w.window.show();
    QAccessibleInterface* window = accessible(&w.window);
    EXPECT_EQ(window->role(), QAccessible::Window);
    EXPECT_EQ(window->text(QAccessible::Name), w.window.windowTitle());
    const QString description = window->text(QAccessible::Description);
    EXPECT_TRUE(description.contains(QStringLiteral("F1"))) << description.toStdString();
    EXPECT_LT(description.size(), 60);
}

TEST(Form1Accessibility, EveryVisibleControlIsNamedInReadingOrder) {
    ScriptedWindow w;
    w.window.show();
    const auto caption = [](const char* name) {
        return fromView(game::design::control(name).caption);
    };
    EXPECT_EQ(childrenOf(accessible(&w.window)), (std::vector<Node>{
                                                     {QAccessible::StaticText, "Total Bet: 1"},
                                                     {QAccessible::StaticText, "Total Win: 0"},
                                                     {QAccessible::StaticText, "Credit: 100"},
                                                     {QAccessible::Grouping, "Стол"},
                                                     {QAccessible::StaticText, caption("Label1")},
                                                     {QAccessible::Button, "Забрать"},
                                                     {QAccessible::Button, "Play"},
                                                     {QAccessible::StaticText, caption("Label2")},
                                                     // nothing announced yet
                                                     {QAccessible::Notification, ""},
                                                 }));
    EXPECT_EQ(childrenOf(accessible(w.find("Frame1"))),
              (std::vector<Node>{
                  {QAccessible::StaticText, "Risk Step: 1"},
                  {QAccessible::Graphic, "Карта дилера: закрыта"},
                  {QAccessible::Button, "Карта 1: закрыта"},
                  {QAccessible::Button, "Карта 2: закрыта"},
                  {QAccessible::Button, "Карта 3: закрыта"},
                  {QAccessible::Button, "Карта 4: закрыта"},
                  {QAccessible::Graphic, ""}, // the pick marker, out of sight
                  {QAccessible::StaticText, "Тестинг"},
                  {QAccessible::StaticText, "Double To: 0"},
                  {QAccessible::StaticText, caption("Label4")},
              }));
    EXPECT_TRUE(accessible(w.find("ImagePick"))->state().invisible);
}

TEST(Form1Accessibility, EveryWidgetGetsItsInterfaceFromTheDesignTable) {
    // Even with accessibility on while the window is built, when Qt asks for interfaces before
    // the widgets have their names.
    AccessibilityRecorder on;
    ScriptedWindow w;
    w.window.show();
    EXPECT_NE(dynamic_cast<accessibility::ControlAccessible*>(accessible(&w.window)), nullptr);
    for (QWidget* widget : w.window.findChildren<QWidget*>()) {
        EXPECT_NE(dynamic_cast<accessibility::ControlAccessible*>(accessible(widget)), nullptr)
            << widget->objectName().toStdString();
    }
    EXPECT_EQ(accessible(&w.window)->childCount(), 9);
}

TEST(Form1Accessibility, DecorationsTemplatesAndTheCardsPartsSayNothingAndAreNotInTheTree) {
    ScriptedWindow w;
    w.dealt(20, {12, 13, 14, 10, 11});
    std::set<QObject*> inTree;
    for (QAccessibleInterface* iface : tree(accessible(&w.window))) {
        inTree.insert(iface->object());
    }
    int silent = 0;
    for (const game::design::Control& row : game::design::form1()) {
        if (row.kind == game::design::Kind::Window) {
            continue; // the root of the tree
        }
        if (row.speech != Speech::Unseen && row.speech != Speech::CardSlot) {
            EXPECT_TRUE(inTree.count(w.find(std::string(row.name).c_str())))
                << row.name << " speaks, so it is in the tree";
            continue;
        }
        ++silent;
        QWidget* widget = w.find(std::string(row.name).c_str());
        EXPECT_FALSE(inTree.count(widget)) << row.name;
        QAccessibleInterface* iface = accessible(widget);
        EXPECT_TRUE(words(everythingSaid(iface)).isEmpty()) << row.name;
        EXPECT_TRUE(iface->state().invisible) << row.name;
        EXPECT_EQ(iface->childCount(), 0) << row.name;
        for (QAccessible::InterfaceType t :
             {QAccessible::TextInterface, QAccessible::ValueInterface, QAccessible::ActionInterface,
              QAccessible::ImageInterface}) {
            EXPECT_EQ(iface->interface_cast(t), nullptr) << row.name;
        }
    }
    // The banner, the background, the dealer's tag, the four templates, and the five backs,
    // rank labels and suit pictures of the card slots.
    EXPECT_EQ(silent, 22);
}

TEST(Form1Accessibility, EverythingInSightIsNamedAndLiesInTheWindow) {
    ScriptedWindow w;
    w.dealt(20, {12, 13, 14, 10, 11});
    QAccessibleInterface* window = accessible(&w.window);
    const QRect area = window->rect();
    for (QAccessibleInterface* iface : tree(window)) {
        if (iface->state().invisible) {
            continue;
        }
        const std::string name = iface->text(QAccessible::Name).toStdString();
        EXPECT_FALSE(name.empty()) << "role " << iface->role();
        // The announcements take no room: they lie at the window's corner.
        const QRect place = iface->rect();
        EXPECT_TRUE(place.isEmpty() ? area.contains(place.topLeft()) : area.contains(place))
            << name;
        EXPECT_TRUE(iface->isValid()) << name;
    }
}

TEST(Form1Accessibility, ValueLabelsSayWhatTheyHold) {
    ScriptedWindow w;
    w.dealt(20, {9, 3, 10, 4, 5});
    w.scriptCards({2, 2, 2, 2, 2});
    w.click("Short3"); // the 10 beats the 9: the win doubles and the chain deals again
    const std::vector<std::pair<const char*, const char*>> heard{
        {"LabelCredit", "Credit: 97"},     {"LabelTotalWin", "Total Win: 40"},
        {"LabelStep", "Risk Step: 2"},     {"LabelDouble", "Double To: 80"},
        {"LabelTotalBet", "Total Bet: 1"},
    };
    for (const auto& [control, name] : heard) {
        QAccessibleInterface* iface = accessible(w.find(control));
        EXPECT_EQ(iface->text(QAccessible::Name), QString::fromUtf8(name)) << control;
        EXPECT_EQ(iface->role(), QAccessible::StaticText) << control;
    }
}

TEST(Form1Accessibility, AFaceUpCardIsNamedByItsRankAndSuit) {
    const std::vector<std::pair<int, const char*>> ranks{
        {2, "двойка"},  {3, "тройка"},    {4, "четвёрка"}, {5, "пятёрка"},  {6, "шестёрка"},
        {7, "семёрка"}, {8, "восьмёрка"}, {9, "девятка"},  {10, "десятка"}, {11, "валет"},
        {12, "дама"},   {13, "король"},   {14, "туз"},
    };
    const std::vector<std::pair<int, const char*>> suits{
        {1, "пик"}, {2, "треф"}, {3, "бубён"}, {4, "червей"}};
    ScriptedWindow w;
    w.window.show();
    for (const auto& [rank, rankWord] : ranks) {
        for (const auto& [suit, suitWord] : suits) {
            scriptFaces(w, {{rank, suit}, {2, 1}, {2, 1}, {2, 1}, {2, 1}});
            w.click("Command1");
            EXPECT_EQ(slotName(w, 1), QStringLiteral("Карта дилера: ") +
                                          QString::fromUtf8(rankWord) + QLatin1Char(' ') +
                                          QString::fromUtf8(suitWord));
        }
    }
}

TEST(Form1Accessibility, ThePlayersCardsAfterAPickAndTheMarkerBeneathThePickedOne) {
    ScriptedWindow w;
    w.window.show();
    // The dealer's ace beats everything but an ace: the pick loses and the table stays.
    scriptFaces(w, {{14, 1}, {12, 4}, {3, 2}, {10, 3}, {11, 1}});
    w.click("Command1");
    w.click("Short3");
    EXPECT_EQ(slotName(w, 1), "Карта дилера: туз пик");
    EXPECT_EQ(slotName(w, 2), "Карта 1: дама червей");
    EXPECT_EQ(slotName(w, 3), "Карта 2: тройка треф");
    EXPECT_EQ(slotName(w, 4), "Карта 3: десятка бубён");
    EXPECT_EQ(slotName(w, 5), "Карта 4: валет пик");
    QAccessibleInterface* marker = accessible(w.find("ImagePick"));
    EXPECT_EQ(marker->text(QAccessible::Name), "Выбрана карта 2");
    EXPECT_FALSE(marker->state().invisible);
    for (int slot = 2; slot <= 5; ++slot) {
        EXPECT_TRUE(slotInterface(w, slot)->state().disabled) << "a face-up card is not picked";
        EXPECT_TRUE(slotInterface(w, slot)->actionInterface()->actionNames().isEmpty());
    }
}

TEST(Form1Accessibility, NothingTellsARankOrSuitBehindABack) {
    ScriptedWindow w;
    w.window.show();
    // The dealer's two of spades is in sight; the queen, king, ace and ten are not.
    scriptFaces(w, {{2, 1}, {12, 4}, {13, 3}, {14, 2}, {10, 4}});
    w.click("Command1");
    const QStringList hidden{"Q",   "K",       "A",      "10",    "дама", "король",
                             "туз", "десятка", "червей", "бубён", "треф"};
    const auto tellsNothingHidden = [&](const QStringList& exceptIn) {
        std::vector<QAccessibleInterface*> all = tree(accessible(&w.window));
        // Every widget's own interface too, in or out of the tree.
        for (QWidget* widget : w.window.findChildren<QWidget*>()) {
            all.push_back(accessible(widget));
        }
        for (QAccessibleInterface* iface : all) {
            const QString name = iface->text(QAccessible::Name);
            if (exceptIn.contains(name)) {
                continue;
            }
            QStringList said = everythingSaid(iface);
            // The window's fixed texts tell nothing of the cards ("Ctrl+Q" is no queen).
            said.removeIf([](const QString& text) { return fixedTexts().contains(text); });
            for (const QString& word : words(said)) {
                EXPECT_FALSE(hidden.contains(word))
                    << name.toStdString() << " tells " << word.toStdString();
            }
        }
    };
    tellsNothingHidden({slotName(w, 1)});

    // While the picked card lies face up alone, before the showdown.
    bool looked = false;
    w.pauser.meanwhile = [&](std::uint32_t ms) {
        if (ms == game::DoubleUp::kShowdownPauseMs) {
            EXPECT_EQ(slotName(w, 3), "Карта 2: король бубён");
            tellsNothingHidden({slotName(w, 1), slotName(w, 3)});
            looked = true;
        }
    };
    w.scriptCards({2, 2, 2, 2, 2});
    w.click("Short3");
    EXPECT_TRUE(looked);
}

TEST(Form1Accessibility, PressingACardPicksItAsItsKeyAndAClickOnItsBackDo) {
    for (int slot = 2; slot <= 5; ++slot) {
        ScriptedWindow w;
        w.dealt(20, {14, 3, 3, 3, 3});
        EXPECT_EQ(slotInterface(w, 1)->actionInterface(), nullptr) << "the dealer's is not picked";
        QAccessibleActionInterface* actions = slotInterface(w, slot)->actionInterface();
        ASSERT_NE(actions, nullptr);
        const QString press = QAccessibleActionInterface::pressAction();
        EXPECT_EQ(actions->actionNames(), QStringList{press});
        EXPECT_EQ(actions->keyBindingsForAction(press), QStringList{QString::number(slot - 1)});
        actions->doAction(press);
        EXPECT_TRUE(w.log.empty()) << "the press waits in the queue, as a click does";
        settle();
        EXPECT_EQ(w.log, (Log{kClick, "pause 300"}));
        EXPECT_EQ(w.image("ImagePick")->left(), game::DoubleUp::pickMarkerLeft(slot));
        EXPECT_EQ(accessible(w.find("ImagePick"))->text(QAccessible::Name),
                  QStringLiteral("Выбрана карта ") + QString::number(slot - 1));
        // Once face up the card takes no more presses.
        w.log.clear();
        slotInterface(w, slot)->actionInterface()->doAction(press);
        settle();
        EXPECT_TRUE(w.log.empty());
    }
}

TEST(Form1Accessibility, PressingTheButtonsPlaysAndCollects) {
    ScriptedWindow w;
    w.window.show();
    w.scriptDeal(20, {9, 3, 3, 3, 3});
    QAccessibleInterface* play = accessible(w.find("Command1"));
    ASSERT_TRUE(
        play->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    play->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    settle();
    EXPECT_EQ(w.text("LabelCredit"), "97");
    accessible(w.find("Command2"))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    settle();
    EXPECT_EQ(w.text("LabelCredit"), "117");
}

// How the player picks slot 3 while a pick of slot 2 is under way.
enum class PickBy { Press, Key, Click };

TEST(Form1Accessibility, APressKeyOrClickWaitingInTheQueueRunsNestedAtThePicksPump) {
    // The pick of slot 3 waits while slot 2 is picked: that inner pick (a 3 against the dealer's
    // 5) loses inside the outer, which then wins for a zero win.
    for (const PickBy by : {PickBy::Press, PickBy::Key, PickBy::Click}) {
        SCOPED_TRACE(static_cast<int>(by));
        ScriptedWindow w;
        w.dealt(20, {5, 9, 3, 9, 9});
        if (by == PickBy::Press) {
            slotInterface(w, 3)->actionInterface()->doAction(
                QAccessibleActionInterface::pressAction());
        } else if (by == PickBy::Key) {
            postKey(w.window, Qt::Key_2, Qt::NoModifier, QStringLiteral("2"));
        } else {
            postMouseClick(w.window, *w.find("Short3"));
        }
        w.scriptCards({4, 4, 4, 4, 4});
        w.click("Short2");
        EXPECT_EQ(w.log, (Log{kClick, kClick, "pause 300", "pause 300", kWin, "pause 2500"}));
        EXPECT_EQ(w.text("LabelTotalWin"), "0");
        EXPECT_EQ(w.text("LabelCredit"), "94");
        EXPECT_EQ(w.text("LabelStep"), "2");
    }
}

// Every event the window raised since the recorder was cleared comes from an object of the tree,
// and no object's name changed twice to the same name.
void expectQuietAndInTheTree(ScriptedWindow& w, const AccessibilityRecorder& recorder) {
    std::set<QObject*> inTree;
    for (QAccessibleInterface* iface : tree(accessible(&w.window))) {
        inTree.insert(iface->object());
    }
    std::set<std::pair<QObject*, QString>> named;
    for (const AccessibleEvent& e : recorder.events()) {
        EXPECT_TRUE(inTree.count(e.object))
            << "event " << e.type << " from " << e.object->objectName().toStdString();
        if (e.type == QAccessible::NameChanged) {
            EXPECT_TRUE(named.insert({e.object, e.name}).second)
                << "named twice: " << e.name.toStdString();
        }
    }
}

TEST(Form1Accessibility, ChangesAreAnnouncedOnceEachFromObjectsInTheTree) {
    AccessibilityRecorder recorder;
    ScriptedWindow w;
    w.window.show();
    settle();
    QObject* announcement = accessible(&w.window)->child(8)->object();
    const auto said = [&] {
        QStringList all;
        for (const AccessibleEvent& e : recorder.of(announcement, QAccessible::ObjectShow)) {
            all << e.name;
        }
        return all;
    };
    recorder.clear();
    scriptFaces(w, {{9, 1}, {3, 4}, {10, 1}, {4, 2}, {5, 3}}, 20);
    w.click("Command1");
    settle();
    const auto lastName = [&](QObject* object) {
        const auto named = recorder.of(object, QAccessible::NameChanged);
        return named.empty() ? QString() : named.back().name;
    };
    EXPECT_EQ(lastName(w.find("LabelCredit")), "Credit: 97");
    EXPECT_EQ(lastName(w.find("LabelTotalWin")), "Total Win: 20");
    EXPECT_EQ(lastName(w.find("LabelDouble")), "Double To: 40");
    EXPECT_EQ(recorder.of(&slotOf(w, 1), QAccessible::NameChanged).size(), 1u);
    EXPECT_EQ(lastName(&slotOf(w, 1)), "Карта дилера: девятка пик");
    EXPECT_EQ(said(), QStringList{"Карта дилера: девятка пик. Total Win: 20. Credit: 97"});
    expectQuietAndInTheTree(w, recorder);

    recorder.clear();
    QString markerShown;
    w.pauser.meanwhile = [&](std::uint32_t ms) {
        if (ms == game::DoubleUp::kShowdownPauseMs) {
            // The picked card and the marker are announced before the showdown.
            EXPECT_EQ(lastName(&slotOf(w, 3)), "Карта 2: десятка пик");
            EXPECT_EQ(recorder.of(w.find("ImagePick"), QAccessible::ObjectShow).size(), 1u);
            markerShown = lastName(w.find("ImagePick"));
        } else {
            EXPECT_EQ(said().size(), 1) << "the outcome, before the next deal";
        }
    };
    w.scriptCards({2, 2, 2, 2, 2});
    w.click("Short3");
    settle();
    EXPECT_EQ(markerShown, "Выбрана карта 2");
    const auto turned = recorder.of(&slotOf(w, 2), QAccessible::NameChanged);
    ASSERT_EQ(turned.size(), 2u) << "turned up after the showdown, down again by the next deal";
    EXPECT_EQ(turned.front().name, "Карта 1: тройка червей");
    EXPECT_EQ(turned.back().name, "Карта 1: закрыта");
    const auto disabled = recorder.of(&slotOf(w, 2), QAccessible::StateChanged);
    ASSERT_EQ(disabled.size(), 2u);
    EXPECT_TRUE(disabled.front().changed.disabled);
    EXPECT_EQ(lastName(w.find("LabelTotalWin")), "Total Win: 40");
    EXPECT_EQ(lastName(w.find("LabelStep")), "Risk Step: 2");
    EXPECT_EQ(lastName(w.find("LabelDouble")), "Double To: 80");
    EXPECT_EQ(recorder.of(w.find("ImagePick"), QAccessible::ObjectHide).size(), 1u)
        << "the next deal parks the marker out of sight";
    EXPECT_EQ(said(), (QStringList{
                          "Победа: десятка пик. Total Win: 40",
                          "Карта дилера: двойка пик. Новая раздача. Risk Step: 2. Total Win: 40"}));
    expectQuietAndInTheTree(w, recorder);

    recorder.clear();
    w.click("Command2");
    settle();
    EXPECT_EQ(said(), QStringList{"Credit: 137"});
    expectQuietAndInTheTree(w, recorder);
}

} // namespace
} // namespace ui::testing
