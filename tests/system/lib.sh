# Helpers for tests that drive the real program on a private X display with a window
# manager, using real key events. Source this file; it cleans up after itself.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../support/needs.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../support/xvfb.sh"
needs xdotool xprop xwininfo

PROGRAM=${1:?path to the program}
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY

# Screens are told apart by their window role, which is the screen's name; message boxes
# by their caption, the application title.
: "${NUVRA_SETTINGS_FOLDER:?the settings folder under XDG_CONFIG_HOME, which ctest gives}"
MESSAGE_TITLE="^${NUVRA_APP_TITLE:?the application title, which ctest gives}\$"

declare -a background_pids=() background_groups=()
work_dir=$(mktemp -d)
# The runtime directory holds the compositors' sockets, and a socket's path may not pass
# 107 bytes: the build tree may lie too deep, so each test gets a short one of its own.
export XDG_RUNTIME_DIR=$work_dir/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

# in_own_group COMMAND...: starts the command in the background in a process group of its
# own, which cleanup ends whole: a session bus, a compositor and their Xwayland.
in_own_group() {
    setsid "$@" &
    background_groups+=($!)
}

cleanup() {
    local pid
    for pid in "${background_groups[@]}"; do
        kill -9 -- "-$pid" 2>/dev/null || true
    done
    for pid in "${background_pids[@]}"; do
        kill -9 "$pid" 2>/dev/null || true
    done
    rm -rf "$work_dir"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Every X client gets a ceiling. A window manager that hangs while it holds the server
# would keep a query waiting without end, past the ceiling of every wait_until.
for x_tool in xdotool xprop xwininfo wmctrl; do
    eval "$x_tool() { timeout 20 $x_tool \"\$@\"; }"
done

# Should the test still run near ctest's ceiling (300 s), what it waits on is shown: the
# commands of its process group, from /proc.
show_what_hangs() {
    local stat rest group
    sleep 240 >/dev/null 2>&1 # not holding ctest's output open
    echo "FAIL: still running after 240 s:" >&2
    for stat in /proc/[0-9]*/stat; do
        rest=$(cat "$stat" 2>/dev/null) || continue
        read -r _ _ group _ <<<"${rest##*) }"
        [[ $group == "$test_group" ]] && tr '\0' ' ' <"${stat%stat}cmdline" >&2 && echo >&2
    done
}
read -r _ _ test_group _ <<<"$(cut -d')' -f2- /proc/$$/stat)"
show_what_hangs &
background_pids+=($!)

# wait_until SECONDS COMMAND...: true as soon as the command succeeds, false when it has
# not within the time. The time is the clock's, however long each try takes on a loaded
# machine.
wait_until() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.05
    done
}

# start_display [MANAGER]: a private display with a window manager on it, openbox unless
# another is named (mutter, kwin, xfwm4: GNOME's, KDE's and XFCE's; mutter-wayland: GNOME on
# Wayland, drawn into a window of the display, with its Xwayland). On a loaded machine
# either may fail to come up now and then, so each attempt that fails is ended and tried
# again; what the manager said is shown.
start_display() {
    local manager=${1:-openbox} attempt xvfb xvfb_up wm ready=window_manager_running
    local -a command
    case $manager in
    openbox) command=(openbox --sm-disable) ;;
    # These three find their settings and one another on a session bus.
    mutter) command=(dbus-run-session -- mutter --x11 --replace) ;;
    kwin) command=(dbus-run-session -- kwin_x11) ;;
    xfwm4) command=(dbus-run-session -- xfwm4 --compositor=off) ;;
    mutter-wayland)
        command=(dbus-run-session -- mutter --nested --wayland --wayland-display=nuvra-gnome)
        ready=gnome_on_wayland_running
        ;;
    *) fail "no window manager called $manager" ;;
    esac
    needs Xvfb "${command[@]:0:1}" "${command[@]:2:1}"
    for attempt in 1 2 3; do
        start_xvfb "$work_dir" && xvfb_up=true || xvfb_up=false
        xvfb=$xvfb_pid
        background_pids+=("$xvfb")
        if $xvfb_up; then
            in_own_group "${command[@]}" >"$work_dir/wm.log" 2>&1
            wm=$!
            wait_until 30 manager_settled "$wm" && "$ready" && return 0
            kill -9 -- "-$wm" 2>/dev/null || true
        fi
        kill -9 "$xvfb" 2>/dev/null || true
        echo "display attempt $attempt failed; $manager said: $(cat "$work_dir/wm.log" 2>/dev/null)" >&2
    done
    fail "no display with a window manager came up"
}

