#!/usr/bin/env bash
# A damaged environment, case by case: the program starts, its screens work, nothing
# crashes, and no message appears that the user could not act on.
source "$(dirname "$0")/lib.sh"
needs xclip
start_display
base_config=$XDG_CONFIG_HOME
base_path=$PATH
case_number=0

# expect_working WHAT [STEP]: starts the program in the environment as the case left it,
# checks that it starts without a message, takes the step (by default, ED KAY's reading),
# and checks that it still runs with no message before it ends it.
expect_working() {
    local what=$1 step=${2:-gives_a_reading}
    case_number=$((case_number + 1))
    name="case$case_number"
    start_program "$name"
    # Any message of start-up would come before the main screen.
    wait_for_screen frmMain >/dev/null || fail "$what: no main screen ($(program_log "$name"))"
    [[ $(count_messages) -eq 0 ]] || fail "$what: a message appeared"
    "$step" "$what"
    [[ -z $(program_status "$name") ]] || fail "$what: the program ended"
    [[ $(count_messages) -eq 0 ]] || fail "$what: a message appeared"
    kill_program "$name"
    echo "ok: $what"
}

gives_a_reading() {
    local line
    line=$(reading_for_ed_kay)
    [[ $line == "Karmic Debt Number: 13"* ]] || fail "$1: the reading began '$line'"
}

# Settings store.
store_case() {
    export XDG_CONFIG_HOME="$work_dir/config-$1"
    mkdir -p "$XDG_CONFIG_HOME/$NUVRA_SETTINGS_FOLDER"
    store="$XDG_CONFIG_HOME/$NUVRA_SETTINGS_FOLDER/NuvraKarmicDebtNumber.conf"
}
store_case empty
: >"$store"
expect_working "empty settings file"
store_case garbage
head -c 65536 /dev/urandom >"$store"
expect_working "settings file full of garbage"
store_case directory
mkdir -p "$store"
expect_working "settings file that is a directory"
if [[ $(id -u) -ne 0 ]]; then # permissions do not bind root
    store_case unreadable
    echo "[Settings]" >"$store" && chmod 000 "$store"
    expect_working "settings file that cannot be read"
    store_case readonly
    echo "[Settings]" >"$store" && chmod 444 "$store"
    expect_working "settings file that cannot be written"
fi
store_case unwritable
rm -rf "$XDG_CONFIG_HOME/$NUVRA_SETTINGS_FOLDER"
echo "not a folder" >"$XDG_CONFIG_HOME/$NUVRA_SETTINGS_FOLDER" # the store can be neither read nor made
expect_working "settings folder that cannot be created"
export XDG_CONFIG_HOME=$base_config

# Runtime directory.
saved_runtime=$XDG_RUNTIME_DIR
unset XDG_RUNTIME_DIR
expect_working "no XDG_RUNTIME_DIR"
export XDG_RUNTIME_DIR="$work_dir/not-a-directory"
echo "file" >"$XDG_RUNTIME_DIR"
expect_working "XDG_RUNTIME_DIR that is a file"
export XDG_RUNTIME_DIR="$work_dir/shared-runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 1777 "$XDG_RUNTIME_DIR"
expect_working "XDG_RUNTIME_DIR that others may write to"
export XDG_RUNTIME_DIR=$saved_runtime

# Every place the lock could go is one that others may write to, and another local user
# holds a lock of the program's name there: that must not keep the program from starting.
hostile="$work_dir/hostile"
mkdir -p "$hostile/tmp/runtime-$(id -un)" "$hostile/cache"
chmod 1777 "$hostile/tmp/runtime-$(id -un)" "$hostile/cache"
squat_lock="$hostile/cache/NuvraKarmicDebtNumber.instance.lock"
(exec 9>"$squat_lock" && flock 9 && exec sleep 600) &
squatter=$!
background_pids+=("$squatter")
lock_taken() { ! flock -n "$squat_lock" true 2>/dev/null; }
wait_until 30 lock_taken || fail "the other user's lock was not taken"
unset XDG_RUNTIME_DIR
export TMPDIR="$hostile/tmp" XDG_CACHE_HOME="$hostile/cache"
expect_working "a lock held by another user where others may write"
unset TMPDIR XDG_CACHE_HOME
kill "$squatter" 2>/dev/null || true
export XDG_RUNTIME_DIR=$saved_runtime

# The browser: missing, hanging, failing. Help > Online Help opens a link, then the screens
# must still answer: a message would be modal and keep the reading from coming. Nothing of
# a URL (a referral's carries what the user typed) reaches any log.
opens_a_link() {
    press_keys "$(wait_for_screen frmMain)" alt+h o
    gives_a_reading "$1"
    ! grep -q 'ssd\.php' "$work_dir/$name.log" || fail "$1: the URL reached the log"
}
mkdir -p "$work_dir/empty-bin" "$work_dir/hang-bin" "$work_dir/fail-bin"
export PROGRAM_PATH="$work_dir/empty-bin" BROWSER=
expect_working "no xdg-open and no browser" opens_a_link
# The hanging stand-in notes its process id, so the test ends exactly what it started.
printf '#!/bin/sh\necho $$ >>"%s"\nexec sleep 600\n' "$work_dir/hung.pids" >"$work_dir/hang-bin/xdg-open"
printf '#!/bin/sh\necho "cannot open $1" >&2\nexit 3\n' >"$work_dir/fail-bin/xdg-open"
chmod +x "$work_dir/hang-bin/xdg-open" "$work_dir/fail-bin/xdg-open"
export PROGRAM_PATH="$work_dir/hang-bin:$base_path"
expect_working "xdg-open that hangs" opens_a_link
export PROGRAM_PATH="$work_dir/fail-bin:$base_path"
expect_working "xdg-open that fails" opens_a_link
unset PROGRAM_PATH BROWSER
if [[ -f "$work_dir/hung.pids" ]]; then
    while read -r pid; do kill "$pid" 2>/dev/null || true; done <"$work_dir/hung.pids"
fi

# The clipboard: the mouse crosses the reading and clicks in it. Without an owner nothing
# happens; text another program took over from the program's copy stays.
crosses_the_reading() {
    local result
    result=$(wait_for_screen frmKarmicDebtNo)
    mouse_over_reading "$result" click
    press_back "$result"
}
no_owner() { show_reading_for_ed_kay >/dev/null && crosses_the_reading; }
expect_working "clipboard without an owner" no_owner
taken_over() {
    gives_a_reading "$1"
    echo -n "copied elsewhere" | xclip -i -selection clipboard
    crosses_the_reading
    [[ $(clipboard) == "copied elsewhere" ]] || fail "$1: the program emptied another program's clipboard"
}
expect_working "clipboard another program took over" taken_over
echo "damaged environment: all checks passed"
