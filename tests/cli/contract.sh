#!/usr/bin/env bash
# The contract every subcommand of trv-cli keeps: --help answers, an unknown option is a usage
# error (64 with the usage line), a missing or unreadable project exits 2 with the program's
# message and writes no output file.
set -euo pipefail
cli=$1
scratch=$2
rm -rf "$scratch"
mkdir -p "$scratch"

source "$(dirname "$0")/../tools/cli_helfer.sh"

commands=$("$cli" --help | sed -n 's/^  \([a-z][a-z-]*\)\b.*/\1/p')
[ -n "$commands" ] || fail "no commands in the overview"
printf 'not a project\n' >"$scratch/garbage.TRV"
: >"$scratch/empty.TRV"
message='Error during opening the data file - unable to read project data'

for command in $commands; do
    "$cli" "$command" --help >"$scratch/help.txt" || fail "$command --help exited $?"
    grep -q "^usage: trv-cli $command" "$scratch/help.txt" || fail "$command --help: no usage line"

    code=0
    "$cli" "$command" --no-such-option 2>"$scratch/err.txt" >/dev/null || code=$?
    [ "$code" = 64 ] || fail "$command --no-such-option exited $code"
    grep -q "usage: trv-cli $command" "$scratch/err.txt" || fail "$command: no usage line on a usage error"

    [ "$command" = catalog ] && continue
    # The options a command needs besides its input, taken from its usage line.
    usage=$(sed -n "s/^usage: trv-cli $command //p" "$scratch/help.txt")
    extra=()
    case "$usage" in *"-o OUT"*) extra+=(-o "$scratch/out.$command") ;; esac
    case "$usage" in *"--view "*) extra+=(--view view) ;; esac
    for input in "$scratch/missing.TRV" "$scratch/garbage.TRV" "$scratch/empty.TRV"; do
        code=0
        "$cli" "$command" "$input" "${extra[@]}" >/dev/null 2>"$scratch/err.txt" || code=$?
        [ "$code" = 2 ] || fail "$command $(basename "$input") exited $code"
        grep -qF "$message" "$scratch/err.txt" || fail "$command $(basename "$input"): $(cat "$scratch/err.txt")"
        compgen -G "$scratch/out.$command*" >/dev/null && fail "$command wrote an output for a bad input"
    done
done
echo ok
