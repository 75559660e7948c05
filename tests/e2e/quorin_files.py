# Small writers and readers of a data root's files for the end-to-end scenarios.
# SPDX-License-Identifier: GPL-3.0-or-later
"""Profile files (".cho") as the Windows programs write them: GBK, CRLF, [sections]."""
import os


def write_profile(path, sections):
    """sections: a list of (name, [(key, value), ...])."""
    lines = []
    for name, values in sections:
        lines.append("[%s]" % name)
        lines.extend("%s=%s" % (key, value) for key, value in values)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(("\r\n".join(lines) + "\r\n").encode("gbk"))


def read_profile(path):
    """{section: {key: value}}; the first of duplicate keys wins, as in the programs."""
    with open(path, "rb") as f:
        data = f.read()
    text = data[3:].decode("utf-8") if data.startswith(b"\xef\xbb\xbf") else data.decode("gbk")
    sections, current = {}, None
    for line in text.splitlines():
        line = line.strip()
        if line.startswith("[") and line.endswith("]"):
            current = sections.setdefault(line[1:-1], {})
        elif current is not None and "=" in line:
            key, value = line.split("=", 1)
            current.setdefault(key.strip(), value.strip())
    return sections


def write_roster(root, classes, papers):
    """classes: [(name, first, last)]; every paper offered to every class."""
    sections = [
        ("ClassName", [("ClassNameCount", len(classes))] + [(i, c[0]) for i, c in enumerate(classes, 1)]),
        ("ClassCount", [(c[0], c[2] - c[1] + 1) for c in classes]),
        ("FirstNumber", [(c[0], c[1]) for c in classes]),
        ("LastNumber", [(c[0], c[2]) for c in classes]),
        ("TestName", [("TestNameCount", len(papers))] + [(i, p) for i, p in enumerate(papers, 1)]
         + [(p, 1) for p in papers]),
    ] + [(p, [(c[0], 1) for c in classes]) for p in papers]
    write_profile(os.path.join(root, "sys", "sys.cho"), sections)


def rtf(paragraphs):
    body = "".join(p.replace("\\", "\\\\").replace("{", "\\{").replace("}", "\\}") + "\\par " for p in paragraphs)
    return ("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs24 " + body + "}").encode("ascii")


def write_paper(root, paper, questions, mark, settings):
    """questions: [(text, options, answer)]; documents are named 1.RTF, 2.RTF, ..."""
    folder = os.path.join(root, "SHIJUAN", paper)
    os.makedirs(os.path.join(root, "CHENGJI", paper), exist_ok=True)
    os.makedirs(folder, exist_ok=True)
    main = list(settings.items()) + [("Question_conut", len(questions)),
                                     ("full_mark", mark * len(questions)), ("Mark", mark)]
    sections = [("MAIN", main)]
    for q, (text, options, answer) in enumerate(questions, 1):
        question, explain = "%d.RTF" % (2 * q - 1), "%d.RTF" % (2 * q)
        letters = "ABCDEFG"
        with open(os.path.join(folder, question), "wb") as f:
            f.write(rtf(["%d. %s" % (q, text)] + ["%s. %s" % (letters[i], o) for i, o in enumerate(options)]))
        with open(os.path.join(folder, explain), "wb") as f:
            f.write(rtf(["The answer is %s." % answer]))
        sections.append((str(q), [("QUESTION", question), ("explain", explain), ("answer", answer), ("mark", "")]))
    write_profile(os.path.join(folder, paper + ".cho"), sections)
