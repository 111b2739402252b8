# start_xvfb DIR [XVFB_ARGUMENTS...]: a private X display, 1280x800, whose number the server
# chooses and writes to DIR/display (-displayfd), so no two displays contend for one.
# Exports DISPLAY and sets xvfb_pid; false when the server has not told its number within
# 30 s. Source this file.
start_xvfb() {
    local dir=$1 deadline=$((SECONDS + 30))
    shift
    rm -f "$dir/display"
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp "$@" 3>"$dir/display" 2>/dev/null &
    xvfb_pid=$!
    until [[ -s $dir/display ]]; do
        ((SECONDS < deadline)) || return 1
        sleep 0.05
    done
    export DISPLAY=":$(head -n1 "$dir/display")"
}
