# SPDX-FileCopyrightText: 2026 Niveau Seconde developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The pupil's side of scripts/check-with-orca (run it through that script).

Starts a window manager, Orca and the program in the session the script made, runs each task of
the table from the keyboard and compares what Orca spoke (the « SPEECH OUTPUT » lines of its debug
log) with what the pupil must hear. Prints what was heard for each task; the exit status is 1 when
a task fails.
"""
import json
import os
import re
import subprocess
import sys
import time

import pyatspi

from bus_wait import pump, wait_for

PROGRAM, WORK = sys.argv[1], sys.argv[2]
ORCA_LOG = os.path.join(WORK, "orca.log")
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*?)'(?: voice=\w+)?\s*(?:\{'|$)")

# Orca writes its debug log through a buffer: it is launched with that file written line by line,
# so that each phrase can be read as soon as it is spoken.
ORCA_LAUNCHER = """
import builtins, runpy, sys
log = sys.argv[sys.argv.index('--debug-file') + 1]
real_open = builtins.open
def open(file, mode='r', buffering=-1, *args, **kwargs):
    return real_open(file, mode, 1 if file == log else buffering, *args, **kwargs)
builtins.open = open
sys.argv[0] = '/usr/bin/orca'
runpy.run_path('/usr/bin/orca', run_name='__main__')
"""
# Keys are not echoed: what is checked is what the program says.
ORCA_SETTINGS = {"enableKeyEcho": False, "enableEchoByCharacter": False, "enableEchoByWord": False,
                 "enableModifierKeys": False, "enableTutorialMessages": False}

failures = []


# What Orca said, in order, read back from its log.
def spoken():
    try:
        with open(ORCA_LOG, encoding="utf-8", errors="replace") as log:
            return [m.group(1) for m in map(SPOKEN.search, log) if m]
    except FileNotFoundError:
        return []


def key(*names, pause=0.4):
    for name in names:
        subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True)
        pump(pause)


def type_text(text):
    # Selects what the box holds first, so that the text replaces it.
    key("ctrl+a")
    if text.startswith("-"):
        key("minus")
        text = text[1:]
    subprocess.run(["xdotool", "type", "--delay", "40", text], check=True)
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


def find(root, role, name, showing=True):
    for acc in walk(root):
        try:
            if not re.fullmatch(role, acc.getRoleName()):
                continue
            named = acc.name == name if isinstance(name, str) else name.fullmatch(acc.name or "")
            if named and (not showing or acc.getState().contains(pyatspi.STATE_SHOWING)):
                return acc
        except Exception:
            continue
    return None


class Session:
    def __init__(self, proc):
        self.proc = proc
        self.app = None

    def windows(self):
        result = []
        for w in children(self.app):
            try:
                if w is not None and w.getState().contains(pyatspi.STATE_SHOWING):
                    result.append(w)
            except Exception:
                continue
        return result

    def window(self, name, seconds=8):
        return wait_for(lambda: next((w for w in self.windows() if w.name == name), None), seconds)

    def raise_window(self, title):
        """Gives the keyboard to the window as a click on its title bar would."""
        ids = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{re.escape(title)}$"],
                             capture_output=True, text=True).stdout.split()
        for window_id in ids[-1:]:
            activated = subprocess.run(["xdotool", "windowactivate", "--sync", window_id],
                                       capture_output=True).returncode == 0
            if not activated:  # the window manager gone: the window takes the keyboard itself
                subprocess.run(["xdotool", "windowraise", window_id, "windowfocus", "--sync", window_id],
                               check=False)
        pump(0.5)

    def focus(self, window, role, name):
        """Puts the keyboard on a control, as Tab pressed until it is reached would."""
        w = self.window(window)
        control = find(w, role, name) if w else None
        if control is None:
            raise RuntimeError(f"pas de {role} « {name} » dans « {window} »")
        control.queryComponent().grabFocus()
        pump(0.6)
        return control

    def open(self, button, window, role="push button"):
        self.raise_window("Niveau Seconde")
        if role == "menu item":
            # A menu item of the menu bar: chosen as the pupil chooses it after Alt and the arrows.
            item = find(self.window("Niveau Seconde"), role, button, showing=False)
            item.queryAction().doAction(0)
        else:
            self.focus("Niveau Seconde", role, button)
            key("Return")
        if not self.window(window):
            raise RuntimeError(f"« {button} » n'ouvre pas « {window} »")
        pump(1.5)


class Task:
    """One task: what the pupil does, then what Orca must have said since it began."""

    def __init__(self, session, name):
        self.session, self.name = session, name
        self.mark = len(spoken())
        self.ok = True

    def heard(self):
        return spoken()[self.mark:]

    def expect(self, pattern, seconds=6):
        said = wait_for(lambda: [s for s in self.heard() if re.search(pattern, s)], seconds)
        if not said:
            self.fail(f"rien d'entendu qui corresponde à /{pattern}/")
        return said

    def refuse(self, pattern):
        said = [s for s in self.heard() if re.search(pattern, s)]
        if said:
            self.fail(f"entendu à tort : {said}")

    def fail(self, text):
        self.ok = False
        failures.append(f"{self.name} : {text}")


def verify_primes(s, t):
    s.open("Vérifier qu'un nombre est premier", "Nombres premiers : vérification")
    s.focus("Nombres premiers : vérification", "text", "Nombre à vérifier")
    type_text("91")
    key("Return")
    t.expect(r"Le nombre est composé")
    type_text("97")
    key("Return")
    t.expect(r"Le nombre est premier")


def search_primes(s, t):
    s.open("Rechercher les nombres premiers", "Nombres premiers : recherche")
    s.focus("Nombres premiers : recherche", "text", "Chercher les nombres premiers entre")
    type_text("1")
    key("Tab")
    type_text("100")
    key("Return")
    t.expect(r"Nombre de nombres premiers de la liste : 25")
    t.refuse(r"liste : 0\b")


def degree1(s, t):
    w = "Équations du premier degré"
    s.open("Degré 1    (courbes linéaires)", w)
    s.focus(w, "text", "a")
    type_text("2")
    s.focus(w, "text", "b")
    type_text("3")
    s.focus(w, "text", "k")
    type_text("7")
    key("Return")
    t.expect(r"Solution : x = 2")


def degree2(s, t):
    w = "Équations du second degré"
    s.open("    Degré 2      (avec x2)", w)
    s.focus(w, "text", "c")
    type_text("-4")
    s.focus(w, "text", "k")
    key("Return")
    t.expect(r"Discriminant : 16")
    s.focus(w, "push button", re.compile("&?Solutions"))
    key("Return")
    t.expect(r"Première solution : 2")


def graph(s, t):
    w = "Équations du second degré"
    s.raise_window(w)
    s.focus(w, "push button", "Tracé")
    key("Return")
    if not s.window("Courbe de la fonction"):
        t.fail("la courbe ne s'ouvre pas")
        return
    pump(1)
    s.focus("Courbe de la fonction", "push button|panel|image", re.compile("Courbe.*"))
    key("Right", "Right")
    t.expect(r"x = ")
    key("Return")
    t.expect(r"y\s*=")
    key("Right", "Return")
    said = wait_for(lambda: len([x for x in t.heard() if re.search(r"y\s*=", x)]) >= 2, 5)
    if not said:
        t.fail("le second point lu n'est pas dit")
    key("Tab")
    t.expect(r"Points lus")


def sieve(s, t):
    w = "Crible d'Ératosthène"
    s.open("Exercice Crible d'Eratosthene", w)
    s.focus(w, "push button", "Multiples de 2")
    key("Return")
    t.expect(r"124 nombres barrés")
    s.focus(w, "push button", "Correction")
    key("Return")
    t.expect(r"Correction\. Réponse 1 : .*Réponse 3 : ")


def reference_functions(s, t):
    s.open("Les fonctions de references", "Les fonctions de référence : introduction")
    s.focus("Les fonctions de référence : introduction", "push button", "OK")
    key("Return")
    w = "Les fonctions de référence : exercice"
    if not s.window(w):
        t.fail("l'exercice ne s'ouvre pas")
        return
    pump(1)
    s.focus(w, "push button", "Tableau de valeurs de g(x)")
    t.expect(r"-27 ; -8 ; -1")
    key("Return")
    t.expect(r"g\(x\).*choisi")
    s.focus(w, "push button", "Courbe 1")
    key("Return")
    t.expect(r"pas la courbe")
    s.focus(w, "push button", "Courbe 2")
    key("Return")
    t.expect(r"Tableau de valeurs de g\(x\) placé")


def dice(s, t):
    w = "Jeu de hasard : pile ou face et lancer de dé"
    s.open("Jeu de Hasard (statistique)", w)
    s.focus(w, "page tab list", re.compile(".*"))
    key("Right")
    s.focus(w, "push button", "Lancé")
    key("Return")
    t.expect(r"notification (Face|Résultat du lancer : \d)")
    s.focus(w, "push button", "Fréquences")
    key("Return")
    f = "Fréquences des échantillons"
    if not s.window(f):
        t.fail("les fréquences ne s'ouvrent pas")
        return
    pump(1)
    s.focus(f, "push button", "Simuler")
    mark = len(spoken())
    key("Return")
    t.expect(r"échantillon")
    # The keyboard stays on the button: nothing else takes the focus meanwhile.
    moved = [x for x in spoken()[mark:] if re.search(r"combo box|text\.$", x)]
    if moved:
        t.fail(f"le clavier quitte « Simuler » : {moved}")


def glossary(s, t):
    s.open("Lexique", "Lexique", role="menu item")
    s.focus("Lexique", "label|push button|list item|text", re.compile(r"Postulat\s*"))
    t.expect(r"Postulat.*\w+ \w+ \w+ \w+")
    key("Escape")
    if not wait_for(lambda: s.window("Lexique", 0) is None, 3):
        t.fail("Échap ne ferme pas le lexique")


def python_listing(s, t):
    s.open("Algorithmes en Python", "Algorithmes en Python", role="menu item")
    s.focus("Algorithmes en Python", "list", "Algorithmes")
    key("Down", "Return")
    s.focus("Algorithmes en Python", "text", "Programme")
    mark = len(spoken())
    key("Down", "Down", "Down", "Down", "Down")
    pump(1)
    lines = [x for x in spoken()[mark:] if x.strip() and x != "blank"]
    if len(set(lines)) < 2:
        t.fail(f"les lignes du programme ne sont pas lues une à une ({lines})")


TASKS = [
    ("vérifier 91 et 97", verify_primes),
    ("nombres premiers de 1 à 100", search_primes),
    ("2x + 3 = 7", degree1),
    ("équation du second degré", degree2),
    ("courbe : deux points lus", graph),
    ("crible : multiples de 2 et correction", sieve),
    ("fonctions de référence : une association", reference_functions),
    ("dé : une série et un échantillonnage", dice),
    ("lexique : un terme", glossary),
    ("programme Python lu ligne à ligne", python_listing),
]


def start(args, log_name, env=None):
    log = open(os.path.join(WORK, log_name), "w")
    return subprocess.Popen(args, stdout=log, stderr=subprocess.STDOUT, env=env)


def main():
    only = os.environ.get("ORCA_TASKS")
    began = time.monotonic()
    helpers = [start(["openbox", "--sm-disable"], "openbox.log")]
    # The window manager is ready once it answers for the desktops it manages.
    def manager_ready():
        return subprocess.run(["xdotool", "get_num_desktops"], capture_output=True).returncode == 0
    if not wait_for(manager_ready, 20):
        print("ÉCHEC : le gestionnaire de fenêtres ne démarre pas", flush=True)
        sys.exit(1)
    desktop = pyatspi.Registry.getDesktop(0)  # starts the accessibility bus
    prefs = os.path.join(WORK, "orca-prefs")
    os.makedirs(prefs, exist_ok=True)
    with open(os.path.join(prefs, "user-settings.conf"), "w") as conf:
        json.dump({"general": ORCA_SETTINGS, "pronunciations": {}, "keybindings": {},
                   "profiles": {"default": dict(ORCA_SETTINGS, profile=["Default", "default"])}}, conf)
    helpers.append(start(["/usr/bin/python3", "-c", ORCA_LAUNCHER, "--replace", "-u", prefs,
                          "--debug-file", ORCA_LOG], "orca.out"))
    if not wait_for(lambda: spoken(), 30):
        print("ÉCHEC : Orca ne parle pas", flush=True)
        sys.exit(1)
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1",
               ASAN_OPTIONS="detect_leaks=0")
    proc = start([PROGRAM], "program.log", env)
    session = Session(proc)
    try:
        def our_app():
            for app in children(desktop):
                try:
                    if app is not None and app.get_process_id() == proc.pid:
                        return app
                except Exception:
                    continue
            return None

        session.app = wait_for(our_app, 60)
        if session.app is None or not session.window("Niveau Seconde", 60):
            print("ÉCHEC : le menu principal n'apparaît pas "
                  f"({'sur le bus' if session.app else 'programme absent du bus'}, "
                  f"état du programme : {proc.poll()})", flush=True)
            with open(os.path.join(WORK, "program.log"), errors="replace") as log:
                print(log.read()[-2000:])
            sys.exit(1)
        pump(2)
        for name, run in TASKS:
            if only and not re.search(only, name):
                continue
            task = Task(session, name)
            t0 = time.monotonic()
            try:
                run(session, task)
            except Exception as e:  # a control not found: the task fails, the next one runs
                task.fail(str(e))
            pump(0.5)
            task.refuse(r"^notification\.?$")
            print(f"{'ok   ' if task.ok else 'ÉCHEC'} {name} ({time.monotonic() - t0:.0f} s)", flush=True)
            for said in task.heard():
                print(f"        « {said} »")
    finally:
        proc.terminate()
        for p in helpers:
            p.terminate()
        for p in [proc] + helpers:
            try:
                p.wait(5)
            except subprocess.TimeoutExpired:
                p.kill()
    print()
    for f in failures:
        print("ÉCHEC : " + f)
    print(f"tâches en échec : {len(failures) and len(set(f.split(' : ')[0] for f in failures))}, "
          f"durée {time.monotonic() - began:.0f} s")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
