# End-to-end: a teacher makes the first paper of a data root in "Manage paper", and the
# student program offers it.
# SPDX-License-Identifier: GPL-3.0-or-later
"""One run of the real teacher program, then of the student program, on a data root
that has a class and no paper yet.

In "Manage paper" the teacher creates "Week 1", sets the test time, two grade scores and
the relogin password, unticks and ticks "Allow to test" again, and presses OK. The paper
file then holds exactly the twelve settings keys with those values, the roster lists the
paper as offered, and the student login lists it. Writes manage-paper.png into --shots.
"""
import os
import shutil
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402
import quorin_files  # noqa: E402
import teacher_files  # noqa: E402

PAPER = "Week 1"


def retype(app, field, text):
    """Empties a number or text field from its end and types anew."""
    app.click(field)
    harness.wait_until(lambda: "focused" in field.states(), what="%r to take the focus" % field)
    app.key("End")
    for _ in range(len(field.text())):
        app.key("BackSpace")
    app.type(text)
    harness.wait_until(lambda: field.text() == text, what="%r to read %r" % (field, text))


def create_paper(app, menu):
    app.press(menu, "Manage paper")
    papers = app.window("Manage paper")
    assert not papers.find_all(role="list item"), "a root without papers shows an empty list"
    app.press(papers, "Create paper")
    ask = app.window("Input paper name")
    app.type_into(ask.find(role="text"), PAPER)
    app.press(ask, "OK")
    app.wait_gone(ask)
    papers.find(name=PAPER, role="list item")
    about = papers.find(name="About test", role="text")
    harness.wait_until(lambda: about.text() == PAPER, what="the new paper to be shown")

    retype(app, papers.find(name="test time", role="text"), "45")
    retype(app, papers.find(name="A score", role="text"), "95")
    retype(app, papers.find(name="D score", role="text"), "50")
    retype(app, papers.find(name="relogin password", role="text"), "2468")
    allow = papers.find(name="Allow to test", role="check box")
    assert allow.is_checked(), "a new paper is offered"
    app.click(allow)
    harness.wait_until(lambda: not allow.is_checked(), what="Allow to test to be unticked")
    app.click(allow)
    harness.wait_until(allow.is_checked, what="Allow to test to be ticked")
    return papers


def screenshot(run):
    """The window on a root of three papers, as the documentation shows it."""
    root = run.make_root("shot")
    names = ["代数 第一单元", "Physics quiz", "English 1"]
    quorin_files.write_roster(root, classes=[("A1", 1, 30)], papers=names)
    question = [("2 + 2 = ?", ["3", "4", "5"], "2")]
    for number, name in enumerate(names):
        quorin_files.write_paper(root, name, question * (5 + number), mark=4,
                                 settings={"TESTTIME": 40 + 5 * number, "EXERCISEMODE": number % 2,
                                           "RETESTPASSWD": "468", "RELOGINPASSWD": "579" if number else "",
                                           "DISPLAY_SCORE": "1", "CHANGE_QUESTION_SORT": "1",
                                           "A_grade": "90", "B_grade": "80", "C_grade": "70", "D_grade": "60",
                                           "Author": "王老师", "about_test": "第一单元：一元一次方程，共 %d 题" % (5 + number)})
    app = run.start("teacher", "--data-root", root)
    menu = app.window("Teacher End")
    app.press(menu, "Manage paper")
    papers = app.window("Manage paper")
    author = papers.find(name="author", role="text")
    harness.wait_until(lambda: author.text() == "王老师", what="the first paper to be shown")
    run.screenshot("manage-paper.png", papers)
    app.press(papers, "Cancel")
    app.wait_gone(papers)
    app.press(menu, "Exit")
    assert app.wait_exit() == 0


def scenario(run):
    screenshot(run)
    root = run.make_root("first")
    quorin_files.write_roster(root, classes=[("A1", 1, 30)], papers=[])
    source = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    shutil.copytree(os.path.join(source, "data", "help"), os.path.join(root, "help"))

    app = run.start("teacher", "--data-root", root)
    menu = app.window("Teacher End")
    papers = create_paper(app, menu)
    app.key("F1")
    help_window = app.window("Help")
    help_window.find(contains="Here you keep the list of test papers")
    app.press(help_window, "Close")
    app.wait_gone(help_window)
    app.press(papers, "OK")
    app.wait_gone(papers)
    app.press(menu, "Exit")
    assert app.wait_exit() == 0

    paper_file = os.path.join(root, "SHIJUAN", PAPER, PAPER + ".cho")
    main = quorin_files.read_profile(paper_file)["MAIN"]
    expected = {"TESTTIME": "45", "EXERCISEMODE": "0", "RETESTPASSWD": "468", "RELOGINPASSWD": "2468",
                "DISPLAY_SCORE": "1", "CHANGE_QUESTION_SORT": "1", "A_grade": "95", "B_grade": "80",
                "C_grade": "70", "D_grade": "50", "Author": "", "about_test": PAPER}
    assert main == expected, main
    with open(paper_file, "rb") as f:
        assert f.read().count(b"\r\n") == 13, "CRLF line ends"
    assert os.path.isdir(os.path.join(root, "CHENGJI", PAPER)), "the result folder is made"
    names = teacher_files.read_roster(root)["testname"]
    assert names["testnamecount"] == "1" and names["1"] == PAPER and names[PAPER.lower()] == "1", names

    student = run.start("student", "--data-root", root)
    login = student.window("Student login")
    tests = login.find_labelled("Choose test name:", role="combo box")
    offered = [n.name for n in tests.find_all(role="list item", showing=False)]
    assert offered == [PAPER], offered
    student.press(login, "Cancel")
    assert student.wait_exit() == 0


if __name__ == "__main__":
    harness.main(scenario)
