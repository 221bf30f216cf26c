"""The window as a screen reader sees it, through the accessibility bus (AT-SPI).

Started by run-window-check.sh with a display and the buses ready. Checks:
- every control on screen has a name a screen reader can say;
- a map opened from a file shows its code's values on the controls (its complexity and width);
- Candidates closed with Esc leave the map on screen as it was (its code unchanged);
- an editor change: the title shows "*", and Live then keeps the change (the map is not remade);
- Ctrl+Q with the change asks once, and Discard closes the window.
Prints one line per check and "N passed, M failed" at the end; exit 0 only when all passed.
"""

import os
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

BUILD, WORK = sys.argv[1], sys.argv[2]
EXE = os.path.join(BUILD, "brambex")
results = []


def check(name, ok, detail=""):
    results.append(ok)
    print(("ok   " if ok else "FAIL ") + name + ("" if ok or not detail else ": " + detail), flush=True)


def walk(node, depth=0):
    if node is None or depth > 40:
        return
    yield node
    for i in range(node.get_child_count()):
        yield from walk(node.get_child_at_index(i), depth + 1)


def app_named(name, timeout=20.0):
    end = time.time() + timeout
    while time.time() < end:
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_name() == name:
                for j in range(app.get_child_count()):
                    frame = app.get_child_at_index(j)
                    if frame is not None and frame.get_role() == Atspi.Role.FRAME:
                        return app, frame
        time.sleep(0.2)
    return None, None


def showing(node):
    states = node.get_state_set()
    return states.contains(Atspi.StateType.SHOWING) and states.contains(Atspi.StateType.VISIBLE)


def by_name(frame, role, name):
    for node in walk(frame):
        if node.get_role() == role and node.get_name() == name:
            return node
    return None


def text_of(node):
    if node is None:
        return None
    try:
        return Atspi.Text.get_text(node, 0, Atspi.Text.get_character_count(node))
    except Exception:  # no text interface
        return None


def value_of(node):
    return Atspi.Value.get_current_value(node) if node is not None else None


def wait(condition, timeout=20.0):
    end = time.time() + timeout
    while time.time() < end:
        if condition():
            return True
        time.sleep(0.1)
    return False


def dialog_named(app, name):
    for i in range(app.get_child_count()):
        child = app.get_child_at_index(i)
        if child is not None and child.get_role() == Atspi.Role.DIALOG and child.get_name() == name and showing(child):
            return child
    return None


def press(node):
    if node is None:
        return False
    done = Atspi.Action.do_action(node, 0)
    time.sleep(0.6)  # a press is an animated click: it lands a moment later
    return done


