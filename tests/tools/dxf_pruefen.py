"""Reads every reinforcement drawing of a folder back with ezdxf, strictly and through the
recovery reader with an audit, and checks what the reader sees against the measures the
drawing was made from (the .txt file beside each .dxf; when it holds only the connector's
name, the structure and the title are checked). Lists every fault found and exits 1 if there
was any. Usage: dxf_pruefen.py FOLDER [MINIMUM_NUMBER_OF_DRAWINGS]"""

import math
import pathlib
import sys

import ezdxf
from ezdxf import recover

TOL = 1e-3  # the writer rounds to 5 decimals


def measures(path):
    m = {}
    for line in path.read_text().splitlines():
        key, *values = line.split(" ")
        if key == "name":
            m[key] = " ".join(values)
        elif key in ("Ax", "Ay"):
            m[key] = [float(v) for v in values]
        elif key in ("dx", "dy", "nx", "ny", "g"):
            m[key] = int(values[0])
        else:
            m[key] = float(values[0])
    return m


def expected_counts(m):
    """Entity counts of the three views and the title."""
    nx, ny, g = m["nx"], m["ny"], m["g"]
    my = ny // 2 - 1
    ubars = 2 if g >= 2 else 1
    texts = 1 + (2 + nx) + (4 + 2 * my) + (5 + nx)
    lines_plan = 18 + 7 * nx + 2 * ny
    lines_view = 28 + 4 * g + 2 * ny + 10 * my
    lines_cut = 68 + 6 * ubars + 7 * nx
    return {
        "TEXT": texts,
        "LINE": lines_plan + lines_view + lines_cut,
        "CIRCLE": 2 + 2 * nx * g,
        "ARC": 3 * ny + 4 * ubars,
    }


def points_of(e):
    t = e.dxftype()
    if t == "LINE":
        return [e.dxf.start, e.dxf.end]
    if t == "TEXT":
        return [e.dxf.insert]
    c, r = e.dxf.center, e.dxf.radius
    if t == "CIRCLE":
        return [(c[0] - r, c[1] - r), (c[0] + r, c[1] + r)]
    start, end = e.dxf.start_angle % 360, e.dxf.end_angle % 360
    span = (end - start) % 360 or 360
    angles = [start, start + span] + [q for q in (0, 90, 180, 270, 360, 450, 540, 630)
                                      if start < q < start + span]
    return [(c[0] + r * math.cos(math.radians(a)), c[1] + r * math.sin(math.radians(a)))
            for a in angles]


def near(a, b):
    return abs(a - b) <= TOL


