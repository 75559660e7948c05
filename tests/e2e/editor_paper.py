#!/usr/bin/python3
# End-to-end: a teacher writes a paper in "Edit paper" and a student sits it.
# SPDX-License-Identifier: GPL-3.0-or-later
"""The road of one test through the real programs, on the demo root. In "Manage paper"
the teacher creates a paper and presses "Edit paper", which saves the list and opens the
editor on the new, empty paper: two questions typed with Chinese text, a picture inserted
into the first, the correct options ticked and the marks set, one question imported from
"Demo Maths" through the test pool, OK. "Manage paper" then shows the new question count
and full mark; "Manage test" admits class A1. The paper on disk is checked, the real
student program sits it, and `teacher results` and "View achievement" show the score.

With --shots DIR it also photographs the editor and the pool (edit-paper.png,
test-pool.png) for the documentation.
"""
import os
import re
import runpy
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402
import quorin_files  # noqa: E402

SOURCE = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
PAPER = "Unit 1"
Q1 = "1. \u4e0b\u5217\u54ea\u4e2a\u6570\u662f\u8d28\u6570\uff1f"       # which number is a prime?
Q1_EXPLAIN = "23 \u53ea\u80fd\u88ab 1 \u548c 23 \u6574\u9664\u3002"      # 23 divides only by 1 and 23
Q2 = "2. \u4e09\u52a0\u56db\u7b49\u4e8e\u51e0\uff1f"                     # three plus four?


def write_root(root):
    subprocess.run([os.path.join(SOURCE, "scripts", "make-demo-root"), root], check=True,
                   stdout=subprocess.DEVNULL)


def retype(app, field, text):
    """Empties a one-line field from its end and types anew."""
    app.click(field)
    harness.wait_until(lambda: "focused" in field.states(), what="%r to take the focus" % field)
    app.key("End")
    for _ in range(len(field.text())):
        app.key("BackSpace")
    app.type(text)
    harness.wait_until(lambda: field.text() == text, what="%r to read %r" % (field, text))


def create_paper(app, menu):
    """A new paper in "Manage paper", kept in order for the student; "Edit paper" saves
    the list and opens the editor on it."""
    app.press(menu, "Manage paper")
    papers = app.window("Manage paper")
    app.press(papers, "Create paper")
    ask = app.window("Input paper name")
    app.type_into(ask.find(role="text"), PAPER)
    app.press(ask, "OK")
    app.wait_gone(ask)
    about = papers.find(name="About test", role="text")
    harness.wait_until(lambda: about.text() == PAPER, what="the new paper to be shown")
    retype(app, about, "Three questions")
    retype(app, papers.find(name="author", role="text"), "Ms Li")
    shuffle = papers.find(name="Change questions order", role="check box")
    app.click(shuffle)
    harness.wait_until(lambda: not shuffle.is_checked(), what="the order to be kept")
    app.press(papers, "Edit paper")
    return papers


def admit_class(app, menu):
    """ "Manage test": class A1 may sit the new paper."""
    app.press(menu, "Manage test")
    test = app.window("Manage test")
    app.click(test.find(name=PAPER))
    harness.wait_until(lambda: test.find_all(name="A1"), what="the classes of the new paper")
    app.press(test, "Select all")
    app.press(test, "OK")
    app.wait_gone(test)


def click_at(app, node, x, y):
    """Clicks a point of a control, given from its top left corner (negative: from the
    bottom right)."""
    import pyatspi
    left, top, w, h = node.extents()
    pyatspi.Registry.generateMouseEvent(left + (x if x >= 0 else w + x), top + (y if y >= 0 else h + y), "b1c")
    app.settle()


