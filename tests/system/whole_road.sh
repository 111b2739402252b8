#!/usr/bin/env bash
# The whole road with real key events: names typed in lower case, a date chosen, Next, the
# reading, Back with the entries kept, File > Exit to the farewell screen, and its Exit. The
# desktop offers a global menu bar, as Plasma's and Unity-style panels do.
source "$(dirname "$0")/lib.sh"
needs dbus-daemon xclip
BUS_NAME=${2:?path to bus_name}
start_display

in_own_group dbus-daemon --session --nofork --print-address=3 3>"$work_dir/bus"
wait_until 30 test -s "$work_dir/bus" || fail "no session bus"
DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$work_dir/bus")
export DBUS_SESSION_BUS_ADDRESS
"$BUS_NAME" com.canonical.AppMenu.Registrar >"$work_dir/registrar" 2>&1 &
background_pids+=($!)
registrar_up() { grep -q owned "$work_dir/registrar"; }
wait_until 30 registrar_up || fail "no global menu bar: $(cat "$work_dir/registrar")"

browser_stand_in

start_program road
main=$(wait_for_screen frmMain) || fail "no main screen"
wait_until 30 frame_centred "$main" || fail "the main screen is not centred with its frame: $(cat "$work_dir/last-frame")"
# "Donate" has no menu of its own: a global menu bar would drop it.
press_keys "$main" alt+d
donate_opened() { grep -q 'page=donate$' "$work_dir/opened" 2>/dev/null; }
wait_until 30 donate_opened || fail "Alt+D opened no donate page: $(program_log road)"
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

# Nor in the primary selection, where the mouse leaves the reading before its button. A
# click first ends the selection the copy made: pressed inside that, the mouse would drag.
eval "$(xdotool getwindowgeometry --shell "$result")"
xdotool mousemove $((X + 300)) $((Y + 200)) click 1 mousemove $((X + 40)) $((Y + 60)) \
    mousedown 1 mousemove $((X + 150)) $((Y + 150)) mousemove $((X + 100)) $((Y + 262)) mouseup 1
primary_selection() { timeout 5 xclip -o -selection primary 2>/dev/null || true; }
press_back "$result"
[[ -z $(primary_selection) ]] || fail "the reading stayed in the primary selection"
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
# so Enter ends the program.
press_keys "$farewell" Return
expect_clean_end road
echo "whole road: all checks passed"
