#!/usr/bin/python3
# Start-up of the programs in Chinese against English in the same run: each command is
# started ROUNDS times in each language, the languages taking turns, and the medians are
# compared (the goal: Chinese within 10% of English).
# Usage: bench/startup_language.py BUILD_BIN [ROUNDS]
# SPDX-License-Identifier: GPL-3.0-or-later
import os
import statistics
import subprocess
import sys
import tempfile
import time

SOURCE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
LANGUAGES = {
    "en": {"LANGUAGE": "en", "LC_ALL": "C.UTF-8", "LANG": "C.UTF-8"},
    "zh_CN": {"LANGUAGE": "zh_CN", "LC_ALL": "", "LANG": "zh_CN.UTF-8"},
}


def main():
    binaries = sys.argv[1]
    rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 30
    with tempfile.TemporaryDirectory() as scratch:
        root = os.path.join(scratch, "root")
        subprocess.run([os.path.join(SOURCE, "scripts", "make-demo-root"), root], check=True,
                       stdout=subprocess.DEVNULL)
        commands = {
            "teacher --help": [os.path.join(binaries, "teacher"), "--help"],
            "student --help": [os.path.join(binaries, "student"), "--help"],
            "teacher check": [os.path.join(binaries, "teacher"), "--data-root", root, "check"],
            "teacher results": [os.path.join(binaries, "teacher"), "--data-root", root, "results",
                                "--paper", "Demo Maths", "--class", "A1"],
        }
        print("%-18s %10s %10s %8s" % ("command", "en ms", "zh_CN ms", "zh/en"))
        for name, command in commands.items():
            times = {language: [] for language in LANGUAGES}
            for _ in range(rounds):
                for language, settings in LANGUAGES.items():
                    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", **settings)
                    env.pop("LC_MESSAGES", None)
                    start = time.perf_counter()
                    subprocess.run(command, env=env, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
                    times[language].append((time.perf_counter() - start) * 1000)
            en = statistics.median(times["en"])
            zh = statistics.median(times["zh_CN"])
            print("%-18s %10.1f %10.1f %8.3f" % (name, en, zh, zh / en))


if __name__ == "__main__":
    main()
