# Reads the running calculator as a screen reader does: through the AT-SPI
# registry, with a listener registered for the events a screen reader asks
# for, while real mouse clicks and keys (xdotool) go through the X server.
# The program is told its display by Qt's option in its joined form.
# Usage: accessibility_walk.py PROGRAM  (on an X display and a session bus
# of its own). Prints what it reads; exits 1 on the first difference.
import os
import re
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

events = []


def listen(event):
    source = event.source
    said = event.any_data if isinstance(event.any_data, str) else None
    events.append((event.type, source.name, event.detail1, source.description, source, said))


# Every event of objects, windows and focus, as a screen reader asks for them.
pyatspi.Registry.registerEventListener(listen, "object:", "window:", "focus:")

errors = tempfile.TemporaryFile()
program = subprocess.Popen([sys.argv[1], "--display=" + os.environ["DISPLAY"]], stderr=errors,
                           env={k: v for k, v in os.environ.items() if k != "DISPLAY"})


def pump(seconds):
    """Lets events arrive for a while."""
    end = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        time.sleep(0.02)


def fail(message):
    program.kill()
    sys.exit("FAIL: " + message)


def application():
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "tavrin" and app.childCount:
                return app
        pump(0.1)
    fail("no application named tavrin on the bus within 10 s")


window = application()[0]


def find(role, name):
    found = [c for c in window if c.getRole() == role and c.name == name]
    return found[0] if found else fail(f"no {role} named {name!r}")


def states(control):
    held = control.getState()
    return {n for n, s in (("showing", pyatspi.STATE_SHOWING),
                           ("checked", pyatspi.STATE_CHECKED),
                           ("expandable", pyatspi.STATE_EXPANDABLE),
                           ("expanded", pyatspi.STATE_EXPANDED),
                           ("focusable", pyatspi.STATE_FOCUSABLE),
                           ("focused", pyatspi.STATE_FOCUSED)) if held.contains(s)}


def expect(what, seen, wanted):
    print(f"{what}: {seen!r}")
    if seen != wanted:
        fail(f"{what}: wanted {wanted!r}")


def bit(k):
    return find(CHECK_BOX, BITS[k])


focused = lambda: [c.name for c in window if "focused" in states(c)]


def click(control):
    x, y, w, h = control.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(x + w // 2), str(y + h // 2), "click", "1"],
                   check=True)
    pump(0.4)


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "40", *names], check=True)
    pump(0.4)


def events_of(kind):
    seen = [e for e in events if e[0].startswith(kind)]
    events.clear()
    return seen


BITS = [f"位 {k}" + ("（最低位）" if k == 0 else "（最高位）" if k == 31 else "") for k in range(32)]
# Roles, not their names: at-spi2 names a role differently from one release to another.
LABEL, ENTRY, PUSH_BUTTON = pyatspi.ROLE_LABEL, pyatspi.ROLE_TEXT, pyatspi.ROLE_PUSH_BUTTON
CHECK_BOX = pyatspi.ROLE_CHECK_BOX
binary = find(LABEL, "0")
decimal = find(ENTRY, "十进制")
toggle = find(PUSH_BUTTON, "显示大小面板")

# The window as it opens, every control as tests/opens.txt describes it, the
# bits laid out in two rows of sixteen as in the form test: role, name,
# description, states, actions, place in the window (a hidden one nowhere), text.
ROLES = {"StaticText": LABEL, "EditableText": ENTRY, "Button": PUSH_BUTTON, "CheckBox": CHECK_BOX}
X = (32, 56, 80, 104, 152, 176, 200, 224, 272, 296, 320, 344, 390, 415, 439, 464)
with open(os.path.join(os.path.dirname(__file__), "opens.txt"), encoding="utf-8") as opens:
    described = [dict((k, v.strip('"')) for k, v in re.findall(r'(\w+)=("[^"]*"|\S*)', line))
                 for line in opens if line.split()[0] not in ("Form1", "stderr")]
described += [{"role": "CheckBox", "name": BITS[k],
               "desc": f"位 {k} = {1 << k} = 0x{1 << k:X}", "states": "focusable",
               "actions": "Toggle,SetFocus", "at": f"{X[15 - k % 16]},{128 if k < 16 else 56}",
               "size": "17x33"} for k in range(32)]


