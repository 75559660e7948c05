# End-to-end harness: drives a real Quorin program over AT-SPI.
# SPDX-License-Identifier: GPL-3.0-or-later
"""Drive a Quorin program (student or teacher) the way a person would.

Each run gets its own virtual display (Xvfb), its own D-Bus session with the
accessibility bus, and its own temporary folders; the program is found, clicked
and typed into through AT-SPI by the accessible names of its controls (their
captions), and everything is torn down at the end, also when the scenario fails.
Needs Debian's /usr/bin/python3 with python3-pyatspi, xvfb, dbus and at-spi2-core,
and imagemagick for screenshots.

A scenario script:

    import harness

    def scenario(run):
        root = run.make_root()                       # an empty data root in the run's folder
        ...                                          # write the roster and papers into it
        app = run.start("student", "--data-root", root)
        login = app.window("Student login")
        app.choose(login.find("Choose class name:", role="combo box"), "A1")
        app.type_into(login.find("Input student number:", role="text"), "7")
        app.click(login.find("OK", role="push button"))
        box = app.wait_dialog(contains="Sorry")      # a message box, by a text it shows
        app.press(box, "OK")
        run.screenshot("shot.png", login)            # the whole screen, or one window

    if __name__ == "__main__":
        harness.main(scenario)

Command line of a scenario script: --bin DIR (where the programs are), --keep (keep
the run's folder), --shots DIR (where screenshot() writes relative paths).

Waiting: every find and wait polls until its condition holds or `timeout` seconds
pass (TimeoutError names what was awaited); no fixed sleeps are needed.

How it is put together: main() starts Xvfb on a free display, then runs the script
again under dbus-run-session with DISPLAY set, so that the accessibility bus and
its registry (which synthesise the clicks and keys with XTEST) see the display.
Programs are started with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 and die with the
harness (PR_SET_PDEATHSIG) even if it is killed.
"""

import argparse
import ctypes
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import traceback

INNER = "QUORIN_E2E_INNER"
DEFAULT_TIMEOUT = 20.0

KEYSYMS = {
    "Return": 0xFF0D, "Tab": 0xFF09, "Escape": 0xFF1B, "BackSpace": 0xFF08, "space": 0x20,
    "Page_Up": 0xFF55, "Page_Down": 0xFF56, "Home": 0xFF50, "End": 0xFF57,
    "Left": 0xFF51, "Up": 0xFF52, "Right": 0xFF53, "Down": 0xFF54, "F1": 0xFFBE,
}


def _die_with_parent():
    # Children end when the harness ends, however it ends.
    libc = ctypes.CDLL("libc.so.6", use_errno=True)
    libc.prctl(1, signal.SIGKILL)  # PR_SET_PDEATHSIG
    os.setsid()


def wait_until(condition, timeout=DEFAULT_TIMEOUT, what="a condition", interval=0.05):
    """Polls condition() until it gives a true value, which is returned."""
    deadline = time.monotonic() + timeout
    last_error = None
    while True:
        try:
            value = condition()
            if value:
                return value
        except Exception as error:  # objects vanish while windows change
            last_error = error
        if time.monotonic() > deadline:
            detail = " (last error: %s)" % last_error if last_error else ""
            raise TimeoutError("timed out after %.0f s waiting for %s%s" % (timeout, what, detail))
        time.sleep(interval)


