#!/usr/bin/env bash
# One instance per user: a second start says so and ends, a killed instance never blocks
# the next start, and of two started at once exactly one runs.
source "$(dirname "$0")/lib.sh"
start_display

# A second instance is refused while the first runs on.
start_program first
wait_for_screen frmMain >/dev/null || fail "the first instance showed no main screen"
[[ -e "$XDG_RUNTIME_DIR/NuvraKarmicDebtNumber.instance.lock" ]] ||
    fail "the claim is not in the runtime directory"
start_program second
message=$(wait_for_message) || fail "the second instance showed no message"
[[ $(count_screens frmMain) -eq 1 ]] || fail "the second instance showed a screen"
press_keys "$message" Return
expect_clean_end second
kill -0 "$(program_pid first)" 2>/dev/null || fail "the first instance did not survive"
[[ -z $(program_status first) ]] || fail "the first instance ended"

# A killed instance leaves no claim behind.
kill_program first
start_program third
wait_for_screen frmMain 10 >/dev/null || fail "a killed instance blocked the next start"
[[ $(count_messages) -eq 0 ]] || fail "the next start was refused"
kill_program third

# Two at the same moment: one main screen, one refusal.
start_program left
start_program right
# The refused one never gets past its message, so both windows up settles the matter.
wait_for_message >/dev/null || fail "neither of two simultaneous starts was refused"
wait_for_screen frmMain >/dev/null || fail "neither of two simultaneous starts ran"
[[ $(count_screens frmMain) -eq 1 ]] || fail "two instances run at once"
kill_program left
kill_program right

# The program's name is its executable's: a link to it is the program, refused while it
# runs and keeping the same settings; a copy under another name is a program of its own.
export XDG_CONFIG_HOME="$work_dir/config"
store="$XDG_CONFIG_HOME/$NUVRA_SETTINGS_FOLDER"
start_program original
wait_for_screen frmMain >/dev/null || fail "the program showed no main screen"
ln -s "$PROGRAM" "$work_dir/AnotherName"
PROGRAM="$work_dir/AnotherName" start_program linked
message=$(wait_for_message) || fail "a link to the running program was not refused"
press_keys "$message" Return
expect_clean_end linked
[[ ! -e "$store/AnotherName.conf" ]] || fail "a link to the program kept settings of its own"
cp "$PROGRAM" "$work_dir/NuvraCopy"
PROGRAM="$work_dir/NuvraCopy" start_program copy
copies_shown() { [[ $(count_screens frmMain) -eq 2 ]]; }
wait_until 30 copies_shown || fail "a copy under another name was refused"
[[ -e "$store/NuvraCopy.conf" ]] || fail "a copy under another name has no settings of its own"
echo "single instance: all checks passed"
