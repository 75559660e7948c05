# Roster files for the teacher's end-to-end scenarios, as the Windows programs write them.
# SPDX-License-Identifier: GPL-3.0-or-later
"""Write and read ".cho" profile files: GBK (or UTF-8 with a byte-order mark), CRLF."""
import os


def write_roster(root, text):
    """Writes sys/sys.cho from lines separated by newlines."""
    os.makedirs(os.path.join(root, "sys"), exist_ok=True)
    with open(os.path.join(root, "sys", "sys.cho"), "wb") as f:
        f.write(text.strip().replace("\n", "\r\n").encode("gbk") + b"\r\n")


def read_roster(root):
    """{section (lower case): {key (lower case): value}}; the first duplicate wins."""
    with open(os.path.join(root, "sys", "sys.cho"), "rb") as f:
        data = f.read()
    text = data[3:].decode("utf-8") if data.startswith(b"\xef\xbb\xbf") else data.decode("gbk")
    sections, current = {}, None
    for line in text.splitlines():
        line = line.strip()
        if line.startswith("[") and line.endswith("]"):
            current = sections.setdefault(line[1:-1].lower(), {})
        elif current is not None and "=" in line:
            key, value = line.split("=", 1)
            current.setdefault(key.strip().lower(), value.strip())
    return sections


DEMO_ROSTER = """
[ClassName]
ClassNameCount=3
1=A1
2=A2
3=B1
[ClassCount]
A1=30
A2=28
B1=32
[FirstNumber]
A1=1
A2=1
B1=101
[LastNumber]
A1=30
A2=28
B1=132
[TestName]
TestNameCount=3
1=Maths midterm
2=Physics quiz
3=English 1
Maths midterm=1
Physics quiz=1
English 1=0
[Maths midterm]
A1=1
A2=1
B1=0
[Physics quiz]
A1=1
A2=0
B1=1
"""
