#!/usr/bin/python3
# Figures of the student program on the demo data root: time from start to the
# login window on the screen, and the peak memory of a whole attempt.
# Run by hand: tests/e2e/student_figures.py --bin build/bin
# SPDX-License-Identifier: GPL-3.0-or-later
import os
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402

SCRIPTS = os.path.join(os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__)))), "scripts")


def scenario(run):
    root = run.path("demo-root")
    subprocess.run([os.path.join(SCRIPTS, "make-demo-root"), root], check=True, stdout=subprocess.DEVNULL)
    starts = []
    for _ in range(5):
        began = time.monotonic()
        app = run.start("student", "--data-root", root)
        harness.wait_until(lambda: app.root(timeout=30).find_all(name="Student login", role="dialog"),
                           what="the login window", interval=0.005)
        starts.append(time.monotonic() - began)
        harness._stop(app.process)
    print("start to login window shown: median %.0f ms, best %.0f ms (5 starts, through AT-SPI)"
          % (statistics.median(starts) * 1000, min(starts) * 1000))

    app = run.start("student", "--data-root", root)
    login = app.window("Student login")
    app.choose(login.find_labelled("Choose class name:", role="combo box"), "A1")
    app.type_into(login.find("Input student number:", role="text"), "9")
    app.type_into(login.find("Input your first name:", role="text"), "Ann")
    app.click(login.find("OK", role="push button"))
    app.click(app.window("About Test").find("Click to start test", role="push button"))
    exam = app.window(contains="Question No:")
    for _ in range(10):
        app.click(exam.find("2.B -no", role="check box"))
        app.click(exam.find("Display answer", role="push button"))
        app.click(exam.find("Continue test", role="push button"))
        app.click(exam.find("Next", role="push button"))
    app.click(exam.find("Finish test ", role="push button"))
    app.press(app.wait_dialog(contains="Will you finsh the test really?"), "Yes")
    closing = app.wait_dialog(contains="Good Bye!")
    print("peak memory of a whole attempt: %.1f MB" % (app.peak_memory_kb() / 1024))
    app.press(closing, "OK")
    app.wait_exit()


if __name__ == "__main__":
    harness.main(scenario)