def on_bus(c):
    x, y, w, h = c.queryComponent().getExtents(pyatspi.WINDOW_COORDS)
    acts = c.queryAction() if c.getRole() != LABEL else None
    actions = ",".join(acts.getName(i) for i in range(acts.nActions)) if acts else ""
    text = c.queryText().getText(0, -1) if c.getRole() == ENTRY else ""
    return (int(c.getRole()), c.name, c.description, tuple(sorted(states(c) - {"focused"})),
            f"{x},{y} {w}x{h}", actions, text)


def as_described(f):
    held = set(f["states"].split(",")) & {"focusable", "checked", "expandable", "expanded"}
    shows = "invisible" not in f["states"]
    held |= {"showing"} if shows else set()
    return (int(ROLES[f["role"]]), f["name"], f["desc"], tuple(sorted(held)),
            f"{f['at']} {f['size']}" if shows else "0,0 0x0", f["actions"],
            f["text"] if f["role"] == "EditableText" else "")


expect("as it opens", sorted(map(on_bus, window)), sorted(map(as_described, described)))


def heard(control, batch):
    """What a reader heard of a control's checked and expanded states and its name."""
    return [(e[0].split(":")[-1], e[1] if e[0].endswith("name") else e[2]) for e in batch
            if e[4] == control and e[0] in ("object:state-changed:checked",
                                            "object:state-changed:expanded",
                                            "object:property-change:accessible-name")]


def told(batch):
    """What a reader was told outright: an announcement (Qt 6.8), or a notification that
    shows (before)."""
    return [e[5] if e[0] == "object:announcement" else e[1] for e in batch
            if e[0] == "object:announcement" or (e[0] == "object:state-changed:showing" and e[2]
                                                 and e[4].getRole() == pyatspi.ROLE_NOTIFICATION)]


# A reader's own Toggle on a bit flips it, and flips it back.
for detail in (1, 0):
    bit(5).queryAction().doAction(0)
    pump(0.4)
    expect("Toggle on bit 5: heard", heard(bit(5), events_of("")), [("checked", detail)])

# A bit click from the hexadecimal box flips exactly that bit's checked state,
# once, its name staying; the keyboard stays in the box, so the click is told.
click(bit(0))
batch = events_of("")
expect("bit 0 set: heard, told", (heard(bit(0), batch), told(batch)),
       ([("checked", 1)], ["位 0 置 1"]))
click(bit(0))
batch = events_of("")
expect("bit 0 clear: checked events, told",
       ([e[1:3] for e in batch if e[0] == "object:state-changed:checked"], told(batch)),
       ([("位 0（最低位）", 0)], ["位 0 置 0"]))

# Typing: the binary label's name follows, with its change event.
click(decimal)
events_of("")
keys("End", "BackSpace", "3", "1")
batch = events_of("")
expect("typed 31: bits heard, once each; the binary label's last name",
       (sorted(e[1:3] for e in batch if e[0] == "object:state-changed:checked"),
        [e[1] for e in batch if e[0].endswith("accessible-name") and e[4] == binary][-1:]),
       (sorted((bit(k).name, 1) for k in range(5)), ["1 1111"]))
events_of("")
keys("Escape")
expect("Escape: texts changed, and only those",
       sorted({e[4].name for e in events_of("object:text-changed")}), ["十六进制", "十进制"])
keys("Escape")
expect("Escape again: texts changed", [e[4].name for e in events_of("object:text-changed")], [])

# A refused text: the box says so in its description, and stops saying it.
keys("BackSpace", *["9"] * 10)
keys("BackSpace")
expect("description events",
       [e[3] for e in events_of("object:property-change:accessible-description")],
       ["输入无效", ""])

# The focus as a reader follows it.
keys("Tab")
expect("Tab: focused", focused(), ["显示大小面板"])
expect("Tab: focus events", [e[1] for e in events_of("focus:")], ["显示大小面板"])

# The toggle says what a press does and whether the panel shows: with the
# focus, by its state; a click from a box is told, and the keyboard stays.
events_of("")
keys("space")
batch = events_of("")
expect("Space: heard, told", (heard(toggle, batch), told(batch)),
       ([("accessible-name", "隐藏大小面板"), ("expanded", 1)], []))
click(decimal)
keys("End", "BackSpace")
events_of("")
click(toggle)
batch = events_of("")
expect("clicked from a box: heard, told", (heard(toggle, batch), told(batch)),
       ([("accessible-name", "显示大小面板"), ("expanded", 0)], ["大小面板已隐藏"]))
keys("7")
expect("clicked from a box: typed, focused", (decimal.queryText().getText(0, -1), focused()),
       ("999999997", ["十进制"]))

pump(0.5)
program.terminate()
program.wait()
errors.seek(0)
expect("standard error", errors.read().decode(), "")
