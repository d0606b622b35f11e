#!/usr/bin/python3
# What a screen reader (Orca, through AT-SPI) learns from the real program: started on a
# virtual display with a private accessibility bus (screen_reader_test.sh), French regional
# settings. Converts 1 bar with real keys, then reads the tree as a screen reader does and
# checks names, roles, descriptions and states.
#   screen_reader_test.py PROGRAM HOME
import os
import subprocess
import sys
import time

import pyatspi

program, home = sys.argv[1], sys.argv[2]
failures = []


def check(condition, what):
    print(("ok    " if condition else "FAIL  ") + what)
    if not condition:
        failures.append(what)


def find_app(name, seconds=30):
    end = time.time() + seconds
    while time.time() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == name:
                return app
        time.sleep(0.2)
    return None


def walk(node, found):
    try:
        count = node.childCount
    except Exception:
        return
    for i in range(count):
        child = node.getChildAtIndex(i)
        if child is None:
            continue
        found.append(child)
        walk(child, found)


def tree(app):
    found = []
    walk(app, found)
    return found


def role(node):
    return node.getRoleName()


def named(nodes, name, role_name=None):
    return [n for n in nodes if n.name == name and (role_name is None or role(n) == role_name)]


def window(app, title):
    for i in range(app.childCount):
        w = app.getChildAtIndex(i)
        if w is not None and w.name == title:
            return w
    return None


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=False)


env = dict(os.environ, HOME=home, XDG_RUNTIME_DIR=home, LANG="fr_FR.UTF-8",
           QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
os.makedirs(os.path.join(home, "Documents", "Quorzen", "CfgFiles"), exist_ok=True)
# The accessibility bus and its registry up before the program starts, so that the program
# finds them at once.
pyatspi.Registry.getDesktop(0).childCount


def start():
    return subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)


process = start()
try:
    app = find_app("Baritemp", 20)
    if app is None:  # a loaded machine: once more
        process.terminate()
        process.wait(timeout=10)
        process = start()
        app = find_app("Baritemp", 30)
    check(app is not None, "the program is on the accessibility bus")
    if app is None:
        desktop = pyatspi.Registry.getDesktop(0)
        print("on the bus:", [desktop.getChildAtIndex(i).name for i in range(desktop.childCount)])
    if app is None:
        sys.exit(1)
    main = None
    end = time.time() + 20
    while main is None and time.time() < end:
        main = window(app, "Baritemp v2011.1.2.0")
        time.sleep(0.2)
    check(main is not None, "its main window, named by its caption")
    nodes = tree(main)

    # The seventeen value fields: named by their units, described by their tooltips.
    units = ["bar", "mbar", "psi", "kg/cm²", "Pa", "daPa", "kPa", "MPa", "Torr", "mCE",
             "mmHg", "mmCE", "inch Hg", "inch CE", "°C", "°F", "K"]
    fields = {}
    for unit in units:
        matches = named(nodes, unit, "text")
        check(len(matches) == 1, "a text field named %r" % unit)
        if matches:
            fields[unit] = matches[0]
    if "psi" in fields:
        check(fields["psi"].description == "Pressez [Entrée] pour convertir...",
              "before a conversion the psi field is described by its tooltip")

    # Convert 1 bar with real keys: click into the bar field, type 1, Enter.
    bar = fields.get("bar")
    if bar is not None:
        extents = bar.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        xdotool("mousemove", str(extents.x + extents.width // 2),
                str(extents.y + extents.height // 2), "click", "1")
        time.sleep(0.3)
        xdotool("type", "1")
        xdotool("key", "Return")
        time.sleep(0.8)
    psi = fields.get("psi")
    if psi is not None:
        print("psi field: role %r, name %r, description %r" %
              (role(psi), psi.name, psi.description))
        check(psi.description == "14,5038 psi", "after 1 bar the psi field says 14,5038 psi")
    if "mmCE" in fields:
        check(fields["mmCE"].description.endswith("197,1621 mmCE"),
              "the mmCE field says its result")

    # The tools icon: a button named by its tooltip; the link: a link named by its address.
    check(len(named(nodes, "Configuration", "push button")) == 1,
          "the tools icon is a button named Configuration")
    links = [n for n in nodes if role(n) == "link"]
    check(len(links) == 1 and links[0].name == "https://www.quorzen.example",
          "the maker's address is a link named by its address")

    # The settings window, through the tools icon's press action.
    tools = named(nodes, "Configuration", "push button")
    if tools:
        action = tools[0].queryAction()
        for i in range(action.nActions):
            if action.getName(i) in ("press", "Press", "click"):
                action.doAction(i)
                break
    settings = None
    end = time.time() + 10
    while settings is None and time.time() < end:
        settings = window(app, "Configuration")
        time.sleep(0.2)
    check(settings is not None, "the tools icon's press opens the settings window")
    if settings is not None:
        snodes = tree(settings)
        for name in ["Enregistrer", "Annuler", "Français", "English"]:
            check(len(named(snodes, name, "push button")) == 1, "a button named %r" % name)
        check(len(named(snodes, "Nombre de décimales", "text")) == 1,
              "the decimals field is named by its label")
        check(len(named(snodes, "Activer le mode Aero Glass", "check box")) == 1,
              "the glass check box is named by its label")
        lists = [n for n in snodes if role(n) == "list"]
        check(len(lists) == 2, "two colour grids, each a list")
        for grid in lists:
            items = [grid.getChildAtIndex(i) for i in range(grid.childCount)]
            check(len(items) == 40 and all(role(i) == "list item" for i in items),
                  "a grid of 40 colours")
            names = [i.name for i in items]
            check(names[0] == "Noir" and names[16] == "Rouge" and names[39] == "Blanc",
                  "the colours are named in French (Noir, Rouge ... Blanc)")
        if len(lists) == 2:
            second = [lists[1].getChildAtIndex(i) for i in range(40)]
            selected = [i.name for i in second
                        if i.getState().contains(pyatspi.STATE_SELECTED)]
            check(selected == ["Blanc"], "the text-zone grid marks White selected")
        xdotool("key", "Escape")
finally:
    process.terminate()
    try:
        process.wait(timeout=10)
    except subprocess.TimeoutExpired:
        process.kill()

sys.exit(1 if failures else 0)
