# What a shell test needs of the machine. A machine that lacks it skips the test with
# status 77, which ctest reports as skipped, with one line that names what is missing. A
# build configured with NUVRA_REQUIRE_ALL_TESTS (./test, CI) counts that status as a failure.

skip_for_want_of() {
    echo "skipped: needs $*, which this machine lacks"
    exit 77
}

# needs COMMAND...: every command on the PATH (a shell function of the same name does not
# count).
needs() {
    local tool
    local -a missing=()
    for tool; do
        type -P "$tool" >/dev/null || missing+=("$tool")
    done
    ((${#missing[@]} == 0)) || skip_for_want_of "${missing[*]}"
}

# needs_locales NAME...: every locale generated, e.g. de_DE.UTF-8.
needs_locales() {
    local name available
    available=$(locale -a 2>/dev/null | tr '[:upper:]' '[:lower:]' | sed 's/utf-8/utf8/')
    for name; do
        grep -qx "$(tr '[:upper:]' '[:lower:]' <<<"${name/UTF-8/utf8}")" <<<"$available" ||
            skip_for_want_of "the $name locale"
    done
}
