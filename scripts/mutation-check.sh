#!/usr/bin/env bash
# Mutation check of the engine: applies small faults (a changed constant, a comparison, a
# rounding) one at a time to a copy of the tree, rebuilds the tests that cover the changed code
# and runs them. A mutant whose tests still pass "SURVIVED": a wrong number there would go
# unnoticed. Exit status 0 only when every mutant was caught.
#
#   scripts/mutation-check.sh [--list] [--only REGEX]
#
# --list prints the mutants; --only runs the mutants of the given numbers ("3|17") or those whose
# description matches REGEX.
# The copy and its build folder live in $TRV_MUTATION_DIR (default: a folder below $TMPDIR) and
# are kept between runs, so later runs rebuild only what a mutant touches. The real tree is
# only read.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
work=${TRV_MUTATION_DIR:-${TMPDIR:-/tmp}/trv-mutation-$(id -un)}
tree=$work/trv
build=$tree/build
jobs=${TRV_MUTATION_JOBS:-2}

# Test groups (ctest regular expressions). Core test names are Suite.Test.
calc='^(TKTRVBemessung|BemessungStarten|BemessungZufall|KatalogTest)\.|^cli\.(calc|examples)$'
checks='^(MinAbstaende|FRdStahlBerechnen|FRdBetonBerechnen|StatusBestimmen|TKTRVBemessung|BemessungZufall)\.|^cli\.examples$'
load='^(Flaeche|Zielpunkt|Schwerpunkt|TKTmpDornAufteilung|DurchlaufBerechnen|VerteilungBerechnen|TKTRVBemessung)\.|^cli\.examples$'
reinf='^(Bewehrung|TKTRVBemessung)\.|^cli\.examples$'
input='^(EingabeGueltig|FeldVerlassen|Lastfaelle|Profilraster|PlausibilitaetTest|Bemessungsoptionen|BemessungStarten)\.|^cli\.calc$'
numbers='^(RundeAufRaster|ZahlAlsText|ZahlFest|ZahlGerundet|TextAlsZahl|DateiZahl|Zahlen|ZahlDateiText|XmlWerte|Bewehrung|EingabeGueltig)\.|^cli\.(report|examples)$'
schedule='^(Stuecklistenregeln|InStueckliste|StuecklisteTest|StuecklisteText|StuecklisteDatei)\.|^cli\.schedule$'
file='^(Projektdatei|TKLeser|FeindlicheDatei|XmlWerte|XmlDokumentTest|Testdaten|ModellTest)\.|^cli\.(calc|report)$'
dxf='^Dxf[A-Za-z]*\.|^cli\.dxf$|^dxf\.ezdxf$'

files=() originals=() replacements=() regexes=()
# m FILE ORIGINAL REPLACEMENT TESTS: ORIGINAL must occur exactly once in FILE.
m() {
    files+=("$1") originals+=("$2") replacements+=("$3") regexes+=("$4")
}

# Calculation driver: the slab-thickness iteration and the proposal.
m src/calculation/Bemessung.cpp 'std::min(t, 10.0L)' 'std::min(t, 20.0L)' "$calc"
m src/calculation/Bemessung.cpp 'de.Statusd() && t <= 0' 'de.Statusd() && t < 0' "$calc"
m src/calculation/Bemessung.cpp 'status == 3 || status == 4 ||' 'status == 3 ||' "$calc"
m src/calculation/Bemessung.cpp 'de.EtaQ() < 1 &&' 'de.EtaQ() < 1.01 &&' "$calc"
m src/calculation/Bemessung.cpp 'erg.GetAnzDorn(typ) < erg.GetAnzDorn(vorschlag)' \
  'erg.GetAnzDorn(typ) <= erg.GetAnzDorn(vorschlag)' "$calc"
m src/calculation/Bemessung.cpp 'if (de.Status() == 0 && !de.Statusd()) {
        de.Warnungen().MeldungHinzufuegen(kWarnungDuennsteDecke);
    }
    geo' 'if (de.Status() == 0 && de.Statusd()) {
        de.Warnungen().MeldungHinzufuegen(kWarnungDuennsteDecke);
    }
    geo' "$calc"