def _stop(process, grace=5.0):
    if process is None or process.poll() is not None:
        return
    try:
        os.killpg(process.pid, signal.SIGTERM)
    except ProcessLookupError:
        return
    try:
        process.wait(grace)
    except subprocess.TimeoutExpired:
        try:
            os.killpg(process.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        process.wait(grace)


class Node:
    """One accessible object: a window or a control."""

    def __init__(self, app, accessible):
        self.app = app
        self.acc = accessible

    @property
    def name(self):
        return self.acc.name or ""

    @property
    def role(self):
        return self.acc.getRoleName()

    def text(self):
        """What the control shows: its text if it has one, else its name."""
        try:
            text = self.acc.queryText()
            return text.getText(0, -1)
        except NotImplementedError:
            return self.name

    def states(self):
        import pyatspi
        state = self.acc.getState()
        return {pyatspi.stateToString(s) for s in state.getStates()}

    def is_showing(self):
        return "showing" in self.states()

    def is_enabled(self):
        return "enabled" in self.states()

    def is_checked(self):
        return "checked" in self.states()

    def extents(self):
        import pyatspi
        box = self.acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        return box.x, box.y, box.width, box.height

    def children(self):
        return [Node(self.app, c) for c in self.acc if c is not None]

    def descendants(self):
        stack = [self.acc]
        while stack:
            current = stack.pop(0)
            for child in current:
                if child is not None:
                    yield Node(self.app, child)
                    stack.append(child)

    def find_all(self, name=None, role=None, contains=None, showing=True, pattern=None):
        found = []
        for node in self.descendants():
            try:
                if role is not None and node.role != role:
                    continue
                if name is not None and node.name != name:
                    continue
                if contains is not None and contains not in node.text():
                    continue
                if pattern is not None and not re.fullmatch(pattern, node.text()):
                    continue
                if showing and not node.is_showing():
                    continue
                found.append(node)
            except Exception:
                continue
        return found

    def find(self, name=None, role=None, contains=None, showing=True, timeout=DEFAULT_TIMEOUT, index=0,
             pattern=None):
        """The index-th descendant with this name (or a text containing `contains`, or
        a text matching the regular expression `pattern`) and role."""
        wanted = name if name is not None else (contains if contains is not None else pattern)
        what = "%s %r%s" % (role or "control", wanted, " in %r" % self.name if self.name else "")

        def look():
            nodes = self.find_all(name, role, contains, showing, pattern)
            return nodes[index] if len(nodes) > index else None

        return wait_until(look, timeout, what)

    def find_labelled(self, label, role=None, timeout=DEFAULT_TIMEOUT):
        """The control a label names (Qt gives drop-down lists their current text as name)."""
        import pyatspi

        def look():
            for node in self.find_all(name=label, role="label"):
                for relation in node.acc.getRelationSet():
                    if relation.getRelationType() == pyatspi.RELATION_LABEL_FOR:
                        target = Node(self.app, relation.getTarget(0))
                        if role is None or target.role == role:
                            return target
            return None

        return wait_until(look, timeout, "the control labelled %r" % label)

    def __repr__(self):
        try:
            return "<%s %r>" % (self.role, self.name)
        except Exception:
            return "<an accessible object that is gone>"


class App:
    """A running program, seen through AT-SPI."""

    def __init__(self, run, process, name):
        self.run = run
        self.process = process
        self.name = name
        self._root = None

    def root(self, timeout=DEFAULT_TIMEOUT):
        import pyatspi

        def look():
            if self.process.poll() is not None:
                raise RuntimeError("%s ended with code %s" % (self.name, self.process.returncode))
            desktop = pyatspi.Registry.getDesktop(0)
            for app in desktop:
                if app is not None and app.name == self.name and app.get_process_id() == self.process.pid:
                    return app
            return None

        if self._root is None:
            self._root = Node(self, wait_until(look, timeout, "%s on the accessibility bus" % self.name))
        return self._root

    def windows(self):
        return [w for w in self.root().children() if w.is_showing()]

    def window(self, name=None, contains=None, timeout=DEFAULT_TIMEOUT):
        """A shown top-level window by its title, or by a text it shows."""

        def look():
            for window in self.root().children():
                if not window.is_showing():
                    continue
                if name is not None and window.name == name:
                    return window
                if contains is not None and window.find_all(contains=contains):
                    return window
            return None

        return wait_until(look, timeout, "window %r" % (name if name is not None else contains))

    def wait_dialog(self, contains, timeout=DEFAULT_TIMEOUT):
        """A message box or question showing a text that contains `contains`."""
        return self.window(contains=contains, timeout=timeout)

    def wait_gone(self, node, timeout=DEFAULT_TIMEOUT):
        def gone():
            try:
                return not node.is_showing()
            except Exception:
                return True

        wait_until(gone, timeout, "%r to close" % node)

    def peak_memory_kb(self):
        """The most resident memory the program has used so far (VmHWM)."""
        with open("/proc/%d/status" % self.process.pid) as f:
            for line in f:
                if line.startswith("VmHWM:"):
                    return int(line.split()[1])
        return 0

    def wait_exit(self, timeout=DEFAULT_TIMEOUT):
        wait_until(lambda: self.process.poll() is not None, timeout, "%s to end" % self.name)
        return self.process.returncode

    # Input: real pointer and key events through XTEST, so that focus and mouse
    # handlers run as they do for a person.
    def click(self, node, button=1):
        import pyatspi
        wait_until(node.is_enabled, what="%r to be enabled" % node)
        x, y, w, h = node.extents()
        pyatspi.Registry.generateMouseEvent(x + w // 2, y + h // 2, "b%dc" % button)
        self.settle()

    def right_click(self, node):
        self.click(node, button=3)

    def key(self, name):
        import pyatspi
        pyatspi.Registry.generateKeyboardEvent(KEYSYMS[name], None, pyatspi.KEY_SYM)
        self.settle()

    def type(self, text):
        import pyatspi
        for ch in text:
            # Latin-1 characters are their own keysyms; others have Unicode keysyms.
            keysym = ord(ch) if ord(ch) < 0x100 else 0x01000000 | ord(ch)
            pyatspi.Registry.generateKeyboardEvent(keysym, None, pyatspi.KEY_SYM)
        self.settle()

    def type_into(self, node, text):
        """Clicks into a text box and types (the box's own key filter sees each key)."""
        self.click(node)
        wait_until(lambda: "focused" in node.states(), what="%r to take the focus" % node)
        self.type(text)
        wait_until(lambda: text in node.text(), what="%r to hold %r" % (node, text))

    def choose_file(self, dialog, path, attempts=3):
        """Picks a file in a file dialog by its full path. The path is put into the file name
        box as a whole (typed keys race the box's completer), then "Open" is pressed."""
        box = dialog.find_labelled("File name:", role="text")
        for attempt in range(attempts):
            box.acc.queryEditableText().setTextContents(path)
            wait_until(lambda: box.text() == path, what="%r to hold %r" % (box, path))
            self.click(dialog.find("Open", role="push button"))
            try:
                self.wait_gone(dialog, timeout=5)
                return
            except TimeoutError:
                continue
        self.wait_gone(dialog)

    def choose(self, combo, item, attempts=3):
        """Picks an entry of a drop-down list."""
        for attempt in range(attempts):
            self.click(combo)
            entry = combo.find(name=item, role="list item", showing=False)
            wait_until(entry.is_showing, what="the entry %r to show" % item)
            self.wait_still(entry)
            self.click(entry)
            try:
                wait_until(lambda: combo.name == item, timeout=3, what="%r to be chosen" % item)
                return
            except TimeoutError:
                if attempt + 1 == attempts:
                    raise
                if entry.is_showing():
                    self.key("Escape")

    def wait_still(self, node, timeout=DEFAULT_TIMEOUT):
        """Waits until a control stays in place (a drop-down slides open)."""
        last = [None]

        def still():
            now = node.extents()
            if now == last[0]:
                return True
            last[0] = now
            return False

        wait_until(still, timeout, "%r to stop moving" % node, interval=0.1)

    def press(self, window, caption):
        """Clicks a button of a window by its caption."""
        self.click(window.find(name=caption, role="push button"))

    def settle(self):
        # Input events are queued by the registry; a round trip to the program
        # makes sure they were delivered before the next look at its state.
        try:
            self.root().acc.childCount
        except Exception:
            pass


class Run:
    """One run: a folder, the programs started and the screenshots taken."""

    def __init__(self, options):
        self.options = options
        self.folder = tempfile.mkdtemp(prefix="quorin-e2e-")
        self.apps = []
        self.runtime = os.path.join(self.folder, "runtime")
        os.makedirs(self.runtime, mode=0o700)

    def path(self, *parts):
        return os.path.join(self.folder, *parts)

    def make_root(self, name="root"):
        root = self.path(name)
        os.makedirs(root, exist_ok=True)
        return root

    def binary(self, program):
        return os.path.join(self.options.bin, program)

    def start(self, program, *arguments, env=None, name=None):
        """Starts a program of --bin with its own runtime and cache folders. `program` may
        also be a path (an installed copy); `name` is then the name it takes on the
        accessibility bus ("teacher", "student")."""
        environment = dict(os.environ)
        environment.update({
            "QT_QPA_PLATFORM": "xcb",
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
            "QT_ACCESSIBILITY": "1",
            "XDG_RUNTIME_DIR": self.runtime,
            "XDG_CACHE_HOME": self.path("cache"),
            "XDG_CONFIG_HOME": self.path("config"),
            # English unless a driver asks for another language through `env`.
            "LANGUAGE": "en",
            "LC_ALL": "C.UTF-8",
            "LANG": "C.UTF-8",
        })
        environment.pop("LC_MESSAGES", None)
        environment.pop("QUORIN_DATA_ROOT", None)
        environment.pop("QUORIN_ROOT_REMOTE", None)
        environment.update(env or {})
        log = open(self.path("%s-%d.log" % (os.path.basename(program), len(self.apps) + 1)), "wb")
        process = subprocess.Popen([self.binary(program), *arguments], env=environment, stdout=log,
                                   stderr=subprocess.STDOUT, preexec_fn=_die_with_parent)
        app = App(self, process, name or program)
        self.apps.append(app)
        return app

    def screenshot(self, path, node=None, margin=0):
        """The whole screen, or cut to one window or control."""
        if not os.path.isabs(path):
            folder = self.options.shots or self.folder
            os.makedirs(folder, exist_ok=True)
            path = os.path.join(folder, path)
        command = ["import", "-window", "root"]
        if node is not None:
            x, y, w, h = node.extents()
            command += ["-crop", "%dx%d+%d+%d" % (w + 2 * margin, h + 2 * margin,
                                                  max(x - margin, 0), max(y - margin, 0)), "+repage"]
        subprocess.run(command + [path], check=True, timeout=60)
        return path

    def window_titles(self):
        """The titles of the display's top-level windows as the window system has them
        (what a window manager shows), not only what the program set."""
        out = subprocess.run(["xwininfo", "-root", "-children"], capture_output=True,
                             text=True, timeout=30).stdout
        return [m.group(1) for m in re.finditer(r'^\s*0x[0-9a-f]+ "(.*)":', out, re.M)]

    def close(self, failed):
        for app in self.apps:
            _stop(app.process)
        if failed or self.options.keep:
            print("e2e: the run's folder is kept: %s" % self.folder, file=sys.stderr)
            for name in sorted(os.listdir(self.folder)):
                if name.endswith(".log"):
                    with open(os.path.join(self.folder, name), errors="replace") as f:
                        content = f.read().strip()
                    if content:
                        print("--- %s\n%s" % (name, content[-4000:]), file=sys.stderr)
        else:
            shutil.rmtree(self.folder, ignore_errors=True)


def _options(argv):
    parser = argparse.ArgumentParser()
    parser.add_argument("--bin", required=True, help="folder of the programs")
    parser.add_argument("--keep", action="store_true", help="keep the run's folder")
    parser.add_argument("--shots", help="folder for screenshots given by relative paths")
    parser.add_argument("--timeout", type=float, default=240, help="seconds for the whole scenario")
    return parser.parse_args(argv)


def _start_display():
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
                             "-nolisten", "tcp", "-noreset"], pass_fds=(write_end,),
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, preexec_fn=_die_with_parent)
    os.close(write_end)
    number = b""
    deadline = time.monotonic() + 30
    while not number.endswith(b"\n"):
        if time.monotonic() > deadline or xvfb.poll() is not None:
            _stop(xvfb)
            raise RuntimeError("Xvfb did not start")
        chunk = os.read(read_end, 16)
        if not chunk:
            break
        number += chunk
    os.close(read_end)
    return xvfb, ":" + number.decode().strip()