def click(node):
    """A real mouse click on the middle of `node` (a checkable button's own action would not select it)."""
    if node is None:
        return
    box = Atspi.Component.get_extents(node, Atspi.CoordType.SCREEN)
    subprocess.run(["xdotool", "mousemove", str(box.x + box.width // 2), str(box.y + box.height // 2), "click", "1"], check=False)
    time.sleep(0.4)


def key(keys):
    subprocess.run(["xdotool", "key", "--clearmodifiers", keys], check=False)


def main():
    Atspi.init()
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1", QT_QPA_PLATFORM="xcb")
    # A Cavern of complexity 300, 2000 wide (from a settings file of its own): values the controls
    # do not start with, the complexity outside the slider's own range.
    start = os.path.join(WORK, "start")
    os.makedirs(os.path.join(start, "data", "cavern"))
    for entry in os.listdir(os.path.join(BUILD, "data")):
        if entry != "cavern":
            os.symlink(os.path.join(BUILD, "data", entry), os.path.join(start, "data", entry))
    open(os.path.join(start, "data", "cavern", "filecheck.dat"), "w").close()
    with open(os.path.join(start, "data", "cavern", "settings.dat"), "w") as f:
        f.write("width 2000\nheight 696\ncomplexity 300\nobjects 50\n")
    made = subprocess.run([EXE, "-t", "cavern", "--seed", "77", "--theme", "1", "--out", os.path.join(WORK, "nine.png")],
                          cwd=start, env=env, capture_output=True, text=True)
    wanted = next((line[len("Code: "):] for line in made.stdout.splitlines() if line.startswith("Code: ")), None)
    check("the map is made with its code", made.returncode == 0 and wanted is not None, made.stderr)
    window = subprocess.Popen([EXE, os.path.join(WORK, "nine.png")], cwd=start, env=env)
    try:
        app, frame = app_named("Brambex")
        if frame is None:
            desktop = Atspi.get_desktop(0)
            names = [desktop.get_child_at_index(i).get_name() for i in range(desktop.get_child_count())]
            print("apps on the bus:", names, "window running:", window.poll() is None, flush=True)
        check("the window is on the accessibility bus", frame is not None)
        if frame is None:
            return
        wait(lambda: by_name(frame, Atspi.Role.TEXT, "Map code") is not None and text_of(by_name(frame, Atspi.Role.TEXT, "Map code")))
        inputs = {Atspi.Role.SLIDER, Atspi.Role.SPIN_BUTTON, Atspi.Role.COMBO_BOX, Atspi.Role.TEXT,
                  Atspi.Role.PUSH_BUTTON, Atspi.Role.CHECK_BOX, Atspi.Role.RADIO_BUTTON, Atspi.Role.TOGGLE_BUTTON}
        unnamed, named = [], 0
        for node in walk(frame):
            if node.get_role() not in inputs or not showing(node):
                continue
            parent = node.get_parent()
            # The line edit inside a spin box or a list speaks through it.
            if parent is not None and parent.get_role() in (Atspi.Role.SPIN_BUTTON, Atspi.Role.COMBO_BOX):
                continue
            if (node.get_name() or "").strip():
                named += 1
            else:
                unnamed.append(node.get_role_name())
        check("every control on screen has a name (%d named)" % named, not unnamed and named >= 20, ", ".join(unnamed))

        code = text_of(by_name(frame, Atspi.Role.TEXT, "Map code"))
        check("the map's code is shown", code == wanted, repr(code))
        complexity = value_of(by_name(frame, Atspi.Role.SPIN_BUTTON, "Complexity value"))
        width = value_of(by_name(frame, Atspi.Role.SPIN_BUTTON, "Width value"))
        check("the loaded map's values are on the controls", complexity == 300 and width == 2000,
              "complexity %s, width %s" % (complexity, width))

        # Candidates, then Esc: the map on screen stays.
        key("ctrl+k")
        opened = wait(lambda: any(app.get_child_at_index(i) is not None and app.get_child_at_index(i).get_role() == Atspi.Role.DIALOG
                                  for i in range(app.get_child_count())), 10)
        time.sleep(0.5)
        key("Escape")
        closed = wait(lambda: not any(app.get_child_at_index(i) is not None and
                                      app.get_child_at_index(i).get_role() == Atspi.Role.DIALOG
                                      for i in range(app.get_child_count())), 20)
        wait(lambda: text_of(by_name(frame, Atspi.Role.TEXT, "Map code")), 30)
        after = text_of(by_name(frame, Atspi.Role.TEXT, "Map code"))
        check("Candidates closed with Esc change nothing", opened and closed and after and after == code,
              "opened %s, closed %s, code %r" % (opened, closed, after))

        # An editor change: Edit > IndiMask, a colour made harder, OK.
        key("alt+e")
        time.sleep(0.3)
        key("i")
        editor = None
        if wait(lambda: dialog_named(app, "Edit Map") is not None, 20):
            editor = dialog_named(app, "Edit Map")
        check("the editor opens from the keyboard", editor is not None)
        if editor is None:
            return
        group = next((n for n in walk(editor) if n.get_name() == "Destructable"), None)
        colour = next((n for n in walk(group) if n is not group and n.get_role() in
                       (Atspi.Role.PUSH_BUTTON, Atspi.Role.TOGGLE_BUTTON, Atspi.Role.CHECK_BOX)), None) if group is not None else None
        check("the editor shows the map's colours", colour is not None,
              "no colour button in %s" % (group.get_role_name() if group is not None else "no group"))
        click(colour)
        press(by_name(editor, Atspi.Role.PUSH_BUTTON, "Down"))
        press(by_name(editor, Atspi.Role.PUSH_BUTTON, "OK"))
        edited = wait(lambda: (frame.get_name() or "").startswith("*"), 10)
        check("an editor change shows * in the title", edited, frame.get_name())

        # Live on an edited map: a moved slider does not remake it.
        objects = by_name(frame, Atspi.Role.SLIDER, "Objects")
        if objects is not None:
            Atspi.Value.set_current_value(objects, 10.0 if value_of(objects) != 10 else 20.0)
        time.sleep(1.0)
        paused = any("Live is paused" in (node.get_name() or "") + (text_of(node) or "") for node in walk(frame)
                     if node.get_role() in (Atspi.Role.LABEL, Atspi.Role.STATUS_BAR))
        check("Live keeps the edited map and says it waits", (frame.get_name() or "").startswith("*") and paused
              and text_of(by_name(frame, Atspi.Role.TEXT, "Map code")) == code, frame.get_name())

        # Ctrl+Q asks once; Discard closes the window.
        key("ctrl+q")
        questions = 0
        end = time.time() + 20
        while time.time() < end and window.poll() is None:
            alert = next((app.get_child_at_index(i) for i in range(app.get_child_count())
                          if app.get_child_at_index(i) is not None and showing(app.get_child_at_index(i))
                          and app.get_child_at_index(i).get_role() in (Atspi.Role.ALERT, Atspi.Role.DIALOG)), None)
            if alert is not None:
                questions += 1
                press(by_name(alert, Atspi.Role.PUSH_BUTTON, "Discard"))
                wait(lambda: not showing(alert), 5)
            time.sleep(0.2)
        check("Ctrl+Q asks once and Discard closes the window", window.poll() == 0 and questions == 1,
              "questions %d, status %s" % (questions, window.poll()))
    finally:
        if window.poll() is None:
            window.kill()


main()
passed, failed = results.count(True), results.count(False)
print("%d passed, %d failed" % (passed, failed))
sys.exit(0 if failed == 0 and passed > 0 else 1)
