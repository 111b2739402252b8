#!/usr/bin/env bash
# The road through the screens on the desktops people run, each under its own window
# manager: a reading, Back, File > Exit and the farewell screen's Exit. On every desktop no
# hidden screen reaches the screen, a screen shown again stands where it stood, the fixed
# size outlasts full screen, and the farewell screen stays above a window activated over it.
# Usage: desktops.sh PROGRAM DESKTOP, the desktop being openbox, mutter (GNOME on Xorg),
# mutter-wayland (GNOME on Wayland: its Xwayland, and Wayland itself), kwin (KDE on X11),
# kwin-wayland (KDE on Wayland: its Xwayland), xfwm4 (XFCE) or sway (its Xwayland, and
# Wayland itself).
source "$(dirname "$0")/lib.sh"
desktop=${2:?which desktop}
needs wmctrl xlogo
title=${NUVRA_SCREEN_TITLE:?the screens caption, which ctest gives}

# The client area as x y width height on the root window.
client_area() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
        /Width:/ {w=$NF} /Height:/ {h=$NF} END {print x, y, w, h}'
}

# True when window $1 stands above window $2 in the window manager's stacking order.
stacked_above() {
    local window index=0 above=-1 below=-1
    for window in $(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,//g'); do
        ((window == $1)) && above=$index
        ((window == $2)) && below=$index
        index=$((index + 1))
    done
    ((below >= 0 && above > below))
}

# x11_road [sway]: sway places its floating windows itself, draws no X11 frames and keeps
# no X11 window above another, so there neither the centring nor the stacking is checked.
x11_road() {
    local on_sway=${1:-} main result farewell stood
    start_program road
    main=$(wait_for_screen frmMain) || fail "no main screen on $DISPLAY: $(program_log road) $(tail -n 5 "$work_dir/wm.log" 2>/dev/null)"
    [[ -n $on_sway ]] || wait_until 30 frame_centred "$main" ||
        fail "the main screen is not centred: $(cat "$work_dir/last-frame")"
    stood=$(client_area "$main")

    wmctrl -i -r "$main" -b add,fullscreen
    sleep 0.5 # the request's round trip; what follows waits on the outcome
    as_it_stood() { [[ $(client_area "$main") == "$stood" && $(xprop -id "$main" _NET_WM_STATE) != *FULLSCREEN* ]]; }
    wait_until 30 as_it_stood || fail "full screen was not undone: $(client_area "$main"), not $stood"

    result=$(show_reading_for_ed_kay)
    press_back "$result"
    ! wait_until 2 screen_shown frmNagScreen2 || fail "Back put the farewell screen on the screen"
    main=$(wait_for_screen frmMain)
    wait_until 30 as_it_stood || fail "after Back the main screen is at $(client_area "$main"), not $stood"

    press_keys "$main" alt+f x
    farewell=$(wait_for_screen frmNagScreen2) || fail "File > Exit showed no farewell screen"
    [[ -n $on_sway ]] || farewell_stays_above "$farewell"
    press_keys "$farewell" alt+x
    expect_clean_end road
}

farewell_stays_above() {
    local farewell=$1 logo
    xlogo -bg red -geometry 1000x700+0+0 &
    background_pids+=($!)
    logo_window() { xdotool search --onlyvisible --class xlogo 2>/dev/null | head -n1; }
    logo_shown() { [[ -n $(logo_window) ]]; }
    wait_until 30 logo_shown || fail "no window to activate over the farewell screen"
    logo=$(logo_window)
    activate_window "$logo"
    wait_until 30 stacked_above "$farewell" "$logo" || fail "the farewell screen went below $(xprop -root _NET_CLIENT_LIST_STACKING)"
}

# sway runs only for an unprivileged user: as root, it and its clients run as nobody.
sway_road() {
    needs sway swaymsg jq xhost setpriv
    local run_as=() home=$work_dir/sway
    mkdir -p "$home/runtime"
    chmod 755 "$work_dir" "$home"
    chmod 700 "$home/runtime"
    if (($(id -u) == 0)); then
        chown -R nobody:nogroup "$home"
        run_as=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
    fi
    local runtime=$home/runtime
    # The tests activate windows as a pager would; sway would only mark them urgent.
    printf '%s\n' 'xwayland enable' 'focus_on_window_activation focus' \
        "exec sh -c 'echo \$DISPLAY >$runtime/x-display'" >"$home/config"
    local user_env=("${run_as[@]}" env HOME="$home" XDG_RUNTIME_DIR="$runtime"
        XDG_CONFIG_HOME="$home" WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1
        WLR_RENDERER=pixman)
    as_user() { "${user_env[@]}" "$@"; }
    in_own_group "${user_env[@]}" sway -c "$home/config" >"$work_dir/sway.log" 2>&1
    ipc_socket() { compgen -G "$runtime/sway-ipc.*.sock" | head -n1; }
    sway_ready() { [[ -s $runtime/x-display && -n $(ipc_socket) ]]; }
    wait_until 30 sway_ready ||
        fail "sway did not start: $(cat "$work_dir/sway.log")"
    local socket
    socket=$(ipc_socket)
    sway_says() { as_user swaymsg -s "$socket" "$@"; }
    # The program's window as "WIDTHxHEIGHT FULLSCREEN" while it floats; nothing while not.
    floating() {
        sway_says -t get_tree | jq -r --arg title "$title" 'first(.. | objects
            | select(.type? == "floating_con" and .name? == $title)
            | "\(.window_rect.width)x\(.window_rect.height) \(.fullscreen_mode)") // empty'
    }
    local platform size
    program_runner=("${user_env[@]}")
    for platform in xcb wayland; do
        WAYLAND_DISPLAY=wayland-1 DISPLAY="$(cat "$runtime/x-display")" \
            QT_QPA_PLATFORM=$platform start_program "$platform"
        floats() { [[ -n $(floating) ]]; }
        wait_until 30 floats || fail "on $platform the main screen does not float: $(program_log "$platform")"
        size=$(floating)
        floats_at() { [[ $(floating) == "$1" ]]; }
        for change in "resize set 700 500" "fullscreen enable" "resize set 640 480"; do
            sway_says "[title=\"^$title\$\"] $change" >/dev/null
            sleep 0.5
            wait_until 30 floats_at "$size" || fail "on $platform \"$change\" was not undone: $(floating), not $size"
        done
        ! program_ended "$platform" || fail "on $platform the program ended: $(program_log "$platform")"
        kill_program "$platform"
    done
    # The road through sway's Xwayland, which lets this user's tools in.
    export DISPLAY
    DISPLAY=$(cat "$runtime/x-display")
    as_user xhost "+si:localuser:$(id -un)" >/dev/null
    x11_road sway
}

