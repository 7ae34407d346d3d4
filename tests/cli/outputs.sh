#!/usr/bin/env bash
# Every output of trv-cli is put in place by the same rules: written through a symbolic link it
# replaces the file the link points to and the link stays; a target that is not a regular file
# (a pipe, a device, a folder) is refused with a message and exit 1, and stays as it was.
set -euo pipefail
cli=$1
scratch=$2
data=${TRV_TEST_DATA_DIR:?}
rm -rf "$scratch"
mkdir -p "$scratch/real" "$scratch/out"

source "$(dirname "$0")/../tools/cli_helfer.sh"

# NAME|SUBCOMMAND ARGS: each is run with "-o" and a path ending in NAME.
outputs=(
    "calc.TRV|calc $data/drei-positionen.TRV"
    "joint.dxf|dxf $data/einzeldorn.TRV"
    "section.png|sketch $data/platte-platte.TRV --view section"
    "row.svg|sketch $data/platte-platte.TRV --view row"
    "sheet.pdf|sheet $data/platte-platte.TRV"
    "sheet.png|sheet $data/einzeldorn.TRV"
    "schedule.txt|schedule $data/drei-positionen.TRV"
    "schedule.pdf|schedule $data/drei-positionen.TRV"
)

for entry in "${outputs[@]}"; do
    name=${entry%%|*}
    read -r -a args <<<"${entry#*|}"
    ext=${name##*.}

    # Through a relative link, and through a link to that link.
    echo old >"$scratch/real/$name"
    ln -s "../real/$name" "$scratch/out/$name"
    ln -s "$scratch/out/$name" "$scratch/out/chain-$name"
    run 0 "${args[@]}" -o "$scratch/out/chain-$name"
    [ -L "$scratch/out/$name" ] && [ -L "$scratch/out/chain-$name" ] || fail "$name: the link was replaced"
    [ "$(readlink "$scratch/out/$name")" = "../real/$name" ] || fail "$name: the link changed"
    cmp -s <(echo old) "$scratch/real/$name" && fail "$name: the linked file was not replaced"
    [ "$(stat -c %s "$scratch/real/$name")" -gt 100 ] || fail "$name: the linked file is too small"

    # Special files are refused and stay what they were.
    [ -e "$scratch/out/pipe.$ext" ] || {
        mkfifo "$scratch/out/pipe.$ext"
        ln -s /dev/null "$scratch/out/device.$ext"
        mkdir "$scratch/out/folder.$ext"
    }
    for target in pipe device folder; do
        run 1 "${args[@]}" -o "$scratch/out/$target.$ext"
        grep -q 'not a regular file' "$scratch/err.txt" || fail "$name -> $target: $(cat "$scratch/err.txt")"
    done
    [ -p "$scratch/out/pipe.$ext" ] || fail "$name: the pipe was replaced"
    [ -L "$scratch/out/device.$ext" ] && [ -c /dev/null ] || fail "$name: the device link was replaced"
    [ -d "$scratch/out/folder.$ext" ] || fail "$name: the folder was replaced"
done
leftovers=$(find "$scratch/out" "$scratch/real" -name '.*' | head -3)
[ -z "$leftovers" ] || fail "temporary files left: $leftovers"
echo "outputs: all checks passed"
