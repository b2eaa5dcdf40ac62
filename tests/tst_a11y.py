#!/usr/bin/python3
"""Tessaro by keys alone, as an AT-SPI client reads it; with --orca LOG, Orca,
started after Tessaro, speaks it too. tools/a11y-desktop.sh runs it on a desktop."""
import collections, os, re, subprocess, sys, time

try:
    import pyatspi
    from gi.repository import GLib
except ImportError:
    sys.exit(print("skipped: no pyatspi") or 77)

told = []  # the texts of the notifications shown, in order
orca = None


class Orca:  # its debug log read as written: to a terminal, which it writes line by line

    def __init__(self, log):
        self.terminal, screen = os.openpty()
        os.set_blocking(self.terminal, False)
        self.process = subprocess.Popen(["orca", "--debug-file=" + os.ttyname(screen)], stdout=subprocess.DEVNULL)
        self.log, self.data = open(log, "wb"), b""

    def spoken(self):
        try:
            while chunk := os.read(self.terminal, 1 << 16):
                self.data += chunk
                self.log.write(chunk)
        except OSError:  # nothing more yet, or Orca gone
            pass
        return re.findall(r"SPEECH OUTPUT: '(.*)' ?\{'established", self.data.decode(errors="replace"))


def wait(what, probe, limit=20):  # until the probe gives something true; objects may vanish meanwhile
    end = time.monotonic() + limit
    while True:
        while GLib.MainContext.default().iteration(False):
            pass
        try:
            value = (orca and orca.spoken(), probe())[1]
        except Exception:
            value = None
        if value or time.monotonic() > end:
            assert value, f"no {what} within {limit} s"
            return value
        time.sleep(0.05)


def press(*keys):
    subprocess.run(["xdotool", "key", "--delay", "60", *keys], check=True)


def window():  # the active one
    app = next(a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "Tessaro")
    return next((w for w in app if w.getState().contains(pyatspi.STATE_ACTIVE)), None)


def below(obj, role):
    for child in obj:
        yield from [child] if child.getRoleName() == role else []
        yield from below(child, role)


def focus():
    return next(o for role in ("text", "push button", "radio button", "combo box") for o in below(window(), role)
                if o.getState().contains(pyatspi.STATE_FOCUSED))


def moved(key, old):
    press(key)
    return wait(f"focus moved by {key}", lambda: (f := focus()) != old and f)


def rect(obj):
    e = obj.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return e.x, e.y, e.x + e.width, e.y + e.height


def announced():  # the one announcement that follows, heard out under Orca
    count = len(told)
    wait("announcement", lambda: len(told) > count)
    if orca:
        wait("Orca speaking it", lambda: told[count] + "." in orca.spoken())
    end = time.monotonic() + 1.5  # time for a second one, if one would come
    wait("pause", lambda: time.monotonic() > end)
    assert len(told) == count + 1, f"told {told[count:]}"
    return told[-1]


def splash():
    w = wait("splash", window)
    assert (w.getRoleName(), w.name, w.description) == ("frame", "Tessaro", "Click or press any key to start"), w
    press("space")
    wait("focus in the menu's first box", lambda: focus().getRoleName() == "text")


def converter():  # the result named by its value with its unit; a list by its label, a new unit told with it
    box = focus()
    press("BackSpace", "1", "2")
    text = announced()
    labels = {o.description: o for o in below(window(), "label") for r in o.getRelationSet()
              if r.getRelationType() == pyatspi.RELATION_CONTROLLED_BY and r.getTarget(0) == box}
    assert set(labels) == {"US result", "US working"}, f"labels controlled by the box: {set(labels)}"
    assert text == labels["US result"].name == "12 Inches", (text, labels["US result"].name)
    units = moved("Tab", box)
    assert (units.name, units.queryText().getText(0, -1)) == ("US unit to convert from", "Inches"), units.name
    press("Down")
    assert announced() == "Feet: 144 Inches"


def pictures():
    press(*["Tab"] * 5)
    f = wait("a picture", lambda: (f := focus()).getRoleName() == "push button" and f)
    buttons, here = [rect(p) for p in below(window(), "push button")], rect(f)
    assert not any(b[3] <= here[1] or (b[1] < here[3] and b[0] < here[0]) for b in buttons), f.name
    right = lambda a, b: a[1] < b[3] and b[1] < a[3] and a[2] <= b[0]
    for key, where in (("Right", right), ("Right", right), ("Down", lambda a, b: a[3] <= b[1])):
        new = moved(key, f)
        assert new.getRoleName() == "push button" and where(rect(f), rect(new)), f"{key}: {f.name} to {new.name}"
        f = new


def open_window():
    name = focus().name
    press("space")
    assert wait(f"window {name!r}", lambda: (w := window()).name == name and w).getRoleName() == "frame"
    wait("focus in a text box", lambda: focus().getRoleName() == "text")


def calculate():  # a box left empty, Enter; also the tree's order: frames left to right, lines top to bottom
    f, digit = focus(), 2
    while f.getRoleName() == "text":
        press(str(digit))
        f, digit = moved("Tab", f), digit + 1
    last = moved("shift+Tab", f)  # back onto the last box, its text selected: emptied, and Enter
    press("BackSpace", "Return")
    text, frames = announced(), list(below(window(), "panel"))
    assert text.startswith(f"{last.name} was empty; "), text
    assert sorted(frames, key=lambda f: rect(f)[0]) == frames, "frames not left to right"
    for frame in frames:
        lines = list(below(frame, "label"))
        named = [o for o in lines if o.name]
        assert f"{frame.name}: {named[-1].name}" in text, f"{frame.name!r} missing in {text!r}"
        assert [rect(o)[1] for o in named] == sorted(rect(o)[1] for o in named), f"lines of {frame.name!r}"
        assert frame.name not in [o.name for o in lines], f"a line of {frame.name!r} named as the frame"