# Connector checks: minimum distances, steel and concrete resistances, status.
m src/calculation/Nachweise.cpp 'm.ZulMinAchs = static_cast<double>(1.5L * h);' \
  'm.ZulMinAchs = static_cast<double>(1.4L * h);' "$checks"
m src/calculation/Nachweise.cpp 'm.ZulMinRand = static_cast<double>(0.75L * h);' \
  'm.ZulMinRand = static_cast<double>(0.7L * h);' "$checks"
m src/calculation/Nachweise.cpp 'const long double e = fw + t;' 'const long double e = fw;' "$checks"
m src/calculation/Nachweise.cpp 'r * kappa * 1.2L * tau' 'r * kappa * 1.1L * tau' "$checks"
m src/calculation/Nachweise.cpp 'const long double p = 3.3L *' 'const long double p = 3.0L *' "$checks"
m src/calculation/Nachweise.cpp 'std::min(x, lH / 2)' 'std::min(x, lH / 3)' "$checks"
m src/calculation/Nachweise.cpp 's.o3 = 2 * vVorher < vpl ? vVorher : v0;' 's.o3 = vVorher;' "$checks"
m src/calculation/Nachweise.cpp 'constexpr long double kAlpha2 = 25;' 'constexpr long double kAlpha2 = 26;' "$checks"
m src/calculation/Nachweise.cpp '(h / 2 - 35 -' '(h / 2 - 30 -' "$checks"
m src/calculation/Nachweise.cpp 'std::max(static_cast<long double>(w.DickeGrenze), h)' \
  'std::min(static_cast<long double>(w.DickeGrenze), h)' "$checks"
m src/calculation/Nachweise.cpp '1.6L - r / 1000' '1.5L - r / 1000' "$checks"
m src/calculation/Nachweise.cpp 'fs2 / (2 * stahl.o1 + stahl.o2)' 'fs2 / (2 * stahl.o1)' "$checks"
m src/calculation/Nachweise.cpp 'return RundeGerade(10.0 * a) > RundeGerade(10.0 * b);' \
  'return RundeGerade(10.0 * a) >= RundeGerade(10.0 * b);' "$checks"
m src/calculation/Nachweise.cpp 'return RundeGerade(10.0 * a) > RundeGerade(10.0 * b);' \
  'return 10.0 * a > 10.0 * b;' "$checks"
m src/calculation/Nachweise.cpp 'd.Einbindelaenge + 50 > d.WandDicke' \
  'd.Einbindelaenge + 50 >= d.WandDicke' "$checks"
m src/calculation/Nachweise.cpp 'GroesserInZehnteln(d.BreiteBewY, d.by - d.ZuschlagBewY)' \
  'GroesserInZehnteln(d.BreiteBewY, d.by)' "$checks"
m src/calculation/Nachweise.cpp 'd.AnzDorn > 1' 'd.AnzDorn > 0' "$checks"
m src/calculation/Nachweise.cpp 'GroesserInZehnteln(d.GroessterDornAbstand, 5 * h)' \
  'GroesserInZehnteln(d.GroessterDornAbstand, 6 * h)' "$checks"
m src/calculation/Nachweise.cpp 'GroesserInZehnteln(d.ZulMinAchs / 2, amin) && d.BewehrungCalc == 0' \
  'GroesserInZehnteln(d.ZulMinAchs / 2, amin)' "$checks"

# Load distribution along the joint.
m src/calculation/Lastverteilung.cpp 'summe / e.FRd + 0.4999L' 'summe / e.FRd + 0.5L' "$load"
m src/calculation/Lastverteilung.cpp 'const long double smax = 5.0L * e.PlatteDicke;' \
  'const long double smax = 6.0L * e.PlatteDicke;' "$load"
m src/calculation/Lastverteilung.cpp 'unbegrenzt || std::fabs(d) < smax' \
  'unbegrenzt || std::fabs(d) <= smax' "$load"
m src/calculation/Lastverteilung.cpp 'ay > by ? ax + breite / 3 : ax + 2 * breite / 3' \
  'ay > by ? ax + breite / 2 : ax + 2 * breite / 3' "$load"