# True once the manager is ready ($ready of start_display), or has ended without being so.
manager_settled() { "$ready" || ! kill -0 "$1" 2>/dev/null; }

window_manager_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
gnome_on_wayland_running() {
    [[ -S $XDG_RUNTIME_DIR/nuvra-gnome ]] && grep -q 'Using public X11 display' "$work_dir/wm.log"
}

# start_program NAME: starts the program in the background; its exit status, when it
# ends, goes to $work_dir/NAME.status. PROGRAM_PATH, when set, is the program's PATH;
# program_runner, when set, the command it runs under (another user, say).
declare -a program_runner=()
start_program() {
    local name=$1
    (
        set +e
        "${program_runner[@]}" env PATH="${PROGRAM_PATH:-$PATH}" "$PROGRAM" \
            >"$work_dir/$name.log" 2>&1 &
        echo $! >"$work_dir/$name.pid"
        wait $!
        echo $? >"$work_dir/$name.status"
    ) &
    background_pids+=($!)
    wait_until 30 test -s "$work_dir/$name.pid" || fail "$name did not start"
    background_pids+=("$(program_pid "$name")")
}

# The program's browser becomes a stand-in that notes each URL it is asked to open in
# $work_dir/opened.
browser_stand_in() {
    mkdir -p "$work_dir/bin"
    printf '#!/bin/sh\necho "$1" >>"%s"\n' "$work_dir/opened" >"$work_dir/bin/xdg-open"
    chmod +x "$work_dir/bin/xdg-open"
    export PROGRAM_PATH="$work_dir/bin:$PATH"
}

program_pid() { cat "$work_dir/$1.pid"; }

# Kills only this test's instance: other tests may run the program at the same time.
kill_program() {
    kill -KILL "$(program_pid "$1")" 2>/dev/null || true
    wait_until_ended "$1"
}

program_status() { cat "$work_dir/$1.status" 2>/dev/null || true; }
program_ended() { [[ -n $(program_status "$1") ]]; }

program_log() { cat "$work_dir/$1.log" 2>/dev/null || true; }

wait_until_ended() {
    local name=$1 seconds=${2:-30}
    wait_until "$seconds" test -s "$work_dir/$name.status" ||
        fail "$name did not end within $seconds s"
}

# Waits for the program to end and expects it to end well; what it said shows otherwise
# (a sanitizer's report, say).
expect_clean_end() {
    wait_until_ended "$1"
    [[ $(program_status "$1") == 0 ]] ||
        fail "$1 ended with $(program_status "$1"): $(program_log "$1" | tail -n 40)"
}

# The ids of the program's visible windows for one screen (frmMain, frmKarmicDebtNo,
# frmNagScreen2), by window role.
screen_windows() {
    local role=$1 id
    for id in $(xdotool search --onlyvisible --class '.' 2>/dev/null); do
        if xprop -id "$id" WM_WINDOW_ROLE 2>/dev/null | grep -q "= \"$role\"\$"; then
            echo "$id"
        fi
    done
    return 0
}

count_screens() { screen_windows "$1" | wc -l; }
screen_shown() { [[ -n $(screen_windows "$1") ]]; }
screen_gone() { [[ -z $(screen_windows "$1") ]]; }

# Prints the window of a screen, waiting up to a few seconds for it to show.
wait_for_screen() {
    local role=$1 seconds=${2:-30}
    wait_until "$seconds" screen_shown "$role" || return 1
    screen_windows "$role"
}

wait_for_screen_gone() { wait_until "${2:-30}" screen_gone "$1"; }

message_windows() { xdotool search --onlyvisible --name "$MESSAGE_TITLE" 2>/dev/null || true; }
count_messages() { message_windows | wc -l; }
message_shown() { [[ -n $(message_windows) ]]; }

# Prints the message box's window, waiting up to a few seconds for one.
wait_for_message() {
    wait_until "${1:-30}" message_shown || return 1
    message_windows
}

# Activates the window as a pager would. xdotool's --sync waits without end for a
# manager that refuses the activation (focus stealing prevention), so it gets a ceiling.
activate_window() { timeout 10 xdotool windowactivate --sync "$1" >/dev/null 2>&1 || true; }

# Activates the window and sends it real key presses.
press_keys() {
    local window=$1
    shift
    activate_window "$window"
    xdotool key --clearmodifiers "$@"
}

