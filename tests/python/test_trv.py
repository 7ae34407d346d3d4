"""The Python module against trv-cli: the same projects must give the same results."""

import csv
import io
import json
import math
import os
import pathlib
import subprocess
import sys

import pytest

import trv

CLI = os.environ["TRV_CLI"]
BEISPIELE = pathlib.Path(os.environ["TRV_EXAMPLES_DIR"])
PROJEKTE = sorted(BEISPIELE.glob("*.TRV"))


def bericht(pfad):
    lauf = subprocess.run([CLI, "report", "--json", str(pfad)], capture_output=True, text=True,
                          check=True)
    return json.loads(lauf.stdout)


def wie_cli(projekt):
    """The module's view of a project in the shape of trv-cli report --json."""
    positionen = []
    for nr in range(1, projekt.AnzAnwendung + 1):
        a = projekt.Anwendung(nr)
        p = {"number": nr, "label": a.Position, "application_case": a.Anwendungsfall,
             "load_case": a.Belastungsfall, "calculated": a.Berechnet}
        if a.Berechnet:
            g = a.Gewaehlt()
            p["selected_type"] = a.AktDorn
            p["selected_connector"] = g["DornName"]
            p["types"] = [{"type": e["Typ"], "connector": e["DornName"], "asx_mm2": e["AsxIst"],
                           "asy_mm2": e["AsyIst"], "frd_kn": e["FRd"], "usage": e["EtaQ"],
                           "connectors": e["AnzDorn"], "status": e["Status"],
                           "status_text": e["StatusText"], "selected": e["Typ"] == a.AktDorn}
                          for e in a.Ergebnisse()]
            p["warnings"] = g["Warnungen"]
            p["errors"] = g["Fehler"]
        positionen.append(p)
    return {"project": projekt.Bauvorhaben, "positions": positionen}


def ohne_texte(bericht_):
    """The report without the case texts, which the module leaves to the caller."""
    for p in bericht_["positions"]:
        p.pop("application_case_text", None)
        p.pop("load_case_text", None)
    return bericht_


def gleich(a, b):
    """Equal, numbers to the precision trv-cli prints them with."""
    if isinstance(a, float) or isinstance(b, float):
        return math.isclose(a, b, rel_tol=1e-12, abs_tol=1e-9)
    if isinstance(a, dict):
        return a.keys() == b.keys() and all(gleich(a[k], b[k]) for k in a)
    if isinstance(a, list):
        return len(a) == len(b) and all(gleich(x, y) for x, y in zip(a, b))
    return a == b


def test_beispiele_vorhanden():
    assert len(PROJEKTE) >= 5


@pytest.mark.parametrize("pfad", PROJEKTE, ids=lambda p: p.name)
def test_gespeicherte_ergebnisse_wie_cli(pfad):
    assert gleich(wie_cli(trv.Projekt.Oeffnen(str(pfad))), ohne_texte(bericht(pfad)))


@pytest.mark.parametrize("pfad", PROJEKTE, ids=lambda p: p.name)
def test_neu_berechnet_wie_cli_calc(pfad, tmp_path):
    # The module's calculation and trv-cli calc on the same inputs.
    ziel = tmp_path / "cli.TRV"
    subprocess.run([CLI, "calc", str(pfad), "-o", str(ziel)], capture_output=True)
    projekt = trv.Projekt.Oeffnen(str(pfad))
    projekt.Berechnen()
    assert gleich(wie_cli(projekt), ohne_texte(bericht(ziel)))


def test_feldpruefung_wie_das_fenster():
    projekt = trv.Projekt.Oeffnen(str(BEISPIELE / "slab-to-slab-6m-constant.TRV"))
    a = projekt.Anwendung()
    vorher = a.Eingaben()
    with pytest.raises(trv.Eingabefehler, match="Fugenlaenge: Input value is smaller than allowed"):
        a.Setzen(PlatteDicke=300, Fugenlaenge=299.9)
    with pytest.raises(trv.Eingabefehler, match="greater than allowed"):
        a.Setzen(Fugenlaenge=30000.5)
    with pytest.raises(trv.Eingabefehler, match="Only numbers allowed"):
        a.Setzen(LinksGk=float("nan"))
    with pytest.raises(trv.Eingabefehler, match="Only numbers allowed"):
        a.Setzen(LinksGk="12,5")
    with pytest.raises(trv.Eingabefehler, match="Linksgg: Input value is smaller"):
        a.Setzen(Linksgg=0.9)
    with pytest.raises(trv.Eingabefehler, match="not an input"):
        a.Setzen(Fugenlange=3000)
    with pytest.raises(trv.Eingabefehler, match="Betonguete"):
        a.Setzen(Betonguete=4)
    # A refused value leaves the position as it was, the other values included.
    assert a.Eingaben() == vorher
    assert a.Berechnet

    a.Setzen(PlatteDicke=300, LinksGk="12.5")
    assert a.Eingaben()["Nutzhoehe"] == 260  # the slab thickness sets the effective height
    assert a.Eingaben()["RechtsGk"] == 12.5  # the constant load's end follows its start
    assert not a.Berechnet  # the results belong to the inputs before