m src/calculation/Lastverteilung.cpp 'luecken[s] >= groesste - GleicheLuecke' \
  'luecken[s] >= groesste + GleicheLuecke' "$load"
m src/calculation/Anordnung.cpp 'de.SetAbstandLinks(geo.RandLinks() ? links : de.ZulMinRand());' \
  'de.SetAbstandLinks(links);' "$load"
m src/calculation/Anordnung.cpp 'for (int k = 1; k <= anzahl - 1; ++k) {' \
  'for (int k = 1; k <= anzahl; ++k) {' "$load"
m src/calculation/Anordnung.cpp 'std::min(2 * std::min(de.AbstandLinks(), de.AbstandRechts()), de.IstMinAchs())' \
  '2 * std::min(de.AbstandLinks(), de.AbstandRechts())' "$load"

# Reinforcement.
m src/calculation/Bewehrung.cpp 'const long double a1 = fs / 2 * 1.2L / b.fyd * 1000;' \
  'const long double a1 = fs / 2 * 1.1L / b.fyd * 1000;' "$reinf"
m src/calculation/Bewehrung.cpp '(fs / 10 * a) / (z * 0.9L * b.fyd)' '(fs / 10 * a) / (z * b.fyd)' "$reinf"
m src/calculation/Bewehrung.cpp 'b.fyd * 0.3L / 1000' 'b.fyd * 0.35L / 1000' "$reinf"
m src/calculation/Bewehrung.cpp '(h - 2 * cO - 6 * dy)' '(h - 2 * cO - 5 * dy)' "$reinf"
m src/calculation/Bewehrung.cpp 'erforderlich / stabflaeche - 0.01L' 'erforderlich / stabflaeche - 0.1L' "$reinf"
m src/calculation/Bewehrung.cpp 'if (n % 2 != 0) {' 'if (n % 2 == 3) {' "$reinf"
m src/calculation/Bewehrung.cpp 'constexpr long double kWinkelBewY = 34;' 'constexpr long double kWinkelBewY = 35;' "$reinf"
m src/calculation/Bewehrung.cpp 'RundeAufRaster(static_cast<double>((2 * a - w0) / (n - 2)), 1, 0.1)' \
  'RundeAufRaster(static_cast<double>((2 * a - w0) / (n - 2)), 1, 0.5)' "$reinf"
m src/calculation/Bewehrung.cpp '? static_cast<long double>(b.StabBewY) + b.HuelsenBreite' \
  '? static_cast<long double>(b.HuelsenBreite)' "$reinf"
m src/calculation/Bewehrung.cpp 'return b.BewehrungCalc == 1 ? b.FSdIst : b.FRd;' 'return b.FRd;' "$reinf"
m src/calculation/Bewehrung.cpp 'return std::min(fx, fy);' 'return fy;' "$reinf"

# Input range checks and plausibility checks.
m src/calculation/Eingabepruefung.cpp '(unten && v < minimum)' '(unten && v <= minimum)' "$input"
m src/calculation/Eingabepruefung.cpp '(oben && v > maximum)' '(oben && v >= maximum)' "$input"
m src/calculation/Eingabepruefung.cpp 'return {NurMinimum, 150, kOffen, 160};' 'return {NurMinimum, 140, kOffen, 160};' "$input"
m src/calculation/Eingabepruefung.cpp 'return {Beide, 300, 30000, 2};' 'return {Beide, 300, 30001, 2};' "$input"
m src/calculation/Eingabepruefung.cpp 'return {NurMinimum, 120, kOffen, 0.5};' 'return {NurMinimum, 100, kOffen, 0.5};' "$input"
m src/calculation/Eingabepruefung.cpp 'g.SetNutzhoehe(g.PlatteDicke() - 40);' 'g.SetNutzhoehe(g.PlatteDicke() - 30);' "$input"
m src/calculation/Plausibilitaet.cpp '{co + cu > d, res::PlausiDeckungSumme},' '{co + cu >= d, res::PlausiDeckungSumme},' "$input"
m src/calculation/Plausibilitaet.cpp '{d < 16, res::PlausiDickeMin},' '{d <= 16, res::PlausiDickeMin},' "$input"
m src/calculation/Plausibilitaet.cpp '{d - cu < h, res::PlausiNutzhoehe},' '{d - cu <= h, res::PlausiNutzhoehe},' "$input"
m src/calculation/Plausibilitaet.cpp '{h + 1 > d, res::PlausiNutzhoehe},' '{h + 1 >= d, res::PlausiNutzhoehe},' "$input"
m src/calculation/Plausibilitaet.cpp '{h < 10, res::PlausiNutzhoeheKlein},' '{h <= 10, res::PlausiNutzhoeheKlein},' "$input"
m src/calculation/Plausibilitaet.cpp '{co < 10, res::PlausiDeckungOben},' '{co <= 10, res::PlausiDeckungOben},' "$input"
m src/calculation/Plausibilitaet.cpp '{cu < 10, res::PlausiDeckungUnten},' '{cu <= 10, res::PlausiDeckungUnten},' "$input"
m src/calculation/Plausibilitaet.cpp 'g.WandDicke() < 200' 'g.WandDicke() <= 200' "$input"

