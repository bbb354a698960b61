#!/usr/bin/python3
"""Reads the running window's accessibility tree as a screen reader does and lists every
interactive control that has no name, or no description where it shows a hint.

Runs the window itself under a private D-Bus session and X server:

    scripts/atspi_names.py [BUILD_DIR]          (default: build/dev)

Needs /usr/bin/python3 with python3-pyatspi, at-spi2-core, dbus and xvfb-run. Prints one line
per unnamed control and a count by role; exits 1 when any control is unnamed.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

INTERACTIVE = {
    "push button", "check box", "radio button", "combo box", "spin button", "text",
    "entry", "password text", "page tab", "slider", "list", "table", "tree", "tree table",
    "toggle button", "scroll bar",
}


def relaunch_inside_session(build):
    """Starts this script again inside dbus-run-session and xvfb-run."""
    env = dict(os.environ, TAVU_ATSPI_INNER="1")
    cmd = ["dbus-run-session", "--", "xvfb-run", "-a", sys.executable, os.path.abspath(__file__), build]
    return subprocess.call(cmd, env=env)


def find_application(name, timeout):
    import pyatspi
    deadline = time.time() + timeout
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name and name in app.name:
                if app.childCount > 0:
                    return app
        time.sleep(0.5)
    return None


def walk(node, path, out, parent_role=""):
    try:
        role = node.getRoleName()
        name = node.name or ""
        description = node.description or ""
        states = node.getState()
    except Exception:
        return
    import pyatspi
    # A combo box's drop-down list is read through the combo box itself.
    popup = role == "list" and parent_role == "combo box"
    if role in INTERACTIVE and role != "scroll bar" and not popup:
        out.append((role, name, description, states.contains(pyatspi.STATE_FOCUSABLE), path))
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            walk(child, path + "/" + (child.name or child.getRoleName()), out, role)


def inner(build):
    work = tempfile.mkdtemp()
    try:
        binary = os.path.join(build, "bin", "tavu")
        system = os.path.join(work, "system")
        source = os.path.join(build, "bin", "system")
        if os.path.isfile(os.path.join(source, "system.tri")):
            shutil.copytree(source, system)
        else:
            subprocess.check_call([os.path.join(build, "bin", "tavu_make_fixture"), work],
                                  stdout=subprocess.DEVNULL)
        env = dict(os.environ, QT_ACCESSIBILITY="1", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   XDG_RUNTIME_DIR=work, XDG_CONFIG_HOME=os.path.join(work, "config"),
                   XDG_DATA_HOME=os.path.join(work, "data"))
        env.pop("QT_QPA_PLATFORM", None)
        proc = subprocess.Popen([binary, "--system", system], env=env)
        try:
            app = find_application("TAVU", 30)
            if app is None:
                print("the window did not appear on the accessibility bus", file=sys.stderr)
                return 2
            time.sleep(3)  # the pages after the first are built right after the first paint
            controls = []
            walk(app, app.name, controls)
        finally:
            proc.terminate()
            proc.wait(10)
    finally:
        shutil.rmtree(work, ignore_errors=True)
    unnamed = [c for c in controls if not c[1].strip()]
    by_role = {}
    for role, _, _, _, path in unnamed:
        by_role[role] = by_role.get(role, 0) + 1
        print("unnamed %-12s %s" % (role, path))
    described = sum(1 for c in controls if c[2].strip())
    print("interactive controls: %d, unnamed: %d %s, with a description: %d"
          % (len(controls), len(unnamed), by_role, described))
    return 1 if unnamed else 0


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build/dev"
    if os.environ.get("TAVU_ATSPI_INNER") != "1":
        return relaunch_inside_session(build)
    return inner(build)


if __name__ == "__main__":
    sys.exit(main())
