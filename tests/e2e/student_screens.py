#!/usr/bin/python3
# The student program on the demo data root, looked at as a person would: the
# login window and the exam window, photographed. With --shots docs the pictures
# of the README are made anew.
# SPDX-License-Identifier: GPL-3.0-or-later
import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402

SCRIPTS = os.path.join(os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__)))), "scripts")


def scenario(run):
    root = run.path("demo-root")
    subprocess.run([os.path.join(SCRIPTS, "make-demo-root"), root], check=True, stdout=subprocess.DEVNULL)
    app = run.start("student", "--data-root", root)
    login = app.window("Student login")
    app.choose(login.find_labelled("Choose class name:", role="combo box"), "A1")
    app.type_into(login.find("Input student number:", role="text"), "7")
    app.type_into(login.find("Input your first name:", role="text"), "Mei")
    app.type_into(login.find("Input your last name:", role="text"), "Chen")
    run.screenshot("student-login.png", login, margin=1)
    app.click(login.find("OK", role="push button"))

    about = app.window("About Test")
    app.click(about.find("Click to start test", role="push button"))
    exam = app.window("A1 7 Mei Chen")
    # The question with the picture.
    for _ in range(10):
        if exam.find_all(role="text", contains="The picture shows"):
            break
        app.click(exam.find("Next", role="push button"))
    app.click(exam.find("1.A -yes", role="check box"))
    app.click(exam.find("Display answer", role="push button"))
    exam.find(contains="Your answer is", role="panel")
    run.screenshot("student-exam.png", exam, margin=1)

    app.click(exam.find("Finish test ", role="push button"))
    app.press(app.wait_dialog(contains="Will you finsh the test really?"), "Yes")
    app.press(app.wait_dialog(contains="Good Bye!"), "OK")
    assert app.wait_exit() == 0


if __name__ == "__main__":
    harness.main(scenario)
