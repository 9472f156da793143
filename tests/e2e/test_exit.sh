#!/usr/bin/env bash
# The road out: closing the main window leaves the exit window on top and the
# program running; the referral form hands the browser one address whose values
# decode to what was typed; closing the exit window by either road ends the
# program with status 0.
source "$(dirname "$0")/lib.sh" "$1"
e2e_start_x

# Sends the window the close request that a window manager's close box sends.
cat > "$E2E_DIR/close_box.py" <<'PY'
import ctypes, sys
x = ctypes.cdll.LoadLibrary("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XOpenDisplay.argtypes = [ctypes.c_char_p]
x.XInternAtom.restype = ctypes.c_ulong
x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5)]
class XEvent(ctypes.Union):
    _fields_ = [("xclient", ClientMessage), ("pad", ctypes.c_long * 24)]
x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                         ctypes.POINTER(XEvent)]
# Without these the display pointer would be passed as a 32-bit int.
x.XCloseDisplay.argtypes = [ctypes.c_void_p]
display = x.XOpenDisplay(None)
if not display:
    sys.exit("no display")
event = XEvent()
event.xclient.type = 33  # ClientMessage
event.xclient.window = int(sys.argv[1])
event.xclient.message_type = x.XInternAtom(display, b"WM_PROTOCOLS", 0)
event.xclient.format = 32
event.xclient.data[0] = x.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
if not x.XSendEvent(display, event.xclient.window, 0, 0, ctypes.byref(event)):
    sys.exit("the close request could not be sent")
x.XCloseDisplay(display)  # sends what is buffered
PY
close_box() { /usr/bin/python3 "$E2E_DIR/close_box.py" "$1"; }

type_text() { xdotool type --delay 60 "$1"; }
# xdotool types a character missing from the keymap by remapping a key for a
# moment, which a busy program may read after the mapping is gone: give "ö" a
# key of its own before the program starts.
xmodmap -e 'keycode 93 = odiaeresis Odiaeresis' 

# --- First run: File > Exit, the referral form, then the exit window's close box.
app_start
main_window=$(wait_for_window "Velloran v1.95") || fail "the main window did not appear"
send_keys "$main_window" alt+f x
exit_window=$(wait_for_other_window "$main_window") || fail "no exit window after File > Exit"
sleep 0.5
kill -0 "$APP_PID" || fail "closing the main window ended the program"
[[ $(count_windows "Velloran v1.95") -eq 1 ]] || fail "more than the exit window is visible"
xprop -id "$exit_window" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE \
    || fail "the exit window is not kept on top"

# Keyboard only: Exit has the focus; three tabs reach the name box.
send_keys "$exit_window" Tab Tab Tab
type_text 'Ann & Bo=1 #x&taf5=eve@else.example'
xdotool key Tab Tab
type_text 'ann@exa'
# A typed space is refused with a message; the box keeps its text and the focus.
xdotool key space
message_box=$(wait_for_window "Velloran") || fail "a space in the e-mail box was not refused"
send_keys "$message_box" Return
sleep 0.5
send_keys "$exit_window" End
type_text 'mple.org'
xdotool key Tab
type_text 'bo@example.org'
xdotool key Tab
type_text 'Bö Lee'
# The hidden message box: replace its text with two lines.
xdotool key Tab ctrl+a
type_text '50% off'
xdotool key Return
type_text 'bye'
xdotool key alt+n
wait_for_opened 1 || fail "Refer A Friend Now opened nothing"
sleep 0.5
[[ $(wc -l < "$OPENED") -eq 1 ]] || fail "more than one address: $(cat "$OPENED")"

# Decoded as a server does, every parameter is exactly what was typed.
/usr/bin/python3 - "$(head -n 1 "$OPENED")" <<'PY' || fail "the referral address is wrong: $(cat "$OPENED")"
import sys
from urllib.parse import unquote, urlsplit
address = sys.argv[1]
parts = urlsplit(address)
assert parts.scheme == "http" and parts.path == "/velloran/ssd.php", address
assert parts.fragment == "" and " " not in address, address
pairs = [item.split("=", 1) for item in parts.query.split("&")]
got = [(name, unquote(value, encoding="utf-8", errors="strict")) for name, value in pairs]
folder = "http://" + parts.netloc + "/velloran/"
expected = [
    ("page", "kzlt-refer-a-friend"),
    ("taf1", "Ann & Bo=1 #x&taf5=eve@else.example"),
    ("taf2", "ann@example.org"),
    ("taf3", "50% off\r\nbye"),
    ("taf4", "B\u00f6 Lee"),
    ("taf5", "bo@example.org"),
    ("taf6", folder),
]
if got != expected:
    sys.exit("got %r" % got)
PY

kill -0 "$APP_PID" || fail "sending the referral ended the program"
[[ $(count_windows "Velloran v1.95") -eq 1 ]] || fail "the exit window did not stay open"
close_box "$exit_window"
expect_status_zero "the exit window's close box"

# --- Second run: the main window's close box, then the exit window's E&xit.
: > "$OPENED"
app_start
main_window=$(wait_for_window "Velloran v1.95") || fail "the main window did not appear again"
close_box "$main_window"
exit_window=$(wait_for_other_window "$main_window") || fail "no exit window after the close box"
sleep 0.3
kill -0 "$APP_PID" || fail "the main window's close box ended the program"
send_keys "$exit_window" alt+x
expect_status_zero "the E&xit button"
[[ ! -s "$OPENED" ]] || fail "leaving opened a page: $(cat "$OPENED")"
echo "exit: passed"
