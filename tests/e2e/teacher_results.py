# End-to-end: "View achievement" in the real teacher program, on a class with finished,
# running and never-started testees; and the program's end when there is no test.
# SPDX-License-Identifier: GPL-3.0-or-later
"""Two runs of the teacher program.

1. Main-menu button 4 opens the results of Maths for class A1: the rows, a sort by
   score, "Allow retest" on the selected testee (written to its record at once), the
   help page with F1, "Output to EXCEL" (a workbook in the documents folder), and
   "Return".
2. A roster without tests: "Sorry!No test now." and the program ends.
"""
import os
import shutil
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402
import teacher_files  # noqa: E402

ROSTER = """
[ClassName]
ClassNameCount=1
1=A1
[ClassCount]
A1=4
[FirstNumber]
A1=1
[LastNumber]
A1=4
[TestName]
TestNameCount=1
1=Maths
Maths=1
"""

PAPER = """
[MAIN]
TESTTIME=30
A_grade=90
B_grade=80
C_grade=70
D_grade=60
Question_conut=2
[1]
QUESTION=q1.rtf
ANSWER=13
[2]
QUESTION=q2.rtf
ANSWER=2
"""

RECORDS = {
    1: "[A1]\n1=李\n1LAST=明\n1TIME1=2024,05,12  09:30:00\n1TIME2=00:05:12\n1DA1=13\n1DA2=1\n1DF=85\n",
    2: "[A1]\n2=Wu\n2LAST=\n2TIME1=2024,05,12  09:30:00\n2TIME2=00:00:00\n2DA1=13\n2DA2=2\n2DF=95\n",
    3: "[A1]\n3=Ma\n3LAST=\n3TIME1=2024,05,12  09:31:00\n3DA1=1\n3DA2=0\n",
}


def write(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(text.strip().replace("\n", "\r\n").encode("gbk") + b"\r\n")


def read(path):
    with open(path, "rb") as f:
        return f.read().decode("gbk")


def lines_of(window, list_name):
    return [n.name for n in window.find(name=list_name, role="list").children()]


def results_of_a_class(run):
    root = run.make_root("results")
    teacher_files.write_roster(root, ROSTER)
    write(os.path.join(root, "SHIJUAN", "Maths", "Maths.cho"), PAPER)
    for number, text in RECORDS.items():
        write(os.path.join(root, "CHENGJI", "Maths", "A1%d.cho" % number), text)
    source = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    shutil.copytree(os.path.join(source, "data", "help"), os.path.join(root, "help"))
    shutil.copytree(os.path.join(source, "data", "sys"), os.path.join(root, "sys"), dirs_exist_ok=True)

    # A home of its own for the documents folder, and no desktop to open the workbook.
    home = run.path("home")
    os.makedirs(home, exist_ok=True)
    app = run.start("teacher", "--data-root", root, env={"HOME": home, "PATH": "/nonexistent"})
    menu = app.window("Teacher End")
    app.press(menu, "View achievement")
    view = app.window("View achievement")
    left = "Number Firstname Lastname"
    right = "Score Sort Surplus time"
    harness.wait_until(lambda: len(lines_of(view, left)) == 4, what="the four testee rows")
    assert lines_of(view, left)[0] == "1_____" + "_|_" + "李__明" + "_" * 29, lines_of(view, left)
    assert lines_of(view, right)[1] == "95____" + "_|_" + "1___" + "_|_" + "00:00:00" + "_" * 20, \
        lines_of(view, right)
    assert lines_of(view, "Testee answer") == ["0" + "_" * 16] * 2
    # Testee 3 is still in the test: question 1 counts its wrong answer, question 2
    # its right answers over two scored testees.
    questions = lines_of(view, "Question No. Score pct ( % ) Correct answer")
    assert questions[0].startswith("1________" + "_|_" + "100______"), questions

    app.press(view, "Score")
    harness.wait_until(lambda: lines_of(view, left)[0].startswith("2_____"), what="the best score first")
    app.click(view.find(name=lines_of(view, left)[1], role="list item"))
    harness.wait_until(lambda: lines_of(view, "Testee answer")[0] == "13" + "_" * 16,
                       what="testee 1's answers beside the questions")
    app.press(view, "Allow retest")
    harness.wait_until(lambda: "1TIME2=\r\n" in read(os.path.join(root, "CHENGJI", "Maths", "A11.cho")),
                       what="testee 1's finish mark to be cleared")
    assert "1DF=85" in read(os.path.join(root, "CHENGJI", "Maths", "A11.cho"))


    app.key("F1")
    help_window = app.window("Help")
    help_window.find(contains="Watch a test while it runs")
    app.press(help_window, "Close")
    app.wait_gone(help_window)

    app.press(view, "Output to EXCEL")
    box = app.wait_dialog(contains="The operation succeed!")
    app.press(box, "OK")
    documents = os.path.join(home, "Documents", "Quorin")
    written = os.listdir(documents)
    assert len(written) == 1 and written[0].startswith("Maths A1 ") and written[0].endswith(".xlsx"), written

    app.press(view, "Return")
    app.wait_gone(view)
    app.press(menu, "Exit")
    assert app.wait_exit() == 0


def no_test_ends_the_program(run):
    root = run.make_root("empty")
    teacher_files.write_roster(root, "[ClassName]\nClassNameCount=1\n1=A1\n")
    app = run.start("teacher", "--data-root", root)
    menu = app.window("Teacher End")
    app.press(menu, "View achievement")
    box = app.wait_dialog(contains="Sorry!No test now.")
    app.press(box, "OK")
    assert app.wait_exit() == 0


def scenario(run):
    results_of_a_class(run)
    no_test_ends_the_program(run)


if __name__ == "__main__":
    harness.main(scenario)
