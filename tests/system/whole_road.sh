#!/usr/bin/env bash
# The whole road with real key events: names typed in lower case, a date chosen, Next, the
# reading, Back with the entries kept, File > Exit to the farewell screen, and its Exit.
source "$(dirname "$0")/lib.sh"
start_display

window_width() { xdotool getwindowgeometry "$1" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p'; }

start_program road
main=$(wait_for_window "$MAIN_TITLE") || fail "no main screen"
# JOHN SMITH carries no debt of their own, so the reading tells which day was chosen.
press_keys "$main" j o h n Tab Tab s m i t h Tab Down Down Tab
for _ in $(seq 13); do xdotool key Down; done # day 14
press_keys "$main" alt+n
sleep 1
result=$(wait_for_window "$MAIN_TITLE") || fail "no result screen"
[[ $(count_windows "$MAIN_TITLE") -eq 1 ]] || fail "the main screen did not hide"
line=$(first_line_of_reading "$result")
[[ $line == "Karmic Debt Number: 14"* ]] || fail "the reading begins '$line'"

# The reading does not stay on the clipboard once the mouse moves over it.
mouse_over_reading "$result"
[[ -z $(clipboard) ]] || fail "the reading stayed on the clipboard"

press_keys "$result" alt+b
sleep 0.5
main=$(wait_for_window "$MAIN_TITLE") || fail "Back showed no main screen"
[[ $(count_windows "$MAIN_TITLE") -eq 1 ]] || fail "the farewell screen showed on Back"
press_keys "$main" alt+n # the same entries give the same reading
sleep 1
result=$(wait_for_window "$MAIN_TITLE") || fail "no second result screen"
line=$(first_line_of_reading "$result")
[[ $line == "Karmic Debt Number: 14"* ]] || fail "after Back the entries gave '$line'"
press_keys "$result" alt+b
sleep 0.5

main=$(wait_for_window "$MAIN_TITLE") || fail "no main screen before the exit"
press_keys "$main" alt+f
sleep 0.3
xdotool key x
sleep 1
farewell=$(wait_for_window "$MAIN_TITLE") || fail "File > Exit showed no farewell screen"
[[ $(window_width "$farewell") -ge 700 ]] || fail "the screen shown is not the farewell screen"
[[ -z $(program_status road) ]] || fail "the program ended before the farewell screen"
press_keys "$farewell" alt+x
wait_until_ended road
[[ $(program_status road) == 0 ]] || fail "the program ended with $(program_status road)"
echo "whole road: all checks passed"
