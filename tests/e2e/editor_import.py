#!/usr/bin/python3
# End-to-end: a teacher brings a GIFT file into a new paper and a student sits it.
# SPDX-License-Identifier: GPL-3.0-or-later
"""In "Manage paper" the teacher creates a paper and opens the editor on it; "Import
questions..." reads a GIFT file of three questions, says that two come in and that the
essay is skipped, and on OK the two take the place of the new paper's blank question.
After OK in the editor and "Manage test", the paper on disk holds the two questions with
their keys, `teacher export-questions` writes them back out, and the real student program
sits them.
"""
import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import editor_paper  # noqa: E402
import harness  # noqa: E402
import quorin_files  # noqa: E402

PAPER = "Unit 2"
BANK = """// Unit 2, from the school's learning platform
::Capital::What is the capital of France? {=Paris ~London ~Berlin}

::Primes::[html]<p>Which of these are <b>prime</b>?</p> {
  ~%50%2
  ~%50%3
  ~%-100%4
  ####2 and 3 have no divisors but 1 and themselves.
}

::Essay::Describe your school. {}
"""


def import_bank(run, app, editor):
    path = run.path("unit2.gift")
    with open(path, "w", encoding="utf-8") as f:
        f.write(BANK)
    app.press(editor, "Import questions...")
    app.choose_file(app.window("Import questions"), path)
    summary = app.wait_dialog(contains="2 questions come in.")
    text = " ".join(label.name for label in summary.find_all(role="label"))
    assert "1 question is skipped" in text and '"Essay"' in text, text
    app.press(summary, "OK")
    app.wait_gone(summary)
    editor.find(contains="No.1  Total:2   Full mark:10", role="panel")
    question = editor.find("Question", role="text")
    harness.wait_until(lambda: question.text().startswith("What is the capital of France?"),
                       what="the first imported question in the pane")
    assert editor.find("1.A yes", role="check box").is_checked()
    app.press(editor, "Next >")
    editor.find(contains="No.2  Total:2", role="panel")
    harness.wait_until(lambda: "A. 2\nB. 3\nC. 4" in question.text(), what="the second question")
    assert editor.find("2.B  no", role="check box").is_checked()
    explain = editor.find("explain", role="text")
    assert "no divisors" in explain.text(), explain.text()
    app.press(editor, "OK")


def check_paper(run, root):
    paper = quorin_files.read_profile(os.path.join(root, "SHIJUAN", PAPER, PAPER + ".cho"))
    assert paper["MAIN"]["Question_conut"] == "2" and paper["MAIN"]["full_mark"] == "10", paper
    assert [paper[q]["answer"] for q in "12"] == ["1", "12"], paper
    folder = os.path.join(root, "SHIJUAN", PAPER)
    named = {paper[q][key].lower() for q in "12" for key in ("QUESTION", "explain")}
    on_disk = {name.lower() for name in os.listdir(folder) if name.lower().endswith(".rtf")}
    assert named == on_disk, (named, on_disk)
    out = run.path("back.gift")
    subprocess.run([run.binary("teacher"), "--data-root", root, "export-questions", "--paper",
                    PAPER, "--format", "gift", "--output", out], check=True, capture_output=True)
    with open(out, encoding="utf-8") as f:
        back = f.read()
    assert "What is the capital of France?" in back and "####2 and 3" in back, back


def sit_the_paper(run, root):
    student, exam = editor_paper.start_exam(run, root, "8", "Lei", "Zhao")
    exam.find(contains="Question No:1    Mark:5", role="panel")
    harness.wait_until(lambda: exam.find_all(role="text", contains="capital of France"),
                       what="the imported question")
    student.click(exam.find("1.A -yes", role="check box"))
    student.click(exam.find("Next", role="push button"))
    exam.find(contains="Question No:2    Mark:5", role="panel")
    student.click(exam.find("1.A -yes", role="check box"))
    student.click(exam.find("2.B -no", role="check box"))
    editor_paper.finish_exam(student, exam, 10, 10)
    record = quorin_files.read_profile(os.path.join(root, "CHENGJI", PAPER, "A18.cho"))["A1"]
    assert record["8DF"] == "10", record


def scenario(run):
    editor_paper.PAPER = PAPER
    root = run.make_root()
    editor_paper.write_root(root)
    app = run.start("teacher", "--data-root", root)
    menu = app.window("Teacher End")
    papers = editor_paper.create_paper(app, menu)
    editor = app.window("Edit paper --" + PAPER)
    import_bank(run, app, editor)
    app.wait_gone(editor)
    count = papers.find(name="Question count", role="text")
    harness.wait_until(lambda: count.text() == "2", what="the question count of the saved paper")
    app.press(papers, "OK")
    app.wait_gone(papers)
    editor_paper.admit_class(app, menu)
    app.press(menu, "Exit")
    assert app.wait_exit() == 0
    check_paper(run, root)
    sit_the_paper(run, root)


if __name__ == "__main__":
    harness.main(scenario)