# Number helpers.
m src/model/Zahlen.cpp 'return std::nearbyint(wert);' 'return std::round(wert);' "$numbers"
m src/model/Zahlen.cpp 'RundeGerade((wert + toleranz) / raster - 0.5)' 'RundeGerade((wert + toleranz) / raster - 0.4)' "$numbers"
m src/model/Zahlen.cpp 'if (std::fabs(wert) < 1e-6) {' 'if (std::fabs(wert) < 1e-3) {' "$numbers"

# Schedule rules.
m src/schedule/Stuecklistenregeln.cpp 'std::trunc(TextAlsZahl(Feld(eintrag, stk::AnzahlDorne), 0))' \
  'std::round(TextAlsZahl(Feld(eintrag, stk::AnzahlDorne), 0))' "$schedule"
m src/schedule/Stuecklistenregeln.cpp 'ZahlFest(frd, 1, dezimaltrenner),' 'ZahlFest(frd, 2, dezimaltrenner),' "$schedule"
m src/schedule/Stuecklistenregeln.cpp 'Feld(eintraege[i], stk::PositionsNr) == schluessel' \
  'Feld(eintraege[i], stk::Position) == schluessel' "$schedule"

# Project file.
m src/files/Projektdatei.cpp 'dok->Wurzel().KindAn(1);' 'dok->Wurzel().KindAn(0);' "$file"
m src/files/Projektdatei.cpp 'if (programm.Attribut("Version") != Ressource(res::DateiProgrammVersion)) {' \
  'if (false) {' "$file"

# DXF writer.
m src/dxf/DxfGruppen.cpp 'return rechtsbuendig(std::to_string(code), 3);' 'return rechtsbuendig(std::to_string(code), 4);' "$dxf"
m src/dxf/DxfGruppen.cpp 'std::chars_format::fixed, 5);' 'std::chars_format::fixed, 4);' "$dxf"
m src/dxf/DxfGruppen.cpp 'if (vor_komma > 7) {' 'if (vor_komma > 8) {' "$dxf"
m src/dxf/DxfSchreiber.cpp 'out.integer_group(62, (*it)->layer_colour());' 'out.integer_group(62, 7);' "$dxf"

count=${#files[@]}

describe() {
    local i=$1
    local first_line
    first_line=$(printf '%s' "${originals[$i]}" | head -1)
    printf '%s: %s -> %s' "${files[$i]}" "$first_line" "$(printf '%s' "${replacements[$i]}" | head -1)"
}

only=''
case "${1:-}" in
  --list)
    for ((i = 0; i < count; ++i)); do printf '%3d  %s\n' $((i + 1)) "$(describe "$i")"; done
    exit 0 ;;
  --only) only=${2:?--only needs a regular expression} ;;
  '') ;;
  *) echo "usage: mutation-check.sh [--list] [--only REGEX]" >&2; exit 64 ;;
esac

