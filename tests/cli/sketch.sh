#!/usr/bin/env bash
# trv-cli sketch: every sketch kind of a single connector, a slab-to-slab row and a slab-to-wall
# row under an arbitrary profile as PNG pictures (kept in the scratch folder for looking at),
# SVG output, and the usage and file errors.
set -euo pipefail
cli=$1
scratch=$2
data=${TRV_TEST_DATA_DIR:?}
rm -rf "$scratch"
mkdir -p "$scratch"
for tool in identify rsvg-convert xmllint; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing" >&2; exit 1; }
done

source "$(dirname "$0")/../tools/cli_helfer.sh"
# colours FILE: the number of distinct colours of a picture.
colours() { identify -format '%k' "$1"; }

for name in einzeldorn platte-platte platte-wand-beliebig; do
    run 0 calc "$data/$name.TRV" -o "$scratch/$name.TRV"
    for view in view plan section row input; do
        png=$scratch/$name-$view.png
        run 0 sketch "$scratch/$name.TRV" --view "$view" -o "$png"
        [ "$(identify -format '%m %w %h' "$png")" = "PNG 800 600" ] || fail "$png: $(identify "$png")"
        # Background, concrete, bars, connector and dimensions: a real drawing, not a blank.
        n=$(colours "$png")
        [ "$n" -ge 6 ] || fail "$png has only $n colours"
    done
done

# The default colours of the concrete (silver), the U-bars (navy) and the connector (aqua).
for colour in '#C0C0C0' '#000080' '#00FFFF'; do
    n=$(identify -verbose "$scratch/platte-platte-view.png" | grep -ci "$colour") || true
    [ "$n" -ge 1 ] || fail "colour $colour missing in the view"
done

# The same sketch drawn twice is the same picture.
run 0 sketch "$scratch/platte-platte.TRV" --view section -o "$scratch/again.png"
cmp -s "$scratch/again.png" "$scratch/platte-platte-section.png" || fail "drawing twice differs"

# --size and SVG: a well-formed vector picture that a separate renderer can draw.
run 0 sketch "$scratch/platte-wand-beliebig.TRV" --view input --size 640x900 -o "$scratch/input.svg"
xmllint --noout "$scratch/input.svg" || fail "SVG is not well-formed"
grep -q 'viewBox="0 0 640 900"' "$scratch/input.svg" || fail "SVG has not the asked size"
rsvg-convert "$scratch/input.svg" -o "$scratch/input-svg.png" || fail "rsvg-convert cannot draw the SVG"
[ "$(colours "$scratch/input-svg.png")" -ge 6 ] || fail "the SVG draws (almost) nothing"
run 0 sketch "$scratch/platte-platte.TRV" --view row --size 300x200 -o "$scratch/small.PNG"
[ "$(identify -format '%w %h' "$scratch/small.PNG")" = "300 200" ] || fail "--size ignored"

# Numbers in the sketch texts follow the regional settings; the project file reads the same
# under either locale.
sed 's|<TPlatteDicke>280</TPlatteDicke>|<TPlatteDicke>280.5</TPlatteDicke>|g' \
    "$data/platte-wand-beliebig.TRV" >"$scratch/komma.TRV"
run 0 calc "$scratch/komma.TRV" -o "$scratch/komma.TRV"
LC_ALL=de_DE.UTF-8 "$cli" sketch "$scratch/komma.TRV" --view view -o "$scratch/komma.svg" ||
    fail "sketch under de_DE"
grep -q '>280,5<' "$scratch/komma.svg" || fail "no 280,5 in the view under de_DE"
LC_ALL=C "$cli" sketch "$scratch/komma.TRV" --view view -o "$scratch/punkt.svg" || fail "sketch under C"
grep -q '>280.5<' "$scratch/punkt.svg" || fail "no 280.5 in the view under C"

