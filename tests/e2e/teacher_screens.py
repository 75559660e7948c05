# End-to-end: the teacher's main menu and its two class windows on a small demo root,
# photographed for the documentation.
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes teacher-menu.png, manage-classes.png and manage-test.png into --shots.

Also a check that the windows open with what the roster holds: the classes in order,
the papers with their flags, and a paper's classes once it is clicked.
"""
import os
import shutil
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402
import teacher_files  # noqa: E402


def point_at(node):
    import pyatspi
    x, y, w, h = node.extents()
    pyatspi.Registry.generateMouseEvent(x + w // 2, y + h // 2, "abs")


def scenario(run):
    root = run.make_root("demo")
    teacher_files.write_roster(root, teacher_files.DEMO_ROSTER)
    source = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    shutil.copytree(os.path.join(source, "data", "help"), os.path.join(root, "help"))
    app = run.start("teacher", "--data-root", root)
    menu = app.window("Teacher End")

    # Help from the menu, then F1 in a working window: each at its own page.
    app.press(menu, "Help")
    help_window = app.window("Help")
    help_window.find(contains="Teacher End: the main menu")
    app.press(help_window, "Close")
    app.wait_gone(help_window)

    # The pointer over a button lights it up.
    point_at(menu.find(name="Manage classes", role="push button"))
    run.screenshot("teacher-menu.png", menu)

    app.press(menu, "Manage classes")
    classes = app.window("Manage classes")
    names = [n.name for n in classes.find_all(role="list item")]
    assert names == ["A1", "A2", "B1"], names
    app.click(classes.find(name="B1", role="list item"))
    harness.wait_until(lambda: classes.find(name="first", role="text").text() == "101",
                       what="class B1's numbers")
    run.screenshot("manage-classes.png", classes)
    app.key("F1")
    help_window = app.window("Help")
    help_window.find(contains="Students sit tests as members of a class")
    app.press(help_window, "Close")
    app.wait_gone(help_window)
    app.press(classes, "Cancel")
    app.wait_gone(classes)

    app.press(menu, "Manage test")
    test = app.window("Manage test")
    app.click(test.find(name="Maths midterm"))
    harness.wait_until(lambda: test.find_all(name="No"), what="the classes of Maths midterm")
    run.screenshot("manage-test.png", test)
    app.press(test, "Cancel")
    app.wait_gone(test)

    app.press(menu, "Exit")
    assert app.wait_exit() == 0
    assert teacher_files.read_roster(root)["testname"]["english 1"] == "0"  # Cancel wrote nothing


if __name__ == "__main__":
    harness.main(scenario)
