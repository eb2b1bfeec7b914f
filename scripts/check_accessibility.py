# SPDX-FileCopyrightText: 2026 Niveau Seconde developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The screen reader's side of scripts/check-accessibility (run it through that script).

Starts the program with Qt's bridge to the accessibility bus switched on, reaches every window
from the main menu, reads each window's accessible tree, runs one exercise per window from the
keyboard and checks that its result is said with its context. Prints a summary; the exit status
is 1 when a check fails.
"""
import os
import re
import subprocess
import sys
import time

import pyatspi

from bus_wait import pump, wait_for

PROGRAM, LOG = sys.argv[1], sys.argv[2]

failures = []
events = []  # (kind, role of the source, name of the source, detail)


def fail(text):
    failures.append(text)
    print("ÉCHEC : " + text, flush=True)


def on_event(event):
    try:
        role = event.source.getRoleName()
        name = event.source.name or ""
    except Exception:  # the source may be gone already
        role, name = "?", ""
    events.append((event.type, role, name, event.detail1))


def key(name):
    subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True)
    pump(0.3)


def children(acc):
    try:
        return [acc.getChildAtIndex(i) for i in range(acc.childCount)]
    except Exception:
        return []


def walk(acc):
    yield acc
    for child in children(acc):
        if child is not None:
            yield from walk(child)


def states(acc):
    try:
        return acc.getState()
    except Exception:
        return None


def is_showing(acc):
    s = states(acc)
    return s is not None and s.contains(pyatspi.STATE_SHOWING)


def find(root, role, name=None, pattern=None):
    for acc in walk(root):
        try:
            if role is not None and acc.getRoleName() != role:
                continue
            if name is not None and acc.name != name:
                continue
            if pattern is not None and not re.search(pattern, acc.name or ""):
                continue
            return acc
        except Exception:
            continue
    return None


def windows(app):
    return [w for w in children(app) if w is not None and is_showing(w)]


def window_named(app, name):
    for w in windows(app):
        if w.name == name:
            return w
    return None


def press(button):
    action = button.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("Press", "press", "click"):
            action.doAction(i)
            pump(0.3)
            return
    action.doAction(0)
    pump(0.3)


def focus(acc):
    acc.queryComponent().grabFocus()
    pump(0.2)


def type_into(box, text):
    box.queryEditableText().setTextContents(text)
    pump(0.1)


def announcements_since(mark):
    return [name for kind, role, name, detail in events[mark:]
            if kind == "object:state-changed:showing" and role == "notification" and detail == 1]


def expect_said(mark, pattern, what):
    said = wait_for(lambda: [a for a in announcements_since(mark) if re.search(pattern, a)], 5)
    if said:
        print(f"  entendu ({what}) : « {said[-1]} »")
        heard.append(said[-1])
    else:
        fail(f"{what} : rien d'entendu qui corresponde à /{pattern}/ (entendu : {announcements_since(mark)})")


heard = []
reached = set()
unnamed = []
controls_read = 0


def said_after_key(control, pattern, what, name="Return"):
    """Gives the control the focus, presses the key there and expects the announcement; returns
    where the events of that key begin."""
    focus(control)
    mark = len(events)
    key(name)
    expect_said(mark, pattern, what)
    return mark


def read_window(w):
    """Dumps a window's tree and checks that every control that takes the focus has a name."""
    global controls_read
    reached.add(w.name)
    lines = []
    for acc in walk(w):
        try:
            role = acc.getRoleName()
            s = acc.getState()
        except Exception:
            continue
        if s.contains(pyatspi.STATE_FOCUSABLE) and s.contains(pyatspi.STATE_SHOWING):
            controls_read += 1
            if not (acc.name or "").strip():
                unnamed.append(f"{w.name} : {role}")
        if role in ("push button", "text", "list", "label", "panel", "notification", "frame",
                    "combo box", "page tab", "page tab list"):
            lines.append(f"    {role} « {acc.name} »")
    print(f"fenêtre « {w.name} » ({len(lines)} éléments)")
    with open(LOG + ".tree", "a", encoding="utf-8") as tree:
        tree.write(f"== {w.name}\n" + "\n".join(lines) + "\n")


def open_from(app, parent, button_name, window_name, role="push button"):
    button = find(parent, role, button_name)
    if button is None:
        fail(f"pas de bouton « {button_name} » dans « {parent.name} »")
        return None
    press(button)
    w = wait_for(lambda: window_named(app, window_name), 5)
    if w is None:
        fail(f"« {button_name} » n'ouvre pas « {window_name} » (fenêtres : {[x.name for x in windows(app)]})")
        return None
    read_window(w)
    return w