def main(scenario, argv=None):
    """Runs scenario(run) on a private display and bus; exits with 0 on success."""
    argv = sys.argv[1:] if argv is None else argv
    options = _options(argv)
    if os.environ.get(INNER) != "1":
        xvfb, display = _start_display()
        try:
            environment = dict(os.environ, DISPLAY=display, **{INNER: "1"})
            environment.pop("DBUS_SESSION_BUS_ADDRESS", None)
            environment.pop("AT_SPI_BUS_ADDRESS", None)
            inner = subprocess.Popen(["dbus-run-session", "--", sys.executable, os.path.abspath(sys.argv[0]), *argv],
                                     env=environment, preexec_fn=_die_with_parent)
            try:
                code = inner.wait(options.timeout + 30)
            except subprocess.TimeoutExpired:
                print("e2e: the scenario overran its time", file=sys.stderr)
                _stop(inner)
                code = 1
        finally:
            _stop(xvfb)
        sys.exit(code)

    def overran(signum, frame):
        raise TimeoutError("the scenario took longer than %.0f s" % options.timeout)

    signal.signal(signal.SIGALRM, overran)
    signal.alarm(int(options.timeout))
    run = Run(options)
    failed = True
    try:
        scenario(run)
        failed = False
    except Exception:
        traceback.print_exc()
        signal.alarm(0)
        try:
            # What the screen showed when it went wrong, kept with the run's folder.
            print("e2e: the screen at the failure: %s" % run.screenshot(os.path.join(run.folder, "failure.png")),
                  file=sys.stderr)
        except Exception as error:
            print("e2e: no screenshot of the failure: %s" % error, file=sys.stderr)
    finally:
        signal.alarm(0)
        run.close(failed)
    sys.exit(1 if failed else 0)