# --position picks the position; beyond the project it is a usage error.
run 0 calc "$data/drei-positionen.TRV" -o "$scratch/drei.TRV"
run 0 sketch "$scratch/drei.TRV" --view row --position 3 -o "$scratch/drei-3.png"
run 0 sketch "$scratch/drei.TRV" --view row --position 1 -o "$scratch/drei-1.png"
cmp -s "$scratch/drei-1.png" "$scratch/drei-3.png" && fail "--position made no difference"
run 64 sketch "$scratch/drei.TRV" --view row --position 4 -o "$scratch/x.png"
run 64 sketch "$scratch/drei.TRV" --view row --position 0 -o "$scratch/x.png"

# Usage errors: exit 64 with the usage line, nothing written.
run 64 sketch "$scratch/drei.TRV" --view side -o "$scratch/x.png"
grep -q '^usage: trv-cli sketch ' "$scratch/err.txt" || fail "no usage line"
run 64 sketch "$scratch/drei.TRV" -o "$scratch/x.png"
run 64 sketch "$scratch/drei.TRV" --view row
run 64 sketch "$scratch/drei.TRV" --view row -o "$scratch/x.jpg"
run 64 sketch "$scratch/drei.TRV" --view row -o "$scratch/x.png" --size 800
run 64 sketch "$scratch/drei.TRV" --view row -o "$scratch/x.png" --size 0x600
run 64 sketch "$scratch/drei.TRV" --view row -o "$scratch/x.png" --size 99999x600
run 64 sketch "$scratch/drei.TRV" --view row -o "$scratch/x.png" --colour red
run 64 sketch --view row -o "$scratch/x.png"
[ ! -e "$scratch/x.png" ] || fail "a usage error wrote a picture"
run 0 sketch --help
grep -q 'sketch IN.TRV --view' "$scratch/out.txt" || fail "--help"

# Missing or unreadable input: the program's message and exit 2.
run 2 sketch "$scratch/missing.TRV" --view row -o "$scratch/x.png"
[ -s "$scratch/err.txt" ] || fail "no message for a missing file"
printf '<TRV_1.0><Projekt>' >"$scratch/kaputt.TRV"
run 2 sketch "$scratch/kaputt.TRV" --view row -o "$scratch/x.png"
[ ! -e "$scratch/x.png" ] || fail "an unreadable project wrote a picture"

# A result sketch of an uncalculated position is refused; the input sketch is not.
sed 's|<TBerechnet>1</TBerechnet>|<TBerechnet>0</TBerechnet>|g' "$scratch/drei.TRV" >"$scratch/roh.TRV"
run 1 sketch "$scratch/roh.TRV" --view view -o "$scratch/x.png"
grep -q 'no results' "$scratch/err.txt" || fail "message for an uncalculated position"
run 0 sketch "$scratch/roh.TRV" --view input -o "$scratch/roh-input.png"

# Output that cannot be written: exit 1, an existing file stays as it was.
run 1 sketch "$scratch/drei.TRV" --view row -o "$scratch/no/such/folder/x.png"
cp "$scratch/drei-1.png" "$scratch/keep.png"
chmod a-w "$scratch"
code=0
"$cli" sketch "$scratch/drei.TRV" --view plan -o "$scratch/keep.png" 2>"$scratch/../sketch-err.txt" || code=$?
chmod u+w "$scratch"
if [ "$(id -u)" != 0 ]; then # root writes into read-only folders
    [ "$code" = 1 ] || fail "writing into a read-only folder exited $code"
    cmp -s "$scratch/keep.png" "$scratch/drei-1.png" || fail "the existing file was changed"
fi
rm -f "$scratch/../sketch-err.txt"
ls "$scratch"/*.tmp* 2>/dev/null && fail "temporary files left behind"

# Without a display and without a platform given, trv-cli falls back to offscreen.
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$cli" sketch "$scratch/drei.TRV" \
    --view input -o "$scratch/ohne-display.png" || fail "no offscreen fallback"
[ -s "$scratch/ohne-display.png" ] || fail "no picture without a display"
echo ok