# GNOME on Wayland: X clients go to its Xwayland; Wayland clients get the title bar Qt draws.
gnome_on_wayland() {
    needs xwd /usr/bin/convert
    start_display mutter-wayland
    local outer=$DISPLAY
    export DISPLAY=":$(sed -n 's/.*Using public X11 display :\([0-9]*\).*/\1/p' "$work_dir/wm.log")"
    export XAUTHORITY
    XAUTHORITY=$(compgen -G "$XDG_RUNTIME_DIR/.mutter-Xwaylandauth.*" | head -n1)
    x11_road
    WAYLAND_DISPLAY=nuvra-gnome QT_QPA_PLATFORM=wayland DISPLAY= start_program alone
    DISPLAY=$outer survives_qt_maximize_button alone
    kill_program alone
}

# KDE on Wayland, headless, with its Xwayland. kwin_wayland carries a file capability that a
# container refuses to grant, and a plain copy of it runs.
kde_on_wayland() {
    needs kwin_wayland dbus-run-session
    cp "$(command -v kwin_wayland)" "$work_dir/kwin_wayland"
    # KWin starts the programs it is given once Xwayland is up, with DISPLAY set to it.
    printf '#!/bin/sh\necho "$DISPLAY" >%s/x-display\n' "$work_dir" >"$work_dir/report-display"
    chmod +x "$work_dir/report-display"
    in_own_group dbus-run-session -- "$work_dir/kwin_wayland" --virtual --xwayland \
        --socket nuvra-kde --width 1280 --height 800 "$work_dir/report-display" \
        >"$work_dir/wm.log" 2>&1
    kwin_ready() { [[ -s $work_dir/x-display ]] && DISPLAY=$(cat "$work_dir/x-display") window_manager_running; }
    wait_until 60 kwin_ready || fail "kwin_wayland did not start: $(cat "$work_dir/wm.log")"
    export DISPLAY
    DISPLAY=$(cat "$work_dir/x-display")
    x11_road
}

case $desktop in
sway) sway_road ;;
kwin-wayland) kde_on_wayland ;;
mutter-wayland) gnome_on_wayland ;;
*)
    start_display "$desktop"
    x11_road
    ;;
esac
echo "$desktop: all checks passed"
