# Helpers shared by the command-line checks in tests/cli/ (sourced; they expect $cli and
# $scratch to be set).

fail() { echo "FAIL: $*" >&2; exit 1; }

# run EXPECTED_CODE args...: runs trv-cli with stdout and stderr into the scratch folder and
# fails unless it exits with the expected code.
run() {
    local expected=$1
    shift
    local code=0
    "$cli" "$@" >"$scratch/out.txt" 2>"$scratch/err.txt" || code=$?
    [ "$code" = "$expected" ] || { cat "$scratch/err.txt" >&2; fail "trv-cli $* exited $code, expected $expected"; }
}
