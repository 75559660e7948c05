#!/usr/bin/python3
# Start-up to the first window, Chinese against English in the same run: the teacher's
# main menu and the student's login window, ROUNDS times each, the languages taking
# turns, on a private display (the end-to-end harness). Prints the medians in ms.
# Usage: bench/startup_windows.py --bin BUILD_BIN [--rounds N]
# SPDX-License-Identifier: GPL-3.0-or-later
import os
import statistics
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "e2e"))
import harness  # noqa: E402

LANGUAGES = {
    "en": ({"LANGUAGE": "en", "LC_ALL": "C.UTF-8", "LANG": "C.UTF-8"},
           {"teacher": "Teacher End", "student": "Student login"}),
    "zh_CN": ({"LANGUAGE": "zh_CN", "LC_ALL": "", "LANG": "zh_CN.UTF-8"},
              {"teacher": "考务管理", "student": "考试登录"}),
}
ROUNDS = int(os.environ.get("QUORIN_BENCH_ROUNDS", "10"))


def scenario(run):
    root = run.path("demo")
    subprocess.run([os.path.join(HERE, "..", "scripts", "make-demo-root"), root], check=True,
                   stdout=subprocess.DEVNULL)
    print("%-8s %10s %10s %8s" % ("program", "en ms", "zh_CN ms", "zh/en"))
    for program in ["teacher", "student"]:
        times = {language: [] for language in LANGUAGES}
        for _ in range(ROUNDS):
            for language, (env, titles) in LANGUAGES.items():
                start = time.perf_counter()
                app = run.start(program, "--data-root", root, env=env)
                app.window(titles[program], timeout=30)
                times[language].append((time.perf_counter() - start) * 1000)
                app.process.kill()
                app.process.wait()
        en = statistics.median(times["en"])
        zh = statistics.median(times["zh_CN"])
        print("%-8s %10.0f %10.0f %8.3f" % (program, en, zh, zh / en))


if __name__ == "__main__":
    harness.main(scenario)