def read_whole():  # Shift+Tab back onto a box: each of its characters in a run of its text attributes, the runs
    box = moved("shift+Tab", focus())  # by which a screen reader splits a line it reads
    text = box.queryText()
    runs = [tuple(text.getAttributeRun(i, False)[1:]) for i in range(text.characterCount)]
    moved("Tab", box)
    assert runs and all(start <= i < end for i, (start, end) in enumerate(runs)), f"{text.getText(0, -1)!r}: {runs}"


def nothing_stale():  # Calculate holds the results told until an entry changes; then nothing tells them
    old, box = told[-1], focus()
    calculate = next(o for o in below(window(), "push button") if o.name == "Calculate")
    assert calculate.description == old, calculate.description
    press("9")  # into the box left empty
    f, notice = moved("shift+Tab", box), next(below(window(), "notification"))
    assert old not in f.name + f.description + calculate.description and notice.name == "", (f.name, notice.name)
    moved("Tab", f)
    press("Return")
    assert announced() != old, "the old results told again"


def copy():
    press("ctrl+shift+c")
    assert announced() == "Worked solution copied"


def overflow():  # the result worked told, the frame an overflow ended named, the message box alerted; OK goes back
    calculator = window().name
    press("period", "5")  # the radius, in the last box
    moved("shift+Tab", focus())
    press("1", "e", "3", "0", "8", "Return")
    text = announced()
    assert "times 10 to the power of 307; " in text and text.endswith(": could not be worked out"), text
    wait("the message box", lambda: window().name == "Tessaro")
    press("Return")
    wait("the calculator again", lambda: window().name == calculator and focus().getRoleName() == "text")


def options():
    calculator, pressed = window().name, [0]

    def back():  # alt+F4 on the calculator, made the window manager's active window first (it may hold the menu
        if time.monotonic() > pressed[0] + 3:  # as active), until it is gone; alt+Tab if no window took the focus
            gone = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{calculator}$", "windowactivate",
                                   "--sync"], timeout=5).returncode
            pressed[0] = press("alt+Tab" if gone else "alt+F4") or time.monotonic()
        return (w := window()) and w.name != calculator and (f := focus()).getRoleName() == "push button" and f
    f = wait("the menu again", back)
    while f.name != "Pythagorean Theorem":
        f = moved("Tab", f)
    open_window()
    while (f := focus()).getRoleName() != "radio button":
        moved("Tab", f)
    assert (f.parent.getRoleName(), f.parent.name) == ("panel", "Solve for"), f.parent.name
    checked = [r.getState().contains(pyatspi.STATE_CHECKED) for r in below(f.parent, "radio button")]
    assert checked.count(True) == 1 and f.getState().contains(pyatspi.STATE_CHECKED), f"entered on {f.name!r}"
    new = moved("Up", f)
    assert [o.getState().contains(pyatspi.STATE_CHECKED) for o in (f, new)] == [False, True] and new.name, new.name


def orca_spoke():
    phrases = {"Click or press any key to start.", "Solve for panel.", "selected radio button",
               "US unit to convert from combo box.", "Inches."}
    wait("Orca's speech", lambda: phrases | {t + "." for t in told} <= set(orca.spoken()))
    said, once = collections.Counter(orca.spoken()), collections.Counter(t + "." for t in told)
    assert all(said[text] == times for text, times in once.items()), f"spoken {said}, told {once}"


def start_orca():
    global orca
    assert subprocess.run(["pgrep", "-u", str(os.getuid()), "-x", "orca"]).returncode, "Orca runs already for this user"
    orca = Orca(sys.argv[3])
    wait("Orca presenting the splash", lambda: "Click or press any key to start." in orca.spoken(), 60)


def main():
    under_orca = sys.argv[2:3] == ["--orca"]
    pyatspi.Registry.registerEventListener(
        lambda e: e.detail1 and e.source.getRoleName() == "notification" and told.append(e.source.name),
        "object:state-changed:showing")
    env = {k: v for k, v in os.environ.items() if k not in ("QT_QPA_PLATFORM", "QT_LINUX_ACCESSIBILITY_ALWAYS_ON")}
    program = subprocess.Popen([sys.argv[1]], env=env)
    rows = [("joins the bus with no screen reader on", lambda: wait("splash", window))]
    rows += [("Orca started later finds the splash", start_orca)] * under_orca + [
        ("the splash says what its picture says; a key opens the menu", splash),
        ("a converter tells its result and a new unit", converter), ("Tab and the arrows visit the pictures", pictures),
        ("Space opens the picture's window", open_window),
        ("Enter calculates, telling each result once and the box left empty; tree order", calculate),
        ("a box taken back is read whole", read_whole), ("a changed entry leaves nothing stale", nothing_stale),
        ("the copy says so", copy), ("an overflow tells what was worked and what was not", overflow),
        ("the options: group, state, arrows", options)]
    rows += [("Orca speaks each announcement once", orca_spoke)] * under_orca
    failed = 0
    for name, row in rows:
        try:
            row()
            print("PASS", name)
        except Exception as error:  # a failed check, or an object gone
            failed += 1
            print("FAIL", name, "-", error)
    for process in filter(None, (orca and orca.process, program)):  # reaped here: Orca takes an unreaped one
        process.kill() or process.wait()  # of the same user for a screen reader running, and will not start
    print(f"{len(rows) - failed} passed, {failed} failed")
    return 1 if failed else 0


sys.exit(main())
