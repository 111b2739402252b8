# Helpers for tests that drive the real program on a private X display with a window
# manager, using real key events. Source this file; it cleans up after itself.
set -euo pipefail

PROGRAM=${1:?path to the program}
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY

MAIN_TITLE='^Nuvra Karmic Debt Number v1\.90$'
MESSAGE_TITLE='^Nuvra Karmic Debt Number$'

declare -a background_pids=()
work_dir=$(mktemp -d)

cleanup() {
    local pid
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

start_display() {
    local number_file="$work_dir/display"
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$number_file" 2>/dev/null &
    background_pids+=($!)
    for _ in $(seq 100); do
        [[ -s "$number_file" ]] && break
        sleep 0.1
    done
    [[ -s "$number_file" ]] || fail "Xvfb did not start"
    export DISPLAY=":$(head -n1 "$number_file")"
    openbox --sm-disable >/dev/null 2>&1 &
    background_pids+=($!)
    sleep 0.5
}

# start_program NAME: starts the program in the background; its exit status, when it
# ends, goes to $work_dir/NAME.status. PROGRAM_PATH, when set, is the program's PATH.
start_program() {
    local name=$1
    (
        set +e
        env PATH="${PROGRAM_PATH:-$PATH}" "$PROGRAM" >"$work_dir/$name.log" 2>&1 &
        echo $! >"$work_dir/$name.pid"
        wait $!
        echo $? >"$work_dir/$name.status"
    ) &
    background_pids+=($!)
    for _ in $(seq 50); do
        [[ -s "$work_dir/$name.pid" ]] && break
        sleep 0.05
    done
    background_pids+=("$(program_pid "$name")")
}

program_pid() { cat "$work_dir/$1.pid"; }

# Kills only this test's instance: other tests may run the program at the same time.
kill_program() {
    kill -KILL "$(program_pid "$1")" 2>/dev/null || true
    wait_until_ended "$1"
}

program_status() { cat "$work_dir/$1.status" 2>/dev/null || true; }

program_log() { cat "$work_dir/$1.log" 2>/dev/null || true; }

wait_until_ended() {
    local name=$1 seconds=${2:-15}
    for _ in $(seq $((seconds * 10))); do
        [[ -s "$work_dir/$name.status" ]] && return 0
        sleep 0.1
    done
    fail "$name did not end within $seconds s"
}

# Prints the ids of the windows whose title matches, waiting up to a few seconds for one.
wait_for_window() {
    local title=$1 seconds=${2:-15} ids
    for _ in $(seq $((seconds * 10))); do
        ids=$(xdotool search --onlyvisible --name "$title" 2>/dev/null || true)
        if [[ -n "$ids" ]]; then
            echo "$ids"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

count_windows() { xdotool search --onlyvisible --name "$1" 2>/dev/null | wc -l; }

# Activates the window and sends it real key presses.
press_keys() {
    local window=$1
    shift
    xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
    xdotool key --clearmodifiers "$@"
}

clipboard() { timeout 5 xclip -o -selection clipboard 2>/dev/null || true; }

# Copies the reading with the keyboard alone (the mouse would empty the clipboard) and
# prints its first line.
first_line_of_reading() {
    local window=$1
    press_keys "$window" Tab ctrl+a ctrl+c
    sleep 0.3
    clipboard | head -n1
}

# Types ED KAY into the main screen, asks for the reading and prints the result screen's
# window.
show_reading_for_ed_kay() {
    local main
    main=$(wait_for_window "$MAIN_TITLE") || fail "no main screen"
    press_keys "$main" e d Tab Tab k a y alt+n
    sleep 1
    wait_for_window "$MAIN_TITLE" || fail "no result screen"
}

# The same, printing the reading's first line; the program is left on the result screen.
reading_for_ed_kay() { first_line_of_reading "$(show_reading_for_ed_kay)"; }

# Moves the mouse across the reading box of the result screen, clicking in it when asked.
mouse_over_reading() {
    local window=$1 click=${2:-}
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 3)) ${click:+click 1}
    xdotool mousemove $((X + WIDTH / 2 + 7)) $((Y + HEIGHT / 3))
    sleep 0.3
}
