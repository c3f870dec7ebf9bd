#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""What a screen reader learns of a program over the accessibility bus (AT-SPI).

usage: atspi_probe.py focused APP     the focused objects: role|name|text, one a line
       atspi_probe.py named APP WINDOW SUFFIX
                                      the objects of the window named WINDOW whose name
                                      ends so: name|text|description
       atspi_probe.py listen SECONDS  what shows up meanwhile: role|name, one a line, after
                                      a line "ready"
"""
import sys

import pyatspi
from gi.repository import GLib


def one_line(text):
    return " ".join(text.split("\n"))


def walk(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def text_of(node):
    try:
        return node.queryText().getText(0, -1)
    except NotImplementedError:
        return ""


def nodes(app):
    for program in pyatspi.Registry.getDesktop(0):
        if program is not None and program.name == app:
            yield from walk(program)


def focused(app):
    for node in nodes(app):
        if node.getState().contains(pyatspi.STATE_FOCUSED):
            print(f"{node.getRoleName()}|{one_line(node.name)}|{text_of(node)}")


def named(app, window, suffix):
    for program in pyatspi.Registry.getDesktop(0):
        if program is None or program.name != app:
            continue
        for i in range(program.childCount):
            try:  # a window the program has let go of since may be listed still, and fail
                shown = program.getChildAtIndex(i)
                if shown is None or shown.name != window:
                    continue
                lines = [f"{node.name}|{text_of(node)}|{one_line(node.description)}"
                         for node in walk(shown) if node.name.endswith(suffix)]
            except Exception:
                continue
            print("\n".join(lines))


def listen(seconds):
    def shown(event):
        if event.detail1:
            print(f"{event.source.getRoleName()}|{one_line(event.source.name)}", flush=True)

    pyatspi.Registry.registerEventListener(shown, "object:state-changed:showing")
    print("ready", flush=True)
    GLib.timeout_add(int(seconds * 1000), pyatspi.Registry.stop)
    pyatspi.Registry.start()


if sys.argv[1] == "focused":
    focused(sys.argv[2])
elif sys.argv[1] == "named":
    named(sys.argv[2], sys.argv[3], sys.argv[4])
else:
    listen(float(sys.argv[2]))
