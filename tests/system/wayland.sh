#!/usr/bin/env bash
# The program on the displays a Linux desktop may offer: Wayland with Xwayland beside it (as
# GNOME and KDE run), Wayland alone (with Qt's own title bar), a platform the user chose,
# and no display at all.
source "$(dirname "$0")/lib.sh"
needs weston xwd /usr/bin/convert
start_display
weston --backend=headless-backend.so --socket=nuvra-wayland --idle-time=0 \
    >"$work_dir/weston.log" 2>&1 &
background_pids+=($!)
wait_until 30 test -S "$XDG_RUNTIME_DIR/nuvra-wayland" || fail "weston did not start"
# As in a GNOME or KDE Wayland session, where Qt would pick Wayland by itself.
export WAYLAND_DISPLAY=nuvra-wayland XDG_SESSION_TYPE=wayland
unset QT_QPA_PLATFORM

# Both at hand: the program goes through X, where its screens can be centred and the
# farewell screen can stay on top.
start_program both
main=$(wait_for_screen frmMain) || fail "with an X server at hand the program did not use it"
wait_until 30 frame_centred "$main" || fail "the main screen is not centred"
press_keys "$main" alt+f x
farewell=$(wait_for_screen frmNagScreen2) || fail "File > Exit showed no farewell screen"
xprop -id "$farewell" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE ||
    fail "the farewell screen does not stay on top"
press_keys "$farewell" alt+x
expect_clean_end both

# A platform the user chose still wins: on Wayland no X window comes up, and it runs.
QT_QPA_PLATFORM=wayland start_program chosen
! wait_until 3 screen_shown frmMain || fail "the chosen Wayland platform was overridden"
! program_ended chosen || fail "on Wayland the program ended: $(program_log chosen)"
kill_program chosen

# Wayland alone: the program runs natively.
DISPLAY= start_program alone
! wait_until 3 program_ended alone || fail "on Wayland alone the program ended: $(program_log alone)"
kill_program alone

# Wayland alone, with Qt's own title bar: its maximize button must not end the program.
# A second Weston draws into a window of the X display, so real clicks reach its clients.
weston --backend=x11-backend.so --use-pixman --width=1000 --height=700 \
    --socket=nuvra-wayland-x11 --idle-time=0 >"$work_dir/weston-x11.log" 2>&1 &
background_pids+=($!)
# Weston is ready for clients once it starts its shell's own client.
shell_started() { grep -q 'launching.*weston-desktop-shell' "$work_dir/weston-x11.log"; }
wait_until 30 shell_started || fail "weston on X did not start: $(cat "$work_dir/weston-x11.log")"
WAYLAND_DISPLAY=nuvra-wayland-x11 DISPLAY= start_program titled
survives_qt_maximize_button titled
kill_program titled

# No display at all: one sentence and a plain exit, no abort.
status=0
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$PROGRAM" >"$work_dir/none.out" \
    2>"$work_dir/none.err" || status=$?
[[ $status -eq 1 ]] || fail "without a display the program ended with $status"
[[ $(wc -l <"$work_dir/none.err") -eq 1 ]] || fail "without a display it said: $(cat "$work_dir/none.err")"
grep -q "needs a graphical desktop" "$work_dir/none.err" || fail "it said: $(cat "$work_dir/none.err")"
[[ ! -s "$work_dir/none.out" ]] || fail "without a display it printed: $(cat "$work_dir/none.out")"
echo "wayland and no display: all checks passed"
