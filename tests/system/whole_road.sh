#!/usr/bin/env bash
# The whole road with real key events: names typed in lower case, a date chosen, Next, the
# reading, Back with the entries kept, File > Exit to the farewell screen, and its Exit.
source "$(dirname "$0")/lib.sh"
start_display

start_program road
main=$(wait_for_screen frmMain) || fail "no main screen"
wait_until 30 frame_centred "$main" || fail "the main screen is not centred with its frame: $(cat "$work_dir/last-frame")"
# JOHN SMITH carries no debt of their own, so the reading tells which day was chosen.
press_keys "$main" j o h n Tab Tab s m i t h Tab Down Down Tab
for _ in $(seq 13); do xdotool key Down; done # day 14
press_keys "$main" alt+n
result=$(wait_for_screen frmKarmicDebtNo) || fail "no result screen"
wait_for_screen_gone frmMain || fail "the main screen did not hide"
wait_until 30 frame_centred "$result" || fail "the result screen is not centred with its frame: $(cat "$work_dir/last-frame")"
line=$(first_line_of_reading "$result")
[[ $line == "Karmic Debt Number: 14"* ]] || fail "the reading begins '$line'"

# The reading does not stay on the clipboard once the mouse moves over it.
mouse_over_reading "$result"
wait_until 30 clipboard_empty || fail "the reading stayed on the clipboard"

press_back "$result"
[[ $(count_screens frmNagScreen2) -eq 0 ]] || fail "the farewell screen showed on Back"
main=$(wait_for_screen frmMain)
press_keys "$main" alt+n # the same entries give the same reading
result=$(wait_for_screen frmKarmicDebtNo) || fail "no second result screen"
line=$(first_line_of_reading "$result")
[[ $line == "Karmic Debt Number: 14"* ]] || fail "after Back the entries gave '$line'"
press_back "$result"

main=$(wait_for_screen frmMain) || fail "no main screen before the exit"
press_keys "$main" alt+f x
farewell=$(wait_for_screen frmNagScreen2) || fail "File > Exit showed no farewell screen"
wait_until 30 frame_centred "$farewell" || fail "the farewell screen is not centred with its frame: $(cat "$work_dir/last-frame")"
wait_for_screen_gone frmMain || fail "the main screen stayed after File > Exit"
[[ -z $(program_status road) ]] || fail "the program ended before the farewell screen"
# After two Backs the farewell screen still opens as it first would: the focus on Exit,
# so Space ends the program.
press_keys "$farewell" space
wait_until_ended road
[[ $(program_status road) == 0 ]] || fail "the program ended with $(program_status road)"
echo "whole road: all checks passed"