def click_start(app, node):
    """Clicks near the left end of a control: a list item as wide as its text reaches past
    the list's visible part, where its middle would fall."""
    click_at(app, node, min(node.extents()[2] // 2, 40), node.extents()[3] // 2)


def type_text(app, node, text):
    """Types into the focused pane one character at a time. Characters beyond Latin-1 go
    through a keycode the accessibility registry borrows for each, which now and then
    drops one or repeats the one before: such a key is taken back and typed again."""
    for ch in text:
        before = pane_text(node)
        for attempt in range(4):
            app.type(ch)
            try:
                harness.wait_until(lambda: pane_text(node) != before, timeout=3, what="%r" % ch)
            except TimeoutError:
                continue
            if pane_text(node) == before + ch:
                break
            app.key("BackSpace")
            harness.wait_until(lambda: pane_text(node) == before, what="the wrong key to go")
        else:
            raise TimeoutError("%r did not arrive" % ch)


def write_picture(run):
    """A PNG diagram, as a teacher would have one on disk."""
    demo = runpy.run_path(os.path.join(SOURCE, "scripts", "make-demo-root"), run_name="picture")
    path = run.path("triangle.png")
    with open(path, "wb") as f:
        f.write(demo["png_triangle"]())
    return path


def type_lines(app, node, lines):
    for i, line in enumerate(lines):
        if i:
            app.key("Return")
        type_text(app, node, line)


def pane_text(pane):
    return pane.text().replace("\ufffc", "")


def write_questions(run, app, editor, picture):
    question = editor.find("Question", role="text")
    explain = editor.find("explain", role="text")
    grid = editor.find("Questions", role="table")

    # An empty paper opens on one blank question, ready for typing.
    harness.wait_until(lambda: "focused" in question.states(), what="the question pane's focus")
    type_text(app, question, Q1)
    harness.wait_until(lambda: editor.find_all(role="table cell", contains="\u8d28\u6570"),
                       what="the grid to show the question as it is typed")
    app.key("Return")
    # A picture from a file on a line of its own, through the pane's menu. Pop-up menus
    # are not on the accessibility bus as windows: the keys choose its last item,
    # "Insert picture...".
    app.right_click(question)
    app.key("Up")
    app.key("Return")
    app.choose_file(app.window("Insert picture"), picture)
    harness.wait_until(lambda: "\ufffc" in question.text(), what="the picture in the question")
    # Back into the pane behind the picture: a click below the text's end.
    click_at(app, question, -30, -8)
    harness.wait_until(lambda: "focused" in question.states(), what="the question pane's focus")
    app.key("End")
    app.key("Return")
    type_lines(app, question, ["A. 21", "B. 23", "C. 27"])
    app.click(explain)
    harness.wait_until(lambda: "focused" in explain.states(), what="the explanation pane's focus")
    type_text(app, explain, Q1_EXPLAIN)
    app.click(editor.find("2.B  no", role="check box"))
    app.click(editor.find("Default", role="check box"))
    mark = editor.find("Mark:", role="text")
    app.click(mark)
    app.key("End")
    app.key("BackSpace")
    app.type("10")
    harness.wait_until(lambda: mark.text() == "10", what="the mark 10")

    # "Next >" on the last question adds the second; its mark goes back to the default.
    app.press(editor, "Next >")
    editor.find(contains="No.2  Total:2", role="panel")
    harness.wait_until(lambda: "focused" in question.states(), what="the new question's pane")
    type_lines(app, question, [Q2, "A. 7", "B. 8"])
    app.click(editor.find("1.A yes", role="check box"))
    app.click(editor.find("Default", role="check box"))
    editor.find(contains="Full mark:15", role="panel")

    # One question of the demo pool.
    app.press(editor, "Use test pool")
    pool = editor.find("Test pool", role="panel")
    app.choose(pool.find_labelled("Test paper", role="combo box"), "Demo Maths")
    first = pool.find(contains="What is 7 x 8?", role="list item")
    click_start(app, first)
    harness.wait_until(lambda: "56" in pool.find("Preview", role="text").text(), what="the preview")
    run.screenshot("test-pool.png", editor)
    app.press(editor, "<-Input question from test pool<-")
    harness.wait_until(lambda: len([c for c in grid.find_all(role="table cell") if c.name == " 3"]) == 1,
                       what="the imported question's row")
    app.press(editor, "Hide test pool")
    editor.find(contains="No.3  Total:3   Full mark:20", role="panel")

    app.click(editor.find(contains="\u8d28\u6570", role="table cell"))
    editor.find(contains="No.1  Total:3", role="panel")
    harness.wait_until(lambda: pane_text(question).startswith(Q1), what="question 1 in the pane")
    run.screenshot("edit-paper.png", editor)
    app.press(editor, "OK")


def check_paper(run, root):
    paper = quorin_files.read_profile(os.path.join(root, "SHIJUAN", PAPER, PAPER + ".cho"))
    main = paper["MAIN"]
    assert main["Question_conut"] == "3" and main["full_mark"] == "20" and main["Mark"] == "5", main
    assert main["TESTTIME"] == "30" and main["about_test"] == "Three questions", main
    assert main["Author"] == "Ms Li" and main["CHANGE_QUESTION_SORT"] == "0", main
    assert [(paper[q]["answer"], paper[q]["mark"]) for q in "123"] == [("2", "10"), ("1", ""), ("2", "")], paper
    folder = os.path.join(root, "SHIJUAN", PAPER)
    named = {paper[q][key] for q in "123" for key in ("QUESTION", "explain")}
    on_disk = {name for name in os.listdir(folder) if name.lower().endswith(".rtf")}
    assert named == on_disk and len(named) == 6, (named, on_disk)
    quorin_rtf = run.binary("quorin-rtf")

    def text(name):
        return subprocess.run([quorin_rtf, "text", os.path.join(folder, name)], check=True,
                              capture_output=True).stdout.decode("utf-8")

    with open(os.path.join(folder, paper["1"]["QUESTION"]), "rb") as f:
        first = f.read()
    assert b"\\pngblip" in first and b"\\ansicpg936" in first, first[:300]
    assert text(paper["1"]["QUESTION"]).startswith(Q1 + "\n\nA. 21\nB. 23\nC. 27"), text(paper["1"]["QUESTION"])
    assert text(paper["1"]["explain"]).strip() == Q1_EXPLAIN
    assert "What is 7 x 8?" in text(paper["3"]["QUESTION"])
    # What LibreOffice reads of it, where it is installed.
    soffice = shutil.which("soffice")
    if soffice:
        out = run.path("lo")
        subprocess.run([soffice, "--headless", "-env:UserInstallation=file://" + run.path("lo-profile"),
                        "--convert-to", "html", "--outdir", out, os.path.join(folder, paper["1"]["QUESTION"])],
                       check=True, capture_output=True, timeout=120)
        with open(os.path.join(out, os.path.splitext(paper["1"]["QUESTION"])[0] + ".html"), "rb") as f:
            html = f.read().decode("utf-8", "replace")
        assert "\u8d28\u6570" in html and "<img" in html, html[:2000]


def start_exam(run, root, number, first, last):
    """The real student program, logged in to PAPER in class A1 and started: the program
    and its exam window."""
    student = run.start("student", "--data-root", root)
    login = student.window("Student login")
    student.choose(login.find_labelled("Choose test name:", role="combo box"), PAPER)
    student.choose(login.find_labelled("Choose class name:", role="combo box"), "A1")
    student.type_into(login.find("Input student number:", role="text"), number)
    student.type_into(login.find("Input your first name:", role="text"), first)
    student.type_into(login.find("Input your last name:", role="text"), last)
    student.click(login.find("OK", role="push button"))
    about = student.window("About Test")
    student.click(about.find("Click to start test", role="push button"))
    return student, student.window("A1 %s %s %s" % (number, first, last))


def finish_exam(student, exam, full_mark, mark):
    """ "Finish test ", confirmed; the closing box shows the full mark and the score."""
    student.click(exam.find("Finish test ", role="push button"))
    student.press(student.wait_dialog(contains="Will you finsh the test really?"), "Yes")
    closing = student.wait_dialog(contains="Your test mark is:")
    text = " ".join(label.name for label in closing.find_all(role="label"))
    assert ("The test full mark is:%d" % full_mark) in text and ("Your test mark is:%d" % mark) in text, text
    student.press(closing, "OK")
    assert student.wait_exit() == 0


def sit_the_paper(run, root):
    student, exam = start_exam(run, root, "7", "Mei", "Wang")
    exam.find(contains="Question No:1    Mark:10", role="panel")
    harness.wait_until(lambda: exam.find_all(role="text", contains="\u8d28\u6570"), what="the Chinese question")
    student.click(exam.find("2.B -no", role="check box"))
    student.click(exam.find("Next", role="push button"))
    exam.find(contains="Question No:2    Mark:5", role="panel")
    student.click(exam.find("1.A -yes", role="check box"))
    student.click(exam.find("Next", role="push button"))
    exam.find(contains="Question No:3", role="panel")
    student.click(exam.find("1.A -yes", role="check box"))  # wrong: 56 is B
    finish_exam(student, exam, 20, 15)
    record = quorin_files.read_profile(os.path.join(root, "CHENGJI", PAPER, "A17.cho"))["A1"]
    assert record["7DF"] == "15", record


def results_show_the_score(run, root):
    csv = subprocess.run([run.binary("teacher"), "--data-root", root, "results", "--paper", PAPER,
                          "--class", "A1"], check=True, capture_output=True).stdout.decode("utf-8")
    rows = [line.split(",") for line in csv.splitlines()]
    seven = [row for row in rows if row and row[0] == "7"]
    assert seven and "15" in seven[0], csv

    teacher = run.start("teacher", "--data-root", root)
    menu = teacher.window("Teacher End")
    teacher.press(menu, "View achievement")
    view = teacher.window("View achievement")
    teacher.choose(view.find_labelled("Test name:", role="combo box"), PAPER)
    teacher.choose(view.find_labelled("Class name:", role="combo box"), "A1")
    rows = view.find(name="Score Sort Surplus time", role="list")
    harness.wait_until(lambda: any(re.match(r"15_", c.name) for c in rows.children()),
                       what="testee 7's score of 15")
    teacher.press(view, "Return")
    teacher.wait_gone(view)
    teacher.press(menu, "Exit")
    assert teacher.wait_exit() == 0


def scenario(run):
    root = run.make_root()
    write_root(root)
    app = run.start("teacher", "--data-root", root)
    menu = app.window("Teacher End")
    papers = create_paper(app, menu)
    editor = app.window("Edit paper --" + PAPER)
    write_questions(run, app, editor, write_picture(run))
    app.wait_gone(editor)
    # The list shows what the editor saved.
    count = papers.find(name="Question count", role="text")
    harness.wait_until(lambda: count.text() == "3", what="the question count of the saved paper")
    assert papers.find(name="full mark", role="text").text() == "20"
    app.press(papers, "OK")
    app.wait_gone(papers)
    admit_class(app, menu)
    app.press(menu, "Exit")
    assert app.wait_exit() == 0
    check_paper(run, root)
    sit_the_paper(run, root)
    results_show_the_score(run, root)


if __name__ == "__main__":
    harness.main(scenario)