# Replaces the one occurrence of ORIGINAL in FILE (python: exact text, any characters).
apply() {
    /usr/bin/python3 - "$@" <<'PY'
import sys
path, old, new = sys.argv[1:4]
text = open(path, encoding="utf-8").read()
n = text.count(old)
if n != 1:
    sys.exit(f"{path}: the original text occurs {n} times, not once: {old!r}")
open(path, "w", encoding="utf-8").write(text.replace(old, new))
PY
}

# The copy: every file the repository tracks or would track, refreshed where it differs. A
# refreshed file gets a new time stamp so that ninja rebuilds what depends on it.
sync_tree() {
    mkdir -p "$tree"
    local list
    list=$(mktemp)
    (cd "$repo" && git ls-files -co --exclude-standard -z) >"$list"
    while IFS= read -r -d '' f; do
        [ -f "$repo/$f" ] || continue
        if ! cmp -s "$repo/$f" "$tree/$f"; then
            mkdir -p "$(dirname "$tree/$f")"
            cp "$repo/$f" "$tree/$f"
        fi
    done <"$list"
    # Files gone from the repository would still be compiled by the source globs.
    (cd "$tree" && find . -path ./build -prune -o -type f -print0) | while IFS= read -r -d '' f; do
        f=${f#./}
        grep -qzxF -- "$f" "$list" || rm -f "$tree/$f"
    done
    rm -f "$list"
}

targets_for() {
    local t=(trv_core_tests)
    [[ $1 == *cli* ]] && t+=(trv-cli)
    [[ $1 == *ezdxf* ]] && t+=(trv_dxf_muster)
    printf '%s\n' "${t[@]}"
}

build_for() {
    local targets
    mapfile -t targets < <(targets_for "$1")
    cmake --build "$build" --target "${targets[@]}" >"$work/build.log" 2>&1
}

run_tests() {
    ctest --test-dir "$build" -R "$1" -j"$jobs" --timeout 120 --stop-on-failure >"$work/test.log" 2>&1
}

export CCACHE_BASEDIR=$work CCACHE_NOHASHDIR=1
echo "mutation check: copy in $tree"
sync_tree
# Optimised, without debug information: the fastest rebuilds; warnings do not stop a mutant.
cmake -S "$tree" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTRV_WERROR=OFF \
      -DCMAKE_CXX_FLAGS_RELEASE="-O1 -DNDEBUG" >"$work/configure.log" 2>&1 \
    || { cat "$work/configure.log" >&2; exit 2; }

selected=()
for ((i = 0; i < count; ++i)); do
    if [ -z "$only" ]; then
        selected+=("$i")
    elif [[ $only =~ ^[0-9|]+$ ]]; then
        [[ $((i + 1)) =~ ^($only)$ ]] && selected+=("$i")
    elif describe "$i" | grep -qE -- "$only"; then
        selected+=("$i")
    fi
done

# Without faults every selected test group must build and pass, or "caught" means nothing.
declare -A groups=()
for i in "${selected[@]}"; do groups["${regexes[$i]}"]=1; done
build_for "${!groups[*]}" || { tail -30 "$work/build.log" >&2; echo "the unchanged copy does not build" >&2; exit 2; }
for group in "${!groups[@]}"; do
    if ! run_tests "$group" || grep -q 'No tests were found' "$work/test.log"; then
        tail -30 "$work/test.log" >&2
        echo "the unchanged copy fails the tests $group (log: $work/test.log)" >&2
        exit 2
    fi
done

caught=0 survived=0 broken=0
for i in "${selected[@]}"; do
    f=${files[$i]}
    apply "$tree/$f" "${originals[$i]}" "${replacements[$i]}" || exit 2
    # A mutant that does not build tells nothing about the tests: the list needs mending.
    if ! build_for "${regexes[$i]}"; then
        result=BROKEN
        broken=$((broken + 1))
    elif run_tests "${regexes[$i]}"; then
        result=SURVIVED
        survived=$((survived + 1))
    else
        result=caught
        caught=$((caught + 1))
    fi
    cp "$repo/$f" "$tree/$f"
    printf '%-8s %3d  %s\n' "$result" $((i + 1)) "$(describe "$i")"
done
echo "${#selected[@]} mutants: $caught caught, $survived survived, $broken did not build"
[ "$survived" = 0 ] && [ "$broken" = 0 ]
