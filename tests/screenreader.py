#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Zorvane developers
"""The game as a screen reader meets it, through AT-SPI alone: no pointer, no keys.

Started by tst_screenreader inside a D-Bus session of its own, it starts the game and answers
one line per command read from stdin, after "> " (the services of the session print on the
same stdout):
  press ROLE NAME   does the first action of the showing object with that role and name
  cell K            does the "click" action of the board's cell K (0..8)
  cells             the nine cells' names, in the board's order, "|"-separated
  turn              the board window's description: where the board is, the round and whose
                    turn it is, or that the match is over
  extents           the board window's extents on the screen, then the nine cells', each
                    "x,y,width,height", "|"-separated
  value NAME        the text in the showing text box named NAME
  heard [N]         what a listener heard since the last "heard", once N things are heard (or
                    5 s passed): "shown:NAME" for a notification that became showing,
                    "focus:NAME" for an object that took the focus, "name:NAME" for a name change
  read ROLE TITLE   the names of the showing objects in that window, in reading order
  wait ROLE TITLE   "ok" once that window shows, else "timeout"
A ROLE is AT-SPI's, named as pyatspi names it without its ROLE_ prefix: push_button. Roles are
compared as roles, not by their display names, which AT-SPI changes ("push button" became
"button" in 2.56).
Replies that fail start with "error:".
"""
import os
import subprocess
import sys
import threading
import time

import pyatspi
from gi.repository import GLib

game = subprocess.Popen(sys.argv[1:], env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                                               QT_QPA_PLATFORM="xcb"))
heard = []


def listen(event):
    source = event.source
    try:
        if event.type.startswith("object:state-changed:showing"):
            if event.detail1 and source.getRole() == pyatspi.ROLE_NOTIFICATION:
                heard.append("shown:" + source.name)
        elif event.type.startswith("object:state-changed:focused"):
            if event.detail1:
                heard.append("focus:" + source.name)
        elif event.type.startswith("object:property-change:accessible-name"):
            heard.append("name:" + source.name)
    except GLib.Error:
        pass  # the object is gone already


def pump(seconds):
    """Lets the events that are on their way arrive."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if not context.iteration(False):
            time.sleep(0.01)


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.get_process_id() == game.pid:
            return app
    return None


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def descendants(node):
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield child
            yield from descendants(child)


def role(word):
    """The AT-SPI role a command names: push_button is pyatspi.ROLE_PUSH_BUTTON."""
    return getattr(pyatspi, "ROLE_" + word.upper())


def window(kind, title):
    app = application()
    for i in range(app.childCount if app else 0):
        top = app.getChildAtIndex(i)
        if top is not None and top.getRole() == kind and top.name == title and showing(top):
            return top
    return None


def board():
    for node in descendants(window(pyatspi.ROLE_FRAME, "Zorvane")):
        if node.getRole() == pyatspi.ROLE_PANEL and node.name == "Board":
            return node
    raise LookupError("no board")


def act(node, name=None):
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    index = names.index(name) if name else 0
    action.doAction(index)


def act_later(node):
    try:
        act(node)
    except GLib.Error:
        pass  # no answer while the dialog it opened is open


def answer(words):
    command = words[0]
    if command == "wait":
        kind, title = role(words[1]), " ".join(words[2:])
        end = time.monotonic() + 10
        while time.monotonic() < end:
            if application() is not None and window(kind, title) is not None:
                return "ok"
            pump(0.1)
        return "timeout"
    if command == "press":
        kind, name = role(words[1]), " ".join(words[2:])
        for top in (application().getChildAtIndex(i) for i in range(application().childCount)):
            if top is not None and showing(top):
                for node in descendants(top):
                    # A menu's items answer whether or not it is open.
                    if node.getRole() == kind and node.name == name and (
                            showing(node) or kind == pyatspi.ROLE_MENU_ITEM):
                        # An action that opens a modal dialog answers only once it closes.
                        threading.Thread(target=act_later, args=(node,), daemon=True).start()
                        pump(0.5)
                        return "ok"
        return "error: no " + words[1] + " " + name
    if command == "cell":
        act(board().getChildAtIndex(int(words[1])), "click")
        return "ok"
    if command == "cells":
        area = board()
        return "|".join(area.getChildAtIndex(k).name for k in range(9))
    if command == "value":
        name = " ".join(words[1:])
        for top in (application().getChildAtIndex(i) for i in range(application().childCount)):
            for node in descendants(top):
                if node.getRole() == pyatspi.ROLE_TEXT and node.name == name and showing(node):
                    return node.queryText().getText(0, -1)
        return "error: no text " + name
    if command == "extents":
        area = board()
        nodes = [window(pyatspi.ROLE_FRAME, "Zorvane")]
        nodes += [area.getChildAtIndex(k) for k in range(9)]
        boxes = (node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS) for node in nodes)
        return "|".join("%d,%d,%d,%d" % (box.x, box.y, box.width, box.height) for box in boxes)
    if command == "turn":
        return window(pyatspi.ROLE_FRAME, "Zorvane").description
    if command == "heard":
        # Events travel through two buses: on a loaded machine they may take a while.
        end = time.monotonic() + 5
        while len(heard) < (int(words[1]) if len(words) > 1 else 0) and time.monotonic() < end:
            pump(0.05)
        pump(0.3)
        said = "|".join(heard)
        heard.clear()
        return said
    if command == "read":
        top = window(role(words[1]), " ".join(words[2:]))
        return "|".join(n.name for n in descendants(top) if n.name and showing(n))
    return "error: unknown command " + command


pyatspi.Registry.registerEventListener(listen, "object:state-changed:showing",
                                       "object:state-changed:focused",
                                       "object:property-change:accessible-name")
try:
    for line in sys.stdin:
        try:
            reply = answer(line.split())
        except Exception as fault:  # the test reads the fault from the reply
            reply = "error: " + repr(fault)
        print("> " + reply.replace("\n", " "), flush=True)
finally:
    game.kill()
    game.wait()
