"""Reads the connector CAD blocks of a folder back with ezdxf, strictly and through the
recovery reader with an audit, and checks each block's outline against the connector's
dimensions (a table of its own, not the program's). Lists every fault found and exits 1 if
there was any. Usage: cad_pruefen.py "CAD FILES FOLDER" """

import pathlib
import sys

import ezdxf
from ezdxf import recover

TOL = 1e-3
SIZES = (18, 22, 24, 30, 35, 42, 52)
# Per size: plate width, plate height, sleeve length, sheet thickness, collar height.
COMMON = {
    18: (70, 75, 70, 2.5, 51), 22: (90, 95, 90, 3, 71), 24: (100, 110, 95, 3, 86),
    30: (115, 140, 120, 4, 116), 35: (132, 160, 140, 5, 136), 42: (175, 180, 150, 5, 156),
    52: (210, 220, 190, 5, 196),
}
# Per series and size: collar width, embedded length, opening width, opening height.
SERIES = {
    "TRV": {18: (100, 155, 0, 18), 22: (114, 165, 0, 22), 24: (122, 175, 0, 24),
            30: (161, 190, 0, 30), 35: (172, 215, 0, 35), 42: (203, 245, 0, 42),
            52: (228, 295, 0, 52)},
    "ZEDE": {18: (124, 170, 48, 20), 22: (138, 175, 46, 24), 24: (146, 180, 51, 26),
             30: (185, 210, 76, 32), 35: (196, 235, 78, 37), 42: (222, 245, 70, 44),
             52: (252, 295, 70, 54)},
}
VIEWS = ("Plan View Block", "Side View Block", "End View Block")


def extents(doc, layers):
    xs, ys = [], []
    for e in doc.modelspace():
        if e.dxf.layer not in layers:
            continue
        if e.dxftype() == "LINE":
            for p in (e.dxf.start, e.dxf.end):
                xs.append(p[0]); ys.append(p[1])
        elif e.dxftype() == "CIRCLE":
            c, r = e.dxf.center, e.dxf.radius
            xs += [c[0] - r, c[0] + r]; ys += [c[1] - r, c[1] + r]
    return (min(xs), max(xs), min(ys), max(ys)) if xs else None


def expected(series, size, view):
    pb, ph, hl, bd, hh = COMMON[size]
    hb, el, ob, oh = SERIES[series][size]
    if view == "Plan View Block":
        return (-hl, el, -max(hb, pb) / 2, max(hb, pb) / 2)
    if view == "Side View Block":
        return (-hl, el, -max(hh, ph) / 2, max(hh, ph) / 2)
    return (-max(pb, hb) / 2, max(pb, hb) / 2, -max(ph, hh) / 2, max(ph, hh) / 2)


def check(path, series, size, view, faults):
    try:
        ezdxf.readfile(path)
    except Exception as exc:  # the strict reader refuses the file
        faults.append(f"{path.name}: strict read failed: {exc}")
        return
    doc, auditor = recover.readfile(path)
    auditor = doc.audit()
    if auditor.has_errors:
        faults.append(f"{path.name}: audit errors: {[str(e.message) for e in auditor.errors]}")
    layers = {layer.dxf.name for layer in doc.layers}
    for needed in ("CONNECTOR", "HIDDEN", "AXIS"):
        if needed not in layers:
            faults.append(f"{path.name}: layer {needed} missing")
    got = extents(doc, {"CONNECTOR", "HIDDEN"})
    want = expected(series, size, view)
    if got is None or any(abs(g - w) > TOL for g, w in zip(got, want)):
        faults.append(f"{path.name}: outline {got}, expected {want}")
    circles = [e for e in doc.modelspace() if e.dxftype() == "CIRCLE"]
    if view == "End View Block" and not any(abs(c.dxf.radius - size / 2) < TOL for c in circles):
        faults.append(f"{path.name}: no dowel circle of diameter {size}")
    if view == "End View Block" and series == "ZEDE":
        ob, oh = SERIES[series][size][2:]
        lines = [e for e in doc.modelspace() if e.dxftype() == "LINE"]
        if not any(abs(abs(e.dxf.start[0] - e.dxf.end[0]) - ob) < TOL and
                   abs(abs(e.dxf.start[1]) - oh / 2) < TOL for e in lines):
            faults.append(f"{path.name}: no slot of {ob} x {oh}")


def main():
    folder = pathlib.Path(sys.argv[1])
    faults = []
    count = 0
    for series in ("TRV", "ZEDE"):
        for size in SIZES:
            for view in VIEWS:
                path = folder / f"{series} {size} {view}.dxf"
                if not path.is_file():
                    faults.append(f"{path.name}: missing")
                    continue
                count += 1
                check(path, series, size, view, faults)
    extra = {p.name for p in folder.iterdir()} - {
        f"{s} {n} {v}.dxf" for s in ("TRV", "ZEDE") for n in SIZES for v in VIEWS}
    if extra:
        faults.append(f"unexpected files: {sorted(extra)}")
    for f in faults:
        print("FAIL:", f)
    print(f"{count} blocks read, {len(faults)} faults")
    sys.exit(1 if faults else 0)


if __name__ == "__main__":
    main()
