#!/usr/bin/env python3
"""Checks the include graph of a build against the layers of the program.

Reads the headers every object file was compiled with, as the compiler reported them to Ninja
(`ninja -t deps`), so relative includes and headers reached through other headers count too:

- trv_core (src/model, calculation, files, schedule, dxf without dxf/viewer): no Qt header;
- trv_render (src/sketches, printing) and trv_platform (src/platform): no QtWidgets header;
- no file includes a header from the folder of a layer it may not use.

Usage: check_layering.py --source SRC (--build DIR [--ninja NINJA] | --deps LISTING)
Exit 0 when the graph is clean, 1 with one line per offending include.
"""

import argparse
import os
import re
import subprocess
import sys

# Layers by source folder (relative to src/); the longest folder wins.
ORDNER = {
    "model": "core", "calculation": "core", "files": "core", "schedule": "core", "dxf": "core",
    "sketches": "render", "printing": "render",
    "platform": "platform",
    "ui": "ui", "dxf/viewer": "ui",
    "cli": "cli",
    "app": "app",
}
# The layers each layer may include, itself included.
ERLAUBT = {
    "core": {"core"},
    "render": {"core", "render"},
    "platform": {"core", "platform"},
    "ui": {"core", "render", "platform", "ui"},
    "cli": {"core", "render", "platform", "cli"},
    "app": {"core", "render", "platform", "ui", "app"},
}
# Qt headers each layer must not reach, by Qt module folder; None: no Qt at all.
QT_VERBOTEN = {"core": None, "render": {"QtWidgets"}, "platform": {"QtWidgets"}}
# QtPrintSupport's own global header pulls in these configuration headers of QtWidgets: they
# declare no widget, so printing code may reach them; any other QtWidgets header is a widget.
QT_KONFIGURATION = {"qtwidgetsglobal.h", "qtwidgets-config.h", "qtwidgetsexports.h"}
# The layers a real build must show, so an empty or foreign listing cannot pass.
PFLICHT = ("core", "render", "platform", "ui")

QT_MODUL = re.compile(r"^Qt[A-Z][A-Za-z0-9]*$")


def schicht(pfad_in_src):
    teile = pfad_in_src.split("/")
    for laenge in range(len(teile) - 1, 0, -1):
        ordner = "/".join(teile[:laenge])
        if ordner in ORDNER:
            return ORDNER[ordner]
    return None


def qt_modul(pfad):
    """The Qt module (QtCore, QtWidgets, ...) whose folder holds a header, or None."""
    for teil in reversed(pfad.split("/")[:-1]):
        if QT_MODUL.match(teil):
            return teil
        if teil.endswith(".framework") and QT_MODUL.match(teil[: -len(".framework")]):
            return teil[: -len(".framework")]
    return None


def deps_lesen(text):
    """{object file: [headers]} from the output of `ninja -t deps`."""
    objekte = {}
    aktuell = None
    for zeile in text.splitlines():
        if not zeile.strip():
            aktuell = None
            continue
        if not zeile.startswith((" ", "\t")):
            aktuell = zeile.split(": #deps", 1)[0].strip()
            objekte[aktuell] = []
        elif aktuell is not None:
            objekte[aktuell].append(zeile.strip())
    return objekte


def in_src(pfad, build, src_ordner):
    """The path below src/ of a file of the tree, resolved against the build folder."""
    absolut = os.path.normpath(os.path.join(build, pfad))
    real = os.path.realpath(absolut)
    for kandidat in (absolut, real):
        rel = os.path.relpath(kandidat, src_ordner)
        if not rel.startswith(".."):
            return rel.replace(os.sep, "/")
    return None


def quelle_des_objekts(objekt):
    """src/... of the source an object file was compiled from (CMake's object names)."""
    m = re.match(r"^(?:.*/)?CMakeFiles/[^/]+\.dir/(.+)\.o$", objekt)
    if not m or not m.group(1).startswith("src/"):
        return None
    return m.group(1)[len("src/"):]


def pruefen(objekte, build, src):
    src_ordner = os.path.realpath(os.path.join(src, "src"))
    fehler = []
    gesehen = set()
    gemeldet = set()
    for objekt, koepfe in sorted(objekte.items()):
        quelle = quelle_des_objekts(objekt)
        if quelle is None:
            continue
        eigene = schicht(quelle)
        if eigene is None:
            continue
        gesehen.add(eigene)
        for kopf in koepfe:
            ziel = in_src(kopf, build, src_ordner)
            if ziel is not None:
                andere = schicht(ziel)
                if andere is not None and andere not in ERLAUBT[eigene]:
                    fehler.append(f"src/{quelle} ({eigene}) includes src/{ziel} ({andere})")
                continue
            if eigene in QT_VERBOTEN:
                modul = qt_modul(kopf)
                verboten = QT_VERBOTEN[eigene]
                if verboten is not None and os.path.basename(kopf) in QT_KONFIGURATION:
                    continue
                if modul is not None and (verboten is None or modul in verboten):
                    was = "Qt" if verboten is None else modul
                    # The first header of a module is the one included; the rest follow it.
                    if (quelle, was) not in gemeldet:
                        gemeldet.add((quelle, was))
                        fehler.append(f"src/{quelle} ({eigene}) includes {was}: {kopf}")
    return fehler, gesehen


def main():
    argumente = argparse.ArgumentParser()
    argumente.add_argument("--source", required=True)
    argumente.add_argument("--build")
    argumente.add_argument("--ninja", default="ninja")
    argumente.add_argument("--deps", help="a saved listing of `ninja -t deps` instead of a build")
    argumente.add_argument("--layers", default=",".join(PFLICHT),
                           help="layers the listing must contain")
    a = argumente.parse_args()
    if a.deps:
        with open(a.deps, encoding="utf-8") as f:
            text = f.read()
        build = a.build or os.path.dirname(os.path.abspath(a.deps))
    elif a.build:
        build = a.build
        lauf = subprocess.run([a.ninja, "-C", build, "-t", "deps"], capture_output=True, text=True)
        if lauf.returncode != 0:
            print(f"ninja -t deps failed: {lauf.stderr.strip()}", file=sys.stderr)
            return 2
        text = lauf.stdout
    else:
        argumente.error("--build or --deps is needed")
    fehler, gesehen = pruefen(deps_lesen(text), os.path.abspath(build), os.path.abspath(a.source))
    fehlend = [s for s in a.layers.split(",") if s and s not in gesehen]
    for zeile in fehler:
        print(zeile)
    if fehlend:
        print("no compiled files of the layers " + ", ".join(fehlend) +
              " in the dependency listing: build them first")
    if fehler or fehlend:
        return 1
    print(f"layering ok ({len(gesehen)} layers)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
