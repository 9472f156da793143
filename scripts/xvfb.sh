# Sourced by the end-to-end tests and the benchmarks: start_xvfb FOLDER [WIDTHxHEIGHT]
# starts an Xvfb (1280x1024 unless given) on a display number that the server picks
# itself (-displayfd), so two runs never race for one, and exports DISPLAY; XVFB_PID
# holds its process id.
# -noreset keeps the server from resetting when its last client leaves, which
# would drop the next client to connect.
start_xvfb() {
    local fifo=$1/xvfb-displayfd display
    rm -f "$fifo" && mkfifo "$fifo"
    Xvfb -displayfd 3 -noreset -screen 0 "${2:-1280x1024}x24" -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    XVFB_PID=$!
    read -r -t 15 display <"$fifo" || return 1
    export DISPLAY=":$display"
    xdpyinfo >/dev/null 2>&1
}
