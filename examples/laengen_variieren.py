#!/usr/bin/env python3
"""Sweeps the joint length of a slab-to-slab row from 2 to 12 m and writes, per length, the
proposed connector type, the number of connectors and its utilisation as CSV.

    python3 examples/laengen_variieren.py [PROJECT.TRV] > laengen.csv

The inputs come from the current position of the project (default: the example
slab-to-slab-6m-constant.TRV beside this script); only the joint length changes.
"""

import csv
import pathlib
import sys

import trv


def main():
    quelle = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else
                          pathlib.Path(__file__).with_name("slab-to-slab-6m-constant.TRV"))
    projekt = trv.Projekt.Oeffnen(str(quelle))
    position = projekt.Anwendung()
    if position.Anwendungsfall != 1:
        sys.exit(f"{quelle}: the current position is not a slab-to-slab row")
    ausgabe = csv.writer(sys.stdout, lineterminator="\n")
    ausgabe.writerow(["Fugenlaenge_m", "DornName", "AnzDorn", "EtaQ"])
    for meter in range(2, 13):
        position.Setzen(Fugenlaenge=meter * 1000)  # mm
        meldungen = position.BemessungStarten()
        if not position.Berechnet:
            sys.exit(f"{meter} m: " + "; ".join(meldungen))
        gewaehlt = position.Gewaehlt()
        ausgabe.writerow([meter, gewaehlt["DornName"], gewaehlt["AnzDorn"],
                          f"{gewaehlt['EtaQ']:.3f}"])


if __name__ == "__main__":
    main()
