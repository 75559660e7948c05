#!/usr/bin/python3
# End-to-end on a Chinese desktop (LANGUAGE=zh_CN, LANG=zh_CN.UTF-8): the teacher's main
# menu and "Manage paper" speak Chinese to a screen reader, with Qt's own buttons too;
# a student logs in, answers one question and finishes. With --shots DIR every window
# is photographed (the pictures of docs/zh_CN).
# SPDX-License-Identifier: GPL-3.0-or-later
import os
import re
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402

SOURCE = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
CHINESE = {"LANGUAGE": "zh_CN", "LC_ALL": "", "LANG": "zh_CN.UTF-8"}


def answer(app, dialog, caption):
    """Qt's own buttons carry their shortcut letter in Chinese: "是(Y)"."""
    buttons = [b for b in dialog.find_all(role="push button") if b.name.startswith(caption)]
    assert buttons, [b.name for b in dialog.find_all(role="push button")]
    app.click(buttons[0])


def teacher(run, root):
    app = run.start("teacher", "--data-root", root, env=CHINESE)
    menu = app.window("考务管理")
    names = {b.name for b in menu.find_all(role="push button")}
    for caption in ["试卷管理", "考场管理", "班级管理", "考务成绩", "设置密码", "帮助", "退出"]:
        assert caption in names, (caption, names)
    run.screenshot("teacher-menu.png", menu)

    # F1 opens the Chinese page of the window.
    app.key("F1")
    help_window = app.window("帮助")
    help_window.find(contains="考务管理：主菜单")
    run.screenshot("help.png", help_window)
    app.press(help_window, "关闭")
    app.wait_gone(help_window)

    app.press(menu, "试卷管理")
    papers = app.window("试卷管理")
    for caption in ["新建试卷", "删除试卷", "编辑试卷", "导入试卷", "导出试卷", "输出到 WORD",
                    "确定", "取消", "帮助"]:
        papers.find(name=caption, role="push button")
    papers.find(name="试卷列表")
    papers.find(name="重考密码", role="check box")
    app.click(papers.find(name="Demo Maths", role="list item"))
    harness.wait_until(lambda: papers.find(name="考试时间", role="text").text() == "30",
                       what="the settings of Demo Maths")
    run.screenshot("manage-paper.png", papers)

    # Qt's own buttons in Chinese: the question of the window, answered "取消".
    app.press(papers, "删除试卷")
    question = app.wait_dialog(contains="确实要删除当前试卷的全部数据吗？")
    answer(app, question, "取消")
    app.wait_gone(question)

    app.press(papers, "编辑试卷")
    editor = app.window("编辑试卷 --Demo Maths", timeout=30)
    editor.find(name="1.A 是", role="check box")
    editor.find(name="上移", role="push button")
    run.screenshot("edit-paper.png", editor)
    app.press(editor, "取消")
    app.wait_gone(editor)
    app.press(papers, "取消")
    app.wait_gone(papers)

    for caption, title, shot in [("班级管理", "班级管理", "manage-classes.png"),
                                 ("考场管理", "考场管理", "manage-test.png"),
                                 ("设置密码", "设置密码", "set-password.png")]:
        app.press(menu, caption)
        window = app.window(title)
        run.screenshot(shot, window)
        app.press(window, "取消")
        app.wait_gone(window)

    app.press(menu, "考务成绩")
    results = app.window("考务成绩")
    app.choose(results.find_labelled("试卷名称：", role="combo box"), "Demo Maths")
    app.choose(results.find_labelled("班级名称：", role="combo box"), "A1")
    results.find(name="允许重考", role="push button")
    run.screenshot("view-achievement.png", results)
    app.press(results, "返回")
    app.wait_gone(results)

    app.press(menu, "退出")
    assert app.wait_exit() == 0


def student(run, root):
    app = run.start("student", "--data-root", root, env=CHINESE)
    login = app.window("考试登录")
    app.choose(login.find_labelled("选择试卷名称：", role="combo box"), "Demo Maths")
    app.choose(login.find_labelled("选择班级名称：", role="combo box"), "A1")
    app.type_into(login.find("输入考号：", role="text"), "1")
    app.type_into(login.find("输入你的名：", role="text"), "Tom")
    app.type_into(login.find("输入你的姓：", role="text"), "Lee")
    run.screenshot("student-login.png", login, margin=1)
    app.click(login.find("确定", role="push button"))

    about = app.window("考试说明")
    about.find(name="满分：", role="label")
    run.screenshot("about-test.png", about, margin=1)
    app.click(about.find("单击开始考试", role="push button"))

    exam = app.window("A1 1 Tom Lee")
    exam.find(contains="题号：1", role="panel")
    exam.find(name="显示答案", role="push button")  # the demo paper is in exercise mode
    app.click(exam.find("2.B -否", role="check box"))
    harness.wait_until(exam.find("2.B -否", role="check box").is_checked, what="B to be ticked")
    exam.find(name="上一题", role="push button")
    run.screenshot("student-exam.png", exam, margin=1)

    app.click(exam.find("结束考试", role="push button"))
    question = app.wait_dialog(contains="确实要结束考试吗？")
    answer(app, question, "是")
    closing = app.wait_dialog(contains="你的考试成绩：")
    text = " ".join(label.name for label in closing.find_all(role="label"))
    assert "本次考试满分：100" in text, text
    # The demo paper shuffles its questions: which one was answered is left to chance.
    assert re.search(r"你的考试成绩：(0|10)\b", text), text
    run.screenshot("student-score.png", closing, margin=1)
    answer(app, closing, "确定")
    assert app.wait_exit() == 0


def scenario(run):
    root = run.path("demo")
    subprocess.run([os.path.join(SOURCE, "scripts", "make-demo-root"), root], check=True,
                   stdout=subprocess.DEVNULL)
    teacher(run, root)
    student(run, root)


if __name__ == "__main__":
    harness.main(scenario)
