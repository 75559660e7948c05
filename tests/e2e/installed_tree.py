#!/usr/bin/env python3
# End-to-end: the installed programs, as a school's PCs run them.
# SPDX-License-Identifier: GPL-3.0-or-later
"""`cmake --install` of the build tree (the folder above --bin) into a temporary prefix,
then the installed programs on data roots named by configuration files only:

1. The installed tree holds the programs, what new data roots get, desktop entries,
   icons, AppStream metadata and manual pages; the desktop entries and the metadata
   validate.
2. The user's quorin.conf names a folder: `quorin-teacher init-root` makes the data
   root there (with the help pages of the prefix), `check` finds it in order, and the
   installed teacher opens its main menu on it.
3. The system's quorin.conf names an empty folder: the teacher offers to make a data
   root, Yes makes it and the main menu opens.
4. Nothing names a root: the installed program does not take its own folder; asked to
   choose one, No ends it with code 1.
"""
import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402

PROGRAMS = ("quorin-teacher", "quorin-student")
INSTALLED = [
    "bin/quorin-teacher", "bin/quorin-student",
    "share/quorin/help/index.html",
    "share/applications/org.quorin.Teacher.desktop", "share/applications/org.quorin.Student.desktop",
    "share/metainfo/org.quorin.Teacher.metainfo.xml", "share/metainfo/org.quorin.Student.metainfo.xml",
    "share/icons/hicolor/48x48/apps/org.quorin.Teacher.png",
    "share/icons/hicolor/256x256/apps/org.quorin.Student.png",
    "share/man/man1/quorin-teacher.1.gz", "share/man/man1/quorin-student.1.gz",
    "share/doc/quorin/copyright", "share/doc/quorin/deploy.md",
]


def write_config(folder, root):
    os.makedirs(os.path.join(folder, "quorin"), exist_ok=True)
    with open(os.path.join(folder, "quorin", "quorin.conf"), "w", encoding="utf-8") as f:
        f.write("[General]\nDataRoot=%s\n" % root)


def command(run, prefix, *arguments):
    """Runs the installed teacher's command line as a script would: no display."""
    environment = dict(os.environ, XDG_CONFIG_HOME=run.path("config"), XDG_CONFIG_DIRS=run.path("etc"))
    for name in ("DISPLAY", "WAYLAND_DISPLAY", "QUORIN_DATA_ROOT"):
        environment.pop(name, None)
    return subprocess.run([os.path.join(prefix, "bin", "quorin-teacher"), *arguments], env=environment,
                          capture_output=True, text=True, timeout=60)


def install(run):
    build = os.path.dirname(os.path.abspath(run.options.bin))
    prefix = run.path("prefix")
    subprocess.run(["cmake", "--install", build, "--prefix", prefix], check=True, timeout=120,
                   stdout=subprocess.DEVNULL)
    missing = [f for f in INSTALLED if not os.path.isfile(os.path.join(prefix, f))]
    assert not missing, "not installed: %s" % missing
    assert not os.path.exists(os.path.join(prefix, "bin", "teacher")), "the build tree's link is not installed"
    applications = os.path.join(prefix, "share", "applications")
    subprocess.run(["desktop-file-validate"] + [os.path.join(applications, f) for f in sorted(os.listdir(applications))],
                   check=True, timeout=60)
    metainfo = os.path.join(prefix, "share", "metainfo")
    subprocess.run(["appstreamcli", "validate", "--no-net"] + [os.path.join(metainfo, f) for f in sorted(os.listdir(metainfo))],
                   check=True, timeout=60, stdout=subprocess.DEVNULL)
    for program in PROGRAMS:
        version = subprocess.run([os.path.join(prefix, "bin", program), "--version"], capture_output=True,
                                 text=True, timeout=60, env=dict(os.environ, DISPLAY=""))
        assert version.returncode == 0 and version.stdout.startswith(program + " (Quorin) "), version
    return prefix


def start_teacher(run, prefix):
    return run.start(os.path.join(prefix, "bin", "quorin-teacher"), name="teacher",
                     env={"XDG_CONFIG_DIRS": run.path("etc")})


def config_file_root(run, prefix):
    root = run.path("school share")
    write_config(run.path("config"), root)
    made = command(run, prefix, "init-root")
    assert made.returncode == 0, made
    assert made.stdout == 'made a new data root in "%s"\n' % root, made.stdout
    assert made.stderr == "", made.stderr
    for relative in ("sys/sys.cho", "SHIJUAN", "CHENGJI", "help/index.html"):
        assert os.path.exists(os.path.join(root, relative)), relative
    with open(os.path.join(root, "sys", "sys.cho"), "rb") as f:
        assert f.read() == b"[ClassName]\r\nClassNameCount=0\r\n[TestName]\r\nTestNameCount=0\r\n"

    again = command(run, prefix, "init-root")
    assert again.returncode == 1 and "holds a data root already" in again.stderr, again

    check = command(run, prefix, "check")
    assert check.returncode == 0 and check.stdout == "", check
    assert check.stderr.startswith('teacher check: no problems in "%s"' % root), check.stderr

    app = start_teacher(run, prefix)
    menu = app.window("Teacher End")
    app.press(menu, "Exit")
    assert app.wait_exit() == 0


def offer_on_an_empty_root(run, prefix):
    root = run.make_root("empty room")
    os.remove(os.path.join(run.path("config"), "quorin", "quorin.conf"))
    write_config(run.path("etc"), root)
    app = start_teacher(run, prefix)
    box = app.wait_dialog(contains="Make a new data root there?")
    assert root in box.find(contains="There is no data root", role="label").text()
    app.press(box, "Yes")
    app.wait_gone(box)
    # The prompts carry the menu's title too: the menu is the window with its buttons.
    menu = app.window("Teacher End")
    menu.find(name="Manage classes", role="push button")
    assert os.path.isfile(os.path.join(root, "sys", "sys.cho"))
    assert os.path.isfile(os.path.join(root, "help", "index.html"))
    app.press(menu, "Exit")
    assert app.wait_exit() == 0


def nothing_names_a_root(run, prefix):
    os.remove(os.path.join(run.path("etc"), "quorin", "quorin.conf"))
    app = start_teacher(run, prefix)
    box = app.wait_dialog(contains="No data root is set for Quorin.")
    app.press(box, "No")
    box = app.wait_dialog(contains="Quorin ends: no data root is set")
    app.press(box, "OK")
    assert app.wait_exit() == 1
    assert not os.path.exists(os.path.join(prefix, "bin", "sys")), "the program's folder was written"
    assert not os.path.exists(run.path("config", "quorin", "quorin.conf"))


def scenario(run):
    prefix = install(run)
    config_file_root(run, prefix)
    offer_on_an_empty_root(run, prefix)
    nothing_names_a_root(run, prefix)


if __name__ == "__main__":
    harness.main(scenario)
