#!/usr/bin/python3
# The student program end to end: a testee logs in, answers three questions, uses
# the question selector, finishes, and cannot sit the paper a second time; a second
# copy of the program is refused while the first runs.
# SPDX-License-Identifier: GPL-3.0-or-later
import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402
import quorin_files  # noqa: E402


def write_root(root):
    quorin_files.write_roster(root, classes=[("A1", 1, 30)], papers=["Maths"])
    questions = [("Which is the first letter?", ["A", "B", "C"], "1"),
                 ("Which letters are vowels?", ["A", "B", "E"], "13"),
                 ("2 + 2 = ?", ["3", "4", "5"], "2"),
                 ("3 x 3 = ?", ["6", "9", "12"], "2"),
                 ("Is the sky green?", ["yes", "no"], "2")]
    quorin_files.write_paper(root, "Maths", questions, mark=10,
                             settings={"TESTTIME": "30", "EXERCISEMODE": "0", "RETESTPASSWD": "",
                                       "RELOGINPASSWD": "579", "DISPLAY_SCORE": "1",
                                       "CHANGE_QUESTION_SORT": "0", "about_test": "Five short questions"})


def log_in(app, number, first, last):
    login = app.window("Student login")
    app.choose(login.find_labelled("Choose class name:", role="combo box"), "A1")
    app.type_into(login.find("Input student number:", role="text"), number)
    app.type_into(login.find("Input your first name:", role="text"), first)
    app.type_into(login.find("Input your last name:", role="text"), last)
    app.click(login.find("OK", role="push button"))
    return login


def scenario(run):
    root = run.make_root()
    write_root(root)
    app = run.start("student", "--data-root", root)
    log_in(app, "007", "Tom", "Lee")

    about = app.window("About Test")
    assert about.find(name="  Five short questions", role="label")
    assert about.find(name="50", role="label")
    app.click(about.find("Click to start test", role="push button"))

    exam = app.window("A1 7 Tom Lee")
    assert exam.find(contains="Question No:1", role="panel")
    # The window system shows exactly the testee, with nothing appended.
    titles = harness.wait_until(lambda: [t for t in run.window_titles() if "Tom" in t],
                                what="the exam window's title")
    assert titles == ["A1 7 Tom Lee"], titles
    # A second copy on the same computer is refused while this one runs.
    second = run.start("student", "--data-root", root)
    refusal = second.wait_dialog(contains="The test program has been running!")
    second.press(refusal, "OK")
    assert second.wait_exit() == 0

    app.click(exam.find("1.A -yes", role="check box"))
    app.click(exam.find("Next", role="push button"))
    exam.find(contains="Question No:2", role="panel")
    app.click(exam.find("3.C", role="check box"))
    app.click(exam.find("1.A -yes", role="check box"))
    # The selector: straight to question 5.
    app.click(exam.find("5", role="push button"))
    exam.find(contains="Question No:5", role="panel")
    app.click(exam.find("2.B -no", role="check box"))
    harness.wait_until(exam.find("2.B -no", role="check box").is_checked, what="B to be ticked")
    exam.find(pattern=r"00:(29|30):\d\d", role="label")

    app.click(exam.find("Finish test ", role="push button"))
    question = app.wait_dialog(contains="Will you finsh the test really?")
    app.press(question, "Yes")
    closing = app.wait_dialog(contains="Your test mark is:")
    text = " ".join(label.name for label in closing.find_all(role="label"))
    assert "The test full mark is:50" in text, text
    assert "Your test mark is:30" in text, text
    app.press(closing, "OK")
    assert app.wait_exit() == 0

    record = quorin_files.read_profile(os.path.join(root, "CHENGJI", "Maths", "A17.cho"))["A1"]
    assert record["7"] == "Tom" and record["7LAST"] == "Lee", record
    assert re.fullmatch(r"\d{4},\d\d,\d\d  \d\d:\d\d:\d\d", record["7TIME1"]), record
    assert re.fullmatch(r"00:(29|30):\d\d", record["7TIME2"]), record
    assert [record["7DA%d" % q] for q in range(1, 6)] == ["1", "13", "0", "0", "2"], record
    assert record["7DF"] == "30", record

    # The same testee again: the paper has no retest password.
    again = run.start("student", "--data-root", root)
    login = log_in(again, "7", "Tom", "Lee")
    refusal = again.wait_dialog(contains="The student has finished test,you can't retest!")
    again.press(refusal, "OK")
    again.wait_gone(refusal)
    assert login.is_showing()
    again.click(login.find("Cancel", role="push button"))
    assert again.wait_exit() == 0


if __name__ == "__main__":
    harness.main(scenario)
