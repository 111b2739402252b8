#!/usr/bin/env bash
# The update reminder in the real program: it asks before any screen shows, Yes hands the
# download page to the browser, and in no locale does it ask again the same day.
source "$(dirname "$0")/lib.sh"
needs_locales en_US.UTF-8 de_DE.UTF-8
STORE_TOOL=${2:?path to store_tool}
start_display

browser_stand_in

fresh_store() {
    export XDG_CONFIG_HOME="$work_dir/config-$1"
    mkdir -p "$XDG_CONFIG_HOME"
}

expect_main_without_question() {
    local what=$1
    # Both reminder calls run before the main screen shows.
    wait_for_screen frmMain >/dev/null || fail "$what: no main screen"
    [[ $(count_messages) -eq 0 ]] || fail "$what: a question was asked"
}

# A date 15 days old: the question comes first, Yes opens the download page.
fresh_store stale
"$STORE_TOOL" set Duration -15
"$STORE_TOOL" set Install -3
start_program asked
question=$(wait_for_message) || fail "no question for a 15-day-old date"
[[ $(count_screens frmMain) -eq 0 ]] || fail "a screen showed before the question"
press_keys "$question" Return
wait_for_screen frmMain >/dev/null || fail "no main screen after the question"
download_opened() { grep -q '/nuvra-karmic-debt-number/ssd.php?page=download-web-page$' "$work_dir/opened" 2>/dev/null; }
wait_until 30 download_opened ||
    fail "Yes did not open the download page: $(cat "$work_dir/opened" 2>/dev/null)"
[[ $("$STORE_TOOL" get Duration) == $("$STORE_TOOL" today) ]] || fail "the date was not reset"
[[ $("$STORE_TOOL" get Install) == 3 ]] || fail "Install was not written back as 3"
[[ $(count_messages) -eq 0 ]] || fail "the question came twice"
kill_program asked

# In each locale a first start records the day and a second start asks nothing.
for locale in en_US.UTF-8 de_DE.UTF-8; do
    tag=${locale%%.*}
    fresh_store "$tag"
    export LANG=$locale LC_ALL=$locale
    start_program "first_$tag"
    expect_main_without_question "first start in $locale"
    kill_program "first_$tag"
    stored=$("$STORE_TOOL" get Duration)
    [[ $stored == *"$(date +%Y)"* ]] || fail "$locale stored '$stored' without a four-digit year"
    start_program "second_$tag"
    expect_main_without_question "second start in $locale"
    kill_program "second_$tag"
done
unset LANG LC_ALL

echo "update reminder: all checks passed"
