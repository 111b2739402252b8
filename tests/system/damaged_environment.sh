#!/usr/bin/env bash
# A damaged environment, case by case: the program starts, its screens work, nothing
# crashes, and no message appears that the user could not act on.
source "$(dirname "$0")/lib.sh"
start_display
base_config=$XDG_CONFIG_HOME
base_path=$PATH
case_number=0

# Starts the program in the environment as the case left it, checks that it starts without
# a message and gives ED KAY's reading, then ends it.
expect_working() {
    local what=$1 name line
    case_number=$((case_number + 1))
    name="case$case_number"
    start_program "$name"
    # Any message of start-up would come before the main screen.
    wait_for_screen frmMain >/dev/null || fail "$what: no main screen ($(program_log "$name"))"
    [[ $(count_messages) -eq 0 ]] || fail "$what: a message appeared"
    line=$(reading_for_ed_kay)
    [[ $line == "Karmic Debt Number: 13"* ]] || fail "$what: the reading began '$line'"
    [[ -z $(program_status "$name") ]] || fail "$what: the program ended"
    kill_program "$name"
    echo "ok: $what"
}

# Settings store.
store_case() {
    export XDG_CONFIG_HOME="$work_dir/config-$1"
    mkdir -p "$XDG_CONFIG_HOME/Calvora"
    store="$XDG_CONFIG_HOME/Calvora/NuvraKarmicDebtNumber.conf"
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
rm -rf "$XDG_CONFIG_HOME/Calvora"
echo "not a folder" >"$XDG_CONFIG_HOME/Calvora" # the store can be neither read nor made
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

# The browser: missing, hanging, failing. A link is opened first, then the screens must
# still answer.
browser_case() {
    local what=$1 name line main
    case_number=$((case_number + 1))
    name="case$case_number"
    start_program "$name"
    main=$(wait_for_screen frmMain) || fail "$what: no main screen"
    press_keys "$main" alt+h o # Help > Online Help
    # A message would be modal and keep the reading from coming.
    line=$(reading_for_ed_kay)
    [[ $line == "Karmic Debt Number: 13"* ]] || fail "$what: after the link the reading began '$line'"
    [[ $(count_messages) -eq 0 ]] || fail "$what: a message appeared"
    # Nothing of a URL (a referral's carries what the user typed) reaches any log.
    ! grep -q 'ssd\.php' "$work_dir/$name.log" || fail "$what: the URL reached the log"
    kill_program "$name"
    echo "ok: $what"
}
mkdir -p "$work_dir/empty-bin" "$work_dir/hang-bin" "$work_dir/fail-bin"
export PROGRAM_PATH="$work_dir/empty-bin" BROWSER=
browser_case "no xdg-open and no browser"
# The hanging stand-in notes its process id, so the test ends exactly what it started.
printf '#!/bin/sh\necho $$ >>"%s"\nexec sleep 600\n' "$work_dir/hung.pids" >"$work_dir/hang-bin/xdg-open"
printf '#!/bin/sh\necho "cannot open $1" >&2\nexit 3\n' >"$work_dir/fail-bin/xdg-open"
chmod +x "$work_dir/hang-bin/xdg-open" "$work_dir/fail-bin/xdg-open"
export PROGRAM_PATH="$work_dir/hang-bin:$base_path"
browser_case "xdg-open that hangs"
export PROGRAM_PATH="$work_dir/fail-bin:$base_path"
browser_case "xdg-open that fails"
unset PROGRAM_PATH BROWSER
if [[ -f "$work_dir/hung.pids" ]]; then
    while read -r pid; do kill "$pid" 2>/dev/null || true; done <"$work_dir/hung.pids"
fi

# The clipboard without an owner: the mouse crosses the reading and nothing happens.
start_program no_owner
result=$(show_reading_for_ed_kay)
mouse_over_reading "$result" click
press_back "$result"
[[ -z $(program_status no_owner) ]] || fail "the program ended on a clipboard without owner"
[[ $(count_messages) -eq 0 ]] || fail "a message appeared"
kill_program no_owner
echo "ok: clipboard without an owner"

# The clipboard: text another program owns stays when the mouse crosses the reading.
case_number=$((case_number + 1))
start_program clipboard_case
line=$(reading_for_ed_kay)
echo -n "copied elsewhere" | xclip -i -selection clipboard
result=$(wait_for_screen frmKarmicDebtNo)
mouse_over_reading "$result" click
press_back "$result"
[[ $(clipboard) == "copied elsewhere" ]] || fail "the program emptied another program's clipboard"
[[ -z $(program_status clipboard_case) ]] || fail "the program ended"
kill_program clipboard_case
echo "damaged environment: all checks passed"
