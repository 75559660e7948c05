# End-to-end: the teacher program from start-up to a saved class, and the password login.
# SPDX-License-Identifier: GPL-3.0-or-later
"""Two runs of the real teacher program on temporary data roots.

1. No password stored: the splash is followed by the main menu "Teacher End" at once.
   "Manage classes" creates class E2E, its numbers are typed, OK saves it to the roster.
2. A password stored: the login refuses a wrong one with "Incorrect!Please enter again!"
   and opens the main menu for the right one.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402
import teacher_files  # noqa: E402


def no_password_creates_a_class(run):
    root = run.make_root("open")
    teacher_files.write_roster(root, "[ClassName]\nClassNameCount=1\n1=A1\n"
                                     "[ClassCount]\nA1=30\n[FirstNumber]\nA1=1\n[LastNumber]\nA1=30\n")
    app = run.start("teacher", "--data-root", root)
    menu = app.window("Teacher End")
    assert not [w for w in app.windows() if w.name == "Login"], "no password: no login"

    app.press(menu, "Manage classes")
    classes = app.window("Manage classes")
    app.press(classes, "Create")
    ask = app.window("Please enter the name fo new class:")
    app.type_into(ask.find(role="text"), "E2E")
    app.press(ask, "OK")
    app.wait_gone(ask)

    app.click(classes.find(name="E2E", role="list item"))
    harness.wait_until(lambda: classes.find(name="Class name", role="text").text() == "E2E",
                       what="the new class to be selected")
    count = classes.find(name="Testee account", role="text")
    app.type_into(count, "25")
    harness.wait_until(lambda: count.text() == "25", what="the count to read 25")
    first = classes.find(name="first", role="text")
    app.type_into(first, "101")
    last = classes.find(name="last ", role="text")
    harness.wait_until(lambda: last.text() == "125", what="the last number to follow (125)")
    app.press(classes, "OK")
    app.wait_gone(classes)

    roster = teacher_files.read_roster(root)
    assert roster["classname"]["classnamecount"] == "2", roster["classname"]
    assert roster["classname"]["2"] == "E2E", roster["classname"]
    assert roster["classcount"]["e2e"] == "25", roster["classcount"]
    assert roster["firstnumber"]["e2e"] == "101", roster["firstnumber"]
    assert roster["lastnumber"]["e2e"] == "125", roster["lastnumber"]

    app.press(menu, "Exit")
    assert app.wait_exit() == 0


def type_password(app, entry, text):
    """A masked entry tells nothing of its text over AT-SPI: click, wait for focus, type."""
    app.click(entry)
    harness.wait_until(lambda: "focused" in entry.states(), what="the password entry to take the focus")
    app.type(text)


def password_login(run):
    root = run.make_root("locked")
    teacher_files.write_roster(root, "[Admin]\npwd=Secret 1\n")
    app = run.start("teacher", "--data-root", root)
    login = app.window("Login")
    entry = login.find(name="Please Enter Password:", role="password text")
    type_password(app, entry, "secret 1")
    app.press(login, "OK")
    box = app.wait_dialog(contains="Incorrect!Please enter again!")
    app.press(box, "OK")
    app.wait_gone(box)
    assert not [w for w in app.windows() if w.name == "Teacher End"], "wrong password: no menu"

    type_password(app, entry, "Secret 1")
    app.press(login, "OK")
    app.window("Teacher End")
    app.wait_gone(login)


def scenario(run):
    no_password_creates_a_class(run)
    password_login(run)


if __name__ == "__main__":
    harness.main(scenario)