def test_plausibilitaet_und_neue_position():
    projekt = trv.Projekt()
    a = projekt.PositionHinzufuegen(Position="Wall", Anwendungsfall=2, Fugenlaenge=4000,
                                    PlatteDicke=200, Nutzhoehe=150, WandDicke=250,
                                    LinksGk=20, LinksQk=10)
    assert projekt.AnzAnwendung == 2 and a.Position == "Wall"
    assert a.EingabenPruefen() == []
    assert a.BemessungStarten() == [] and a.Berechnet
    assert a.Gewaehlt()["AnzDorn"] > 0 and 0 < a.Gewaehlt()["EtaQ"] <= 1
    a.Setzen(BetondeckungUnten=60)
    assert a.EingabenPruefen()  # the effective height no longer fits above the bottom cover
    a.BemessungStarten()
    assert not a.Berechnet and a.Ergebnisse() == []


def test_katalog_wie_cli():
    katalog = trv.Katalog()
    assert [k["DornName"] for k in katalog] == [trv.DornName(t) for t in range(14)]
    tabelle = subprocess.run([CLI, "catalog"], capture_output=True, text=True).stdout
    for k in katalog:
        zeile = next(z for z in tabelle.splitlines() if z.startswith(k["DornName"] + " "))
        assert zeile.split()[2] == f"{k['DornDurchmesser']:g}"


def test_blatt_traegt_sein_projekt(tmp_path):
    projekt = trv.Projekt.Oeffnen(str(BEISPIELE / "several-positions-with-schedule.TRV"))
    pdf = tmp_path / "blatt.pdf"
    projekt.Ergebnisblatt(str(pdf), nr=2)
    wieder = trv.Projekt.Oeffnen(str(pdf))
    assert wieder.FileName == ""  # saving asks for a project file, never over the sheet
    assert gleich(wie_cli(wieder), wie_cli(projekt))
    assert gleich(ohne_texte(bericht(pdf)), wie_cli(projekt))
    info = subprocess.run(["pdfinfo", str(pdf)], capture_output=True, text=True).stdout
    assert projekt.Bauvorhaben in info and projekt.Anwendung(2).Position in info


def test_pdf_ohne_projekt(tmp_path):
    projekt = trv.Projekt.Oeffnen(str(BEISPIELE / "several-positions-with-schedule.TRV"))
    pdf = tmp_path / "stueckliste.pdf"
    projekt.Stueckliste(str(pdf))
    with pytest.raises(trv.Dateifehler, match="does not carry a TRV project"):
        trv.Projekt.Oeffnen(str(pdf))


def test_ausgaben(tmp_path):
    projekt = trv.Projekt.Oeffnen(str(BEISPIELE / "slab-to-wall-linear.TRV"))
    projekt.Skizze(str(tmp_path / "schnitt.svg"), "section", breite=320, hoehe=200)
    assert 'viewBox="0 0 320 200"' in (tmp_path / "schnitt.svg").read_text()
    projekt.Dxf(str(tmp_path / "bewehrung.dxf"))
    cli = tmp_path / "cli.dxf"
    subprocess.run([CLI, "dxf", str(BEISPIELE / "slab-to-wall-linear.TRV"), "-o", str(cli)],
                   check=True, capture_output=True)
    assert (tmp_path / "bewehrung.dxf").read_bytes() == cli.read_bytes()
    projekt.Stueckliste(str(tmp_path / "liste.txt"))
    with pytest.raises(trv.Ausgabefehler, match="not calculated"):
        trv.Projekt().Ergebnisblatt(str(tmp_path / "leer.pdf"))
    assert not (tmp_path / "leer.pdf").exists()
    with pytest.raises(ValueError):
        projekt.Skizze(str(tmp_path / "x.png"), "side")


def test_beispielskript_schreibt_csv():
    skript = BEISPIELE / "laengen_variieren.py"
    lauf = subprocess.run([sys.executable, str(skript)], capture_output=True, text=True,
                          check=True)
    zeilen = list(csv.DictReader(io.StringIO(lauf.stdout)))
    assert [float(z["Fugenlaenge_m"]) for z in zeilen] == list(range(2, 13))
    anzahl = [int(z["AnzDorn"]) for z in zeilen]
    assert anzahl == sorted(anzahl) and anzahl[-1] > anzahl[0]
    assert all(0 < float(z["EtaQ"]) <= 1 for z in zeilen)