clipboard() { timeout 5 xclip -o -selection clipboard 2>/dev/null || true; }
clipboard_filled() { [[ -n $(clipboard) ]]; }
clipboard_empty() { [[ -z $(clipboard) ]]; }

# Copies the reading with the keyboard alone (the mouse would empty the clipboard) and
# prints its first line.
first_line_of_reading() {
    local window=$1
    press_keys "$window" Tab ctrl+a ctrl+c
    wait_until 30 clipboard_filled || true
    clipboard | head -n1
}

# Types ED KAY into the main screen, asks for the reading and prints the result screen's
# window.
show_reading_for_ed_kay() {
    local main
    main=$(wait_for_screen frmMain) || fail "no main screen"
    press_keys "$main" e d Tab Tab k a y alt+n
    wait_for_screen frmKarmicDebtNo || fail "no result screen"
}

# The same, printing the reading's first line; the program is left on the result screen.
reading_for_ed_kay() { first_line_of_reading "$(show_reading_for_ed_kay)"; }

# Moves the mouse across the reading box of the result screen, clicking in it when asked.
mouse_over_reading() {
    local window=$1 click=${2:-}
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 3)) ${click:+click 1}
    xdotool mousemove $((X + WIDTH / 2 + 7)) $((Y + HEIGHT / 3))
}

# Back on the result screen, waiting until the main screen has taken its place. As the
# program handles its events in order, everything sent before has been handled by then.
press_back() {
    press_keys "$1" alt+b
    wait_for_screen_gone frmKarmicDebtNo || fail "Back left the result screen up"
    wait_for_screen frmMain >/dev/null || fail "Back showed no main screen"
}

# True when the window as the user sees it, frame included, stands in the middle of the
# screen. Openbox here has no panels, so the whole screen is the available area.
frame_centred() {
    local window=$1 x y width height left right top bottom screen_width screen_height
    read -r x y width height < <(xwininfo -id "$window" | awk '
        /Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
        /Width:/ {w=$NF} /Height:/ {h=$NF} END {print x, y, w, h}')
    read -r left right top bottom < <(xprop -id "$window" _NET_FRAME_EXTENTS |
        sed -n 's/.*= *//; s/,/ /gp')
    [[ -n ${bottom:-} ]] || return 1
    read -r screen_width screen_height < <(xdotool getdisplaygeometry)
    local dx=$(((x - left) * 2 + left + width + right - screen_width))
    local dy=$(((y - top) * 2 + top + height + bottom - screen_height))
    echo "frame of $window: client $x,$y ${width}x$height, extents $left $right $top $bottom, off by $dx,$dy" >"$work_dir/last-frame"
    ((dx >= -2 && dx <= 2 && dy >= -2 && dy <= 2))
}

# The main screen's client area as WIDTH HEIGHT LEFT TOP, found by its light blue on a
# picture of the X display that a Wayland compositor draws into. Needs xwd and ImageMagick.
drawn_client_area() {
    xwd -root -silent | /usr/bin/convert xwd:- -fill black +opaque "rgb(124,165,231)" -trim \
        -format '%w %h %X %Y\n' info: 2>/dev/null | tr -d +
}

# Clicks the maximize button of the title bar Qt draws on Wayland over the program's main
# screen: the program must live on, at its size and place.
survives_qt_maximize_button() {
    local name=$1 width height left top
    # Drawn whole: 6405 twips wide, whatever the font. A window still being drawn would
    # put the button elsewhere, and the click could minimize it instead.
    main_drawn() { read -r width _ < <(drawn_client_area) && ((width == 427)); }
    wait_until 30 main_drawn || fail "on Wayland no main screen was drawn: $(program_log "$name")"
    read -r width height left top < <(drawn_client_area)
    # Qt's title bar: 30 pixels high, a 3-pixel border, the maximize button 40 pixels in
    # from the right edge and 15 down. Weston on X takes the pointer only as it enters its
    # window: a pointer already inside since Xvfb started moves nothing of Weston's, and
    # the click lands where Weston last saw it (on its panel's terminal launcher). So the
    # pointer leaves the window first.
    xdotool mousemove 0 0
    xdotool mousemove $((left + width + 3 - 40)) $((top - 15)) click 1
    ! wait_until 3 program_ended "$name" || fail "the maximize button ended the program: $(program_log "$name")"
    same_area() { [[ $(drawn_client_area) == "$width $height $left $top" ]]; }
    wait_until 30 same_area || fail "after maximize the screen is $(drawn_client_area), not $width $height $left $top"
}
