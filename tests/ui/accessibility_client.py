#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Vantrello developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Reads the running game through the AT-SPI accessibility bus, as a screen reader does.

Checks the tree at the start, after "Play" (pressed through its accessible action) and after
picks (through the cards' accessible actions): every control in sight has a meaningful name, the
values say what they are, the face-down cards tell nothing of their rank or suit anywhere, the
four cards can be pressed, and changes arrive as events, every one from an object of the tree.
What happens is announced as a screen reader speaks it: a notification shown, after Play, each
pick, each new deal and the collect, pressed through the accessible action of "Забрать" once a
pick has won or tied. The game is left running, for the caller to end.

Usage: accessibility_client.py
"""

import re
import sys
import time

import pyatspi
from gi.repository import Atspi, GLib

RANKS = ("двойка тройка четвёрка пятёрка шестёрка семёрка восьмёрка девятка десятка "
         "валет дама король туз").split()
SUITS = "пик треф бубён червей".split()
CARD = "(%s) (%s)" % ("|".join(RANKS), "|".join(SUITS))
RANK_TEXTS = {str(n) for n in range(2, 11)} | set("JQKA")
PLAYER_CARDS = ["Карта %d" % n for n in range(1, 5)]
DEALER = "Карта дилера"
FACE_DOWN = "закрыта"
TIMEOUT = 15
# Picks are made until one loses, and then until one wins or ties: each pick loses with a chance
# of 78 in 169, so 16 all end the other way about once in 20000 runs.
MAX_PICKS = 16
LISTENER = None  # the one Listener, whose announcements a failed wait shows


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


class Listener:
    """Collects name and state changes with the name their object has when they arrive, and the
    announcements: notifications shown, which a screen reader speaks at once."""

    def __init__(self):
        self.events = []
        self.announced = []
        self.strays = []
        pyatspi.Registry.registerEventListener(
            self.on_event, "object:property-change:accessible-name", "object:state-changed")

    def on_event(self, event):
        try:
            name = event.source.name if event.source else ""
            role = event.source.getRole() if event.source else pyatspi.ROLE_INVALID
        except GLib.Error:
            name, role = "", None
        if role == pyatspi.ROLE_INVALID:
            self.strays.append(event.type)
        if (role == pyatspi.ROLE_NOTIFICATION and event.type == "object:state-changed:showing"
                and event.detail1):
            self.announced.append(name)
        self.events.append((event.type, name, event.detail1, event.source))

    def announcement(self, pattern):
        """The first announcement that matches `pattern` whole, taken off the list."""
        for i, text in enumerate(self.announced):
            if re.fullmatch(pattern, text):
                return self.announced.pop(i)
        return None

    def names(self):
        return [name for kind, name, _, _ in self.events
                if kind == "object:property-change:accessible-name"]

    def renamed(self, obj):
        """Whether a name change of `obj` arrived. Its name is read when the event is handled,
        which may be after the game moved on, so the event is matched by its object."""
        return any(kind == "object:property-change:accessible-name" and source == obj
                   for kind, _, _, source in self.events)


def pump():
    context = GLib.MainContext.default()
    while context.iteration(False):
        pass


def wait_for(what, found):
    """Polls `found` until it returns something true, dispatching events meanwhile."""
    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline:
        pump()
        try:
            result = found()
        except GLib.Error:
            result = None  # an object went away while it was read: the window is changing
        if result:
            return result
        time.sleep(0.05)
    fail("timed out waiting for " + what + ("; announced: %s" % LISTENER.announced))


def game_frame():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "vantrello" and app.childCount > 0:
            return app[0]
    return None


def snapshot(frame):
    """Every object below the frame: what a client can read of it."""
    objects = []

    def visit(obj):
        states = obj.getState()
        entry = {
            "role": obj.getRoleName(),
            "name": obj.name,
            "description": obj.description,
            "showing": states.contains(pyatspi.STATE_SHOWING),
            "enabled": states.contains(pyatspi.STATE_ENABLED),
            "actions": [],
            "text": "",
            "extents": None,
            "object": obj,
        }
        try:
            action = obj.queryAction()
            entry["actions"] = [(action.getName(i), action.getKeyBinding(i))
                                for i in range(action.nActions)]
        except NotImplementedError:
            pass
        try:
            text = obj.queryText()
            entry["text"] = text.getText(0, -1)
        except NotImplementedError:
            pass
        try:
            e = obj.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            entry["extents"] = (e.x, e.y, e.width, e.height)
        except NotImplementedError:
            pass
        objects.append(entry)
        for child in obj:
            visit(child)

    for child in frame:
        visit(child)
    return objects


def by_name(objects):
    return {o["name"]: o for o in objects if o["showing"]}


def named(objects, prefix):
    """The one object in sight whose name starts with `prefix: `, announcements aside."""
    found = [o for o in objects if o["showing"] and o["role"] != "notification"
             and o["name"].startswith(prefix + ": ")]
    if len(found) != 1:
        fail("expected one object named '%s: ...', found %s" % (prefix, [o["name"] for o in found]))
    return found[0]


def value(objects, prefix):
    name = named(objects, prefix)["name"]
    match = re.fullmatch(re.escape(prefix) + r": (-?\d+)", name)
    if not match:
        fail("%s does not say a whole number: %s" % (prefix, name))
    return int(match.group(1))


def check_tree(frame, objects, face_up):
    """Rules for any moment: names, places, and nothing told of a face-down card."""
    fx, fy, fw, fh = frame.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    for o in objects:
        if not o["showing"]:
            continue
        if not o["name"].strip():
            fail("an unnamed %s in sight" % o["role"])
        if o["extents"] is None and o["role"] == "notification":
            continue  # an announcement has no place on the screen
        x, y, w, h = o["extents"]
        if not (fx <= x and fy <= y and x + w <= fx + fw and y + h <= fy + fh):
            fail("%s lies outside the window: %s" % (o["name"], o["extents"]))
    for o in objects:
        if o["role"] == "notification":
            # Read apart from the cards it names, as the table changes; the announcements are
            # checked whole as they arrive, each naming only the card just dealt or picked.
            continue
        said = [o["name"], o["description"], o["text"]] + [a for a, _ in o["actions"]]
        for text in said:
            if text.strip() in RANK_TEXTS:
                fail("an object tells a bare rank: %r (%s)" % (text, o["role"]))
            if text in face_up:
                continue
            words = set(re.findall(r"\w+", text))
            told = words & (set(RANKS) | set(SUITS))
            if told:
                fail("%r tells %s of a card that is not face up" % (text, sorted(told)))
    for card in [DEALER] + PLAYER_CARDS:
        name = named(objects, card)["name"]
        if not re.fullmatch(re.escape(card) + ": (%s|%s)" % (FACE_DOWN, CARD), name):
            fail("a card slot says: " + name)
    for prefix in ("Total Bet", "Total Win", "Credit", "Risk Step", "Double To"):
        value(objects, prefix)


def face_up_names(objects):
    return {o["name"] for o in objects
            if o["showing"] and re.fullmatch("Карта .+: " + CARD, o["name"])}


def press(obj, expected_key=None):
    action = obj.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if "Press" not in names:
        fail("%s cannot be pressed: %s" % (obj.name, names))
    index = names.index("Press")
    if expected_key is not None and action.getKeyBinding(index) != expected_key:
        fail("%s is pressed by key %r, not %r" % (obj.name, action.getKeyBinding(index),
                                                    expected_key))
    action.doAction(index)


def rank(name):
    """The place in RANKS of the card that `name` ("Карта 2: дама червей") tells."""
    return RANKS.index(name.split(": ")[1].split(" ")[0])


def settled(frame, card):
    """The table once a pick of `card` is over, as ("lost", objects) or, after a won or tied pick
    and its pause, ("dealt again", objects); None while the cards are still turning."""
    objects = snapshot(frame)
    # The same twice over: not read half before and half after the game changed.
    if [(o["name"], o["showing"]) for o in objects] != [
            (o["name"], o["showing"]) for o in snapshot(frame)]:
        return None
    cards = [named(objects, c)["name"] for c in PLAYER_CARDS]
    if all(n.endswith(FACE_DOWN) for n in cards):
        return ("dealt again", objects)
    if any(n.endswith(FACE_DOWN) for n in cards):
        return None
    check_tree(frame, objects, face_up_names(objects))
    if rank(named(objects, DEALER)["name"]) > rank(named(objects, card)["name"]):
        return ("lost", objects)
    return None


def play(frame, listener):
    """Presses "Play" through its accessible action after a lost pick; returns the table dealt."""
    press(by_name(snapshot(frame))["Play"]["object"])
    objects = wait_for("a deal after Play", lambda: (
        lambda result: result[1] if result and result[0] == "dealt again" else None)(
        settled(frame, PLAYER_CARDS[0])))
    check_tree(frame, objects, face_up_names(objects))
    print("announced: " + wait_for("the deal announced", lambda: listener.announcement(
        DEALER + ": " + CARD + r"\. Total Win: \d+(\. Credit: -?\d+)?")))
    return objects


def pick_until(frame, listener, objects, wanted):
    """Picks through the cards' accessible actions, the first card first, until a pick ends as
    `wanted`: "lost", the cards left face up, the one moment a client can read them while the game
    pauses without answering; or "dealt again", won or tied and the next deal in. A lost pick is
    followed by "Play" when a win is wanted. Returns the table then and the card picked last."""
    for attempt in range(MAX_PICKS):
        card = PLAYER_CARDS[attempt % 4]
        slots = [named(objects, c)["object"] for c in PLAYER_CARDS]
        listener.events.clear()
        press(named(objects, card)["object"], str(attempt % 4 + 1))
        wait_for("all four cards turned and announced",
                 lambda: all(listener.renamed(slot) for slot in slots))
        outcome, objects = wait_for("the table after the pick", lambda: settled(frame, card))
        check_tree(frame, objects, face_up_names(objects))
        print("pick of %s: %s" % (card, outcome))
        print("announced: " + wait_for("the pick announced", lambda: listener.announcement(
            r"(Победа|Проигрыш|Ничья): " + CARD + r"\. Total Win: \d+")))
        if outcome == "dealt again":
            print("announced: " + wait_for("the next deal announced", lambda: listener.announcement(
                DEALER + ": " + CARD + r"\. Новая раздача\. Risk Step: \d+\. Total Win: \d+"
                + r"(\. Credit: \d+)?")))
        if outcome == wanted:
            return objects, card
        if outcome == "lost":
            objects = play(frame, listener)
    fail("no pick %s in %d" % (wanted, MAX_PICKS))
    return None


def main():
    # The game answers nothing while a pick pauses; wait longer than its longest pause.
    Atspi.set_timeout(10000, 15000)
    listener = Listener()
    global LISTENER
    LISTENER = listener
    frame = wait_for("the game's window on the accessibility bus", game_frame)

    # At the start.
    if "Vantrello" not in frame.name:
        fail("the window is called " + frame.name)
    # A short description, read again whenever the window gets the keyboard back: it points to
    # F1, where the keys are.
    if "F1" not in frame.description or len(frame.description) > 60:
        fail("the window's description is not a short pointer to F1: " + frame.description)
    start = snapshot(frame)
    check_tree(frame, start, set())
    names = by_name(start)
    expected = {"Total Bet: 1", "Total Win: 0", "Credit: 100", "Risk Step: 1", "Double To: 0", "Стол",
                "Play", "Забрать", DEALER + ": " + FACE_DOWN}
    expected |= {card + ": " + FACE_DOWN for card in PLAYER_CARDS}
    if not expected <= set(names):
        fail("missing at the start: %s" % sorted(expected - set(names)))
    pressable = {o["name"]: o["actions"] for o in start if o["actions"]}
    for n, card in enumerate(PLAYER_CARDS, 1):
        if pressable.get(card + ": " + FACE_DOWN) != [("Press", str(n))]:
            fail("%s is not pressed by its key: %s" % (card, pressable))
    if DEALER + ": " + FACE_DOWN in pressable:
        fail("the dealer's card can be pressed")
    # Eight controls of the window and nine of the table in sight; the pick marker is parked out
    # of sight, nothing is announced yet, and the decorations, templates and the cards' own
    # parts are not in the tree.
    if len(start) != 19 or len([o for o in start if o["showing"]]) != 17:
        fail("expected 17 objects in sight of 19: %s" % [(o["name"], o["showing"]) for o in start])
    print("start: %d objects in sight, all named" % len([o for o in start if o["showing"]]))

    # "Play", through its accessible action.
    press(names["Play"]["object"])
    dealt = wait_for("the dealer's card face up after Play", lambda: [
        o for o in snapshot(frame) if re.fullmatch(DEALER + ": " + CARD, o["name"])])
    after_play = snapshot(frame)
    check_tree(frame, after_play, {dealt[0]["name"]})
    if value(after_play, "Credit") != 97:
        fail("Play did not cost 3 credits: " + named(after_play, "Credit")["name"])
    if value(after_play, "Double To") != 2 * value(after_play, "Total Win"):
        fail("the doubled amount is not twice the win")
    wait_for("the credit and the dealer's card announced", lambda: {
        "Credit: 97", dealt[0]["name"]} <= set(listener.names()))
    print("after Play: " + dealt[0]["name"])
    print("announced: " + wait_for("the deal announced", lambda: listener.announcement(
        re.escape(dealt[0]["name"]) + r"\. Total Win: \d+\. Credit: 97")))

    # Picks until one loses; the ranks a client reads tell the outcome.
    objects, card = pick_until(frame, listener, after_play, "lost")
    marker = "Выбрана " + card[0].lower() + card[1:]
    if marker not in by_name(objects):
        fail("no marker in sight beneath the picked card: " + marker)
    for c in PLAYER_CARDS:
        o = named(objects, c)
        if not re.fullmatch(re.escape(c) + ": " + CARD, o["name"]):
            fail("a card after a lost pick says: " + o["name"])
        if o["enabled"] or o["actions"]:
            fail("a face-up card can still be pressed: " + o["name"])

    # "Play" again, picks until one wins or ties, and the win collected through "Забрать".
    play(frame, listener)
    objects, _ = pick_until(frame, listener, snapshot(frame), "dealt again")
    press(by_name(objects)["Забрать"]["object"])
    collected = wait_for("the collect announced", lambda: listener.announcement(r"Credit: \d+"))
    if collected != named(snapshot(frame), "Credit")["name"]:
        fail("announced %r, but the window says %r" % (
            collected, named(snapshot(frame), "Credit")["name"]))
    print("announced: " + collected)
    if listener.strays:
        fail("events from objects outside the tree: %s" % sorted(set(listener.strays)))
    print("PASS: the tree at start, after Play and after picks; Play, the cards and Забрать pressed")


if __name__ == "__main__":
    main()