def main():
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
    with open(LOG, "w") as log:
        proc = subprocess.Popen([PROGRAM], env=env, stdout=log, stderr=subprocess.STDOUT)
    try:
        run(proc)
    finally:
        proc.terminate()
        try:
            proc.wait(5)
        except subprocess.TimeoutExpired:
            proc.kill()
    with open(LOG, encoding="utf-8", errors="replace") as log:
        output = log.read()
    invalid = output.count("invalid signature")
    if invalid:
        fail(f"{invalid} avertissements « invalid signature » du pont AT-SPI")
    if unnamed:
        fail(f"{len(unnamed)} contrôles sans nom : {unnamed}")
    print()
    print("Résumé")
    print(f"  fenêtres atteintes : {len(reached)}")
    for name in sorted(reached):
        print(f"    {name}")
    print(f"  contrôles qui prennent le focus, lus : {controls_read}, sans nom : {len(unnamed)}")
    print(f"  annonces entendues : {len(heard)}")
    print(f"  avertissements « invalid signature » du programme : {invalid}")
    print(f"  échecs : {len(failures)}")
    sys.exit(1 if failures else 0)


def run(proc):
    pyatspi.Registry.registerEventListener(
        on_event, "object:state-changed:showing", "object:property-change:accessible-name",
        "object:property-change:accessible-description", "object:children-changed", "focus:")
    desktop = pyatspi.Registry.getDesktop(0)

    def our_app():
        for app in children(desktop):
            try:
                if app is not None and app.get_process_id() == proc.pid:
                    return app
            except Exception:
                continue
        return None

    app = wait_for(our_app, 20)
    if app is None:
        fail("le programme n'apparaît pas sur le bus d'accessibilité")
        return
    splash = wait_for(lambda: window_named(app, "Niveau Seconde : démarrage"), 10)
    if splash:
        read_window(splash)
    menu = wait_for(lambda: window_named(app, "Niveau Seconde"), 20)
    if menu is None:
        fail("le menu principal n'apparaît pas")
        return
    read_window(menu)
    if menu.getRoleName() != "frame":
        fail(f"le menu principal a le rôle {menu.getRoleName()}")
    groups = [g.name for g in walk(menu) if g.getRoleName() == "panel" and g.name]
    print(f"  groupes du menu : {groups}")
    if groups[:3] != ["NOMBRES PREMIERS", "EQUATION, fonction", "PROBABILITES"]:
        fail(f"groupes du menu : {groups}")
    middle = find(menu, "panel", "EQUATION, fonction")
    if middle is not None and find(middle, "push button", "Les fonctions de references") is None:
        fail("« Les fonctions de references » n'est pas dans son groupe")

    # Prime numbers: a verification with Enter in the box.
    w = open_from(app, menu, "Vérifier qu'un nombre est premier", "Nombres premiers : vérification")
    if w:
        box = find(w, "text", "Nombre à vérifier")
        type_into(box, "91")
        said_after_key(box, r"^Le nombre est composé$", "vérification")
        decompose = find(w, "push button", "Décomposition")
        said_after_key(decompose, r"^Décomposition : 91=13\*7$", "décomposition", "KP_Enter")

    w = open_from(app, menu, "Rechercher les nombres premiers", "Nombres premiers : recherche")
    if w:
        type_into(find(w, "text", "Chercher les nombres premiers entre"), "1")
        upper = find(w, "text", "et")
        type_into(upper, "30")
        mark = said_after_key(upper, r"^Nombre de nombres premiers de la liste : 10$", "recherche")
        added = [e for e in events[mark:] if e[0].startswith("object:children-changed:add")
                 and e[2] == "Nombres premiers trouvés"]
        if not added:
            fail("la liste des nombres premiers n'a signalé aucune ligne ajoutée")
        else:
            print(f"  lignes ajoutées signalées par la liste : {len(added)}")

    w = open_from(app, menu, "Etude de la conjecture de Goldbach", "Conjecture de Goldbach")
    if w:
        box = find(w, "text", "Nombre pair")
        type_into(box, "28")
        said_after_key(box, r"28", "Goldbach")

    w = open_from(app, menu, "Exercice Crible d'Eratosthene", "Crible d'Ératosthène")
    if w:
        mark = len(events)
        press(find(w, "push button", "Multiples de 3"))
        expect_said(mark, r"nombres barrés$", "crible")
        cell = find(w, "text", "9")
        if cell is None or cell.description != "barré":
            fail("la case 9 n'est pas décrite comme barrée")
    open_from(app, menu, "Programmation du test des nombres premiers", "Programme de test des nombres premiers")
    page = open_from(app, menu, "Cours sur les nombres premiers", "Cours sur les nombres premiers")
    if page:
        key("Escape")
        if wait_for(lambda: window_named(app, "Cours sur les nombres premiers") is None, 3) is False:
            fail("Échap ne ferme pas le cours sur les nombres premiers")

    # Equations.
    w = open_from(app, menu, "Degré 1    (courbes linéaires)", "Équations du premier degré")
    if w:
        k = find(w, "text", "k")
        type_into(k, "5")
        said_after_key(k, r"^Solution : x = 5$", "degré 1")
    w = open_from(app, menu, "    Degré 2      (avec x2)", "Équations du second degré")
    if w:
        type_into(find(w, "text", "c"), "-4")
        k = find(w, "text", "k")
        said_after_key(k, r"^Discriminant : 16$", "discriminant")
        mark = len(events)
        press(find(w, "push button", "&Solutions") or find(w, "push button", "Solutions"))
        expect_said(mark, r"^Première solution : 2\. Deuxième solution : -2$", "solutions")
        graph = open_from(app, w, "Tracé", "Courbe de la fonction")
        if graph is None:
            fail("la courbe n'est pas atteinte")
    w = open_from(app, menu, "Diophantiennes (solutions aux équations 2 inconnues, 1er degré)",
                  "Équations diophantiennes")
    if w:
        type_into(find(w, "text", "a"), "4")
        type_into(find(w, "text", "b"), "6")
        c = find(w, "text", "c")
        type_into(c, "10")
        said_after_key(c, r"^Équation : -?2 x \+ -?3 y = -?5$", "simplification")
    reference = open_from(app, menu, "Les fonctions de references", "Les fonctions de référence : introduction")
    if reference:
        ok = find(reference, "push button", pattern=r"(?i)^ok$")
        if ok is not None:
            press(ok)
            w = wait_for(lambda: window_named(app, "Les fonctions de référence : exercice"), 5)
            if w:
                read_window(w)
            else:
                fail("l'exercice des fonctions de référence n'est pas atteint")

    # The equations course is modal: opened with Enter on its focused button, closed with Escape.
    # Without a window manager the keyboard goes to the window opened last: it is given back to the
    # main menu first.
    course_button = find(menu, "push button", "Cours sur les équations")
    ids = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Niveau Seconde$"],
                         capture_output=True, text=True).stdout.split()
    for window_id in ids:
        subprocess.run(["xdotool", "windowfocus", "--sync", window_id], check=False)
    pump(0.5)
    focus(course_button)
    active = subprocess.run(["xdotool", "getwindowfocus", "getwindowname"], capture_output=True,
                            text=True).stdout.strip()
    print(f"  fenêtre qui a le clavier : « {active} » (candidates : {ids})")
    mark = len(events)
    key("Return")
    course = wait_for(lambda: window_named(app, "Cours sur les équations"), 5)
    if course is None:
        fail("Entrée sur « Cours » n'ouvre pas le cours sur les équations")
    else:
        read_window(course)
        focused = [e for e in events[mark:] if e[0].startswith("focus") and e[1] == "label"]
        if focused:
            print(f"  le cours prend le focus sur « {focused[0][2]} »")
        if not focused:
            seen = [e for e in events[mark:] if "focus" in e[0]]
            fail(f"aucun texte du cours sur les équations ne prend le focus ({seen})")
        key("Escape")
        if not wait_for(lambda: window_named(app, "Cours sur les équations") is None, 3):
            fail("Échap ne ferme pas le cours sur les équations")

    # Probability.
    w = open_from(app, menu, "Nombre aléatoire", "Nombres aléatoires")
    if w:
        mark = len(events)
        press(find(w, "push button", "Chercher"))
        expect_said(mark, r"^Nombre tiré : ", "nombre aléatoire")
    w = open_from(app, menu, "Jeu de Hasard (statistique)", "Jeu de hasard : pile ou face et lancer de dé")
    if w:
        mark = len(events)
        press(find(w, "push button", "Lancé"))
        expect_said(mark, r"^Résultat du lancer : (PILE|FACE)", "pile ou face")
        freq = open_from(app, w, "Fréquences", "Fréquences des échantillons")
        if freq:
            chart = next((a for a in walk(freq) if a.name == "Loi des grands nombres"
                          and a.getRoleName() != "label"), None)
            described = chart.description if chart is not None else ""
            print(f"  courbe des fréquences : « {described} »")
            if not re.search(r"Après 1 lancer", described or ""):
                fail("la courbe des fréquences ne dit pas son dernier point")
            # A refused entry: once its message is closed, the keys go back to the box.
            texts = [a for a in walk(freq) if a.getRoleName() == "text"]
            box = next((a for a in texts if "N" in (a.name or "").split()), texts[0] if texts else None)
            if box is None:
                fail("la fenêtre des fréquences n'a pas de case pour N")
            else:
                focus(box)
                type_into(box, "0")
                key("Return")
                pump(1)
                key("Return")
                if wait_for(lambda: box.getState().contains(pyatspi.STATE_FOCUSED), 3):
                    print(f"  après le message, le clavier revient à « {box.name} »")
                else:
                    fail(f"après le message, « {box.name} » n'a plus le clavier")
    w = open_from(app, menu, "Factoriels et combinaisons", "Factoriels et combinaisons")
    if w:
        type_into(find(w, "text", "n"), "5")
        k = find(w, "text", "k")
        type_into(k, "2")
        said_after_key(k, r"^Nombre de combinaisons : 10$", "combinaisons")
    page = open_from(app, menu, "Cours de probabilités", "Cours de probabilités")
    if page:
        key("Escape")

    # Help, from the menu bar.
    for item, name in (("Programmes", "Aide sur les programmes"), ("Lexique", "Lexique"),
                       ("Algorithmes en Python", "Algorithmes en Python")):
        open_from(app, menu, item, name, role="menu item")

    print(f"fenêtres ouvertes : {sorted(w.name for w in windows(app))}")


if __name__ == "__main__":
    main()