def check(dxf_path, m):
    faults = []

    def expect(cond, text):
        if not cond:
            faults.append(text)

    # Strict reading: a truncated or malformed file raises here.
    doc = ezdxf.readfile(str(dxf_path))
    # Recovery reader plus audit: structural faults show up as errors.
    rdoc, rauditor = recover.readfile(str(dxf_path))
    expect(not rauditor.has_errors, f"recover errors: {[str(e.message) for e in rauditor.errors]}")
    auditor = rdoc.audit()
    expect(not auditor.has_errors, f"audit errors: {[str(e.message) for e in auditor.errors]}")
    auditor = doc.audit()
    expect(not auditor.has_errors, f"audit errors (strict doc): {[str(e.message) for e in auditor.errors]}")

    msp = list(doc.modelspace())
    counts = {}
    for e in msp:
        counts[e.dxftype()] = counts.get(e.dxftype(), 0) + 1
    full = "nx" in m  # only the connector's name is known for drawings written by trv-cli
    if full:
        exp = expected_counts(m)
        # The numbers of equal spacings too narrow for them merge into one "n x s" text, and
        # the cut's two labels get a leader piece out past the cut's end line.
        fewest_texts = exp["TEXT"] - 2 * max(0, m["nx"] - 1) - 2 * max(0, m["ny"] // 2 - 2)
        expect(counts.get("CIRCLE") == exp["CIRCLE"] and counts.get("ARC") == exp["ARC"]
               and fewest_texts <= counts.get("TEXT", 0) <= exp["TEXT"]
               and counts.get("LINE") in (exp["LINE"], exp["LINE"] + 2),
               f"entity counts {counts} != {exp}")

    # Entities come grouped by class in order of first use: texts, lines, circles, arcs.
    order = []
    for e in msp:
        if not order or order[-1] != e.dxftype():
            order.append(e.dxftype())
    expect(order == ["TEXT", "LINE", "CIRCLE", "ARC"], f"entity order {order}")
    expect(all(e.dxf.layer == "0" for e in msp), "entity off layer 0")
    expect({e.dxf.color for e in msp} <= {4, 5, 7}, "unexpected colour numbers")
    expect("0" in doc.layers, "layer 0 missing from the layer table")

    # Header extents: the hull of every entity point, widened only as far as the letters of
    # the texts reach (no letter of Arial is wider than 1.5 times the text height).
    xs = [p[0] for e in msp for p in points_of(e)]
    ys = [p[1] for e in msp for p in points_of(e)]
    lo, hi = doc.header["$EXTMIN"], doc.header["$EXTMAX"]
    texts = [e for e in msp if e.dxftype() == "TEXT"]
    reach = max(1.5 * t.dxf.height * len(t.dxf.text) for t in texts)
    expect(min(xs) - reach <= lo[0] <= min(xs) + 1e-6 and min(ys) - reach <= lo[1] <= min(ys) + 1e-6,
           f"$EXTMIN {lo} not at the hull")
    expect(max(xs) - 1e-6 <= hi[0] <= max(xs) + reach and max(ys) - 1e-6 <= hi[1] <= max(ys) + reach,
           f"$EXTMAX {hi} not at the hull")
    title = [t for t in texts if t.dxf.text.endswith(m["name"])]
    expect(len(title) == 1, "no single title")
    expect(all(near(t.dxf.height, 30) for t in texts if t not in title), "text height not 30")
    if not full:
        return faults
    if title:
        t = title[0]
        expect(near(t.dxf.height, 45) and near(t.dxf.insert[0], max(m["d"] + 500, m["by"] / 2 + 200))
               and near(t.dxf.insert[1], 0), "title height or position")

    # Millimetres: the x-bars of the plan view span the width by of the main reinforcement,
    # at the distances Ax from the joint; the cut shows two circles of diameter dx per x-bar.
    by, dx = m["by"], m["dx"]
    lines = [e for e in msp if e.dxftype() == "LINE"]
    tx = [sum(m["Ax"][: k + 1]) for k in range(m["nx"])]
    plan_bars = [l for l in lines if l.dxf.color == 7 and near(abs(l.dxf.end[0] - l.dxf.start[0]), by)
                 and near(l.dxf.start[1], l.dxf.end[1]) and 0 < l.dxf.start[1] < tx[-1] + dx]
    want = sorted(y + s * dx / 2 for y in tx for s in (-1, 1))
    got = sorted(l.dxf.start[1] for l in plan_bars)
    expect(len(got) == len(want) and all(near(a, b) for a, b in zip(got, want)),
           f"plan x-bars at {got}, expected {want}")
    bar_circles = [c for c in msp if c.dxftype() == "CIRCLE" and near(c.dxf.radius, dx / 2)]
    expect(len(bar_circles) == 2 * m["nx"] * m["g"], f"{len(bar_circles)} x-bar circles in the cut")
    cut_x = by + 2 * m["EL"]
    expect(sorted({round(c.dxf.center[0] - cut_x, 3) for c in bar_circles}) == [round(t, 3) for t in tx],
           "x-bar circles not at the x-bar positions")
    return faults


def main():
    folder = pathlib.Path(sys.argv[1])
    drawings = sorted(folder.glob("*.dxf"))
    minimum = int(sys.argv[2]) if len(sys.argv) > 2 else 14
    if len(drawings) < minimum:
        print(f"only {len(drawings)} drawings in {folder}, expected {minimum}")
        return 1
    failed = 0
    for path in drawings:
        try:
            faults = check(path, measures(path.with_suffix(".txt")))
        except (ezdxf.DXFError, OSError, ValueError, KeyError) as error:
            faults = [f"not readable: {type(error).__name__}: {error}"]
        for f in faults:
            print(f"{path.name}: {f}")
        failed += bool(faults)
    print(f"{len(drawings) - failed} of {len(drawings)} drawings read and audited without fault "
          f"(ezdxf {ezdxf.__version__})")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
