#!/bin/sh
# Usage: end_to_end.sh PREFIX, where PREFIX holds the result of `cmake --install`.
# Drives PREFIX/bin/angulor as a user would, from the keyboard, on an X server of its own with a
# window manager: converts one radian and reads the result back from the clipboard, holds Space
# down on a button, opens the help and copies its text, closes the main window and then the catalogue that
# appears, and expects the process to end with status 0. Exit status 77: no X server to be had.
set -u
if [ -z "${ANGULOR_E2E_DISPLAY:-}" ]; then
    command -v xvfb-run >/dev/null || { echo "SKIPPED: no xvfb-run (./test installs it)"; exit 77; }
    ANGULOR_E2E_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$0" "$@"
fi
prefix=$(readlink -f "$1")
work=$(mktemp -d)
app= wm= guard=
trap 'kill -9 $app $wm $guard 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAILED: $*"; exit 1; }
# Polls the command until it succeeds, for up to 20 s.
wait_for() {
    what=$1; shift
    for _ in $(seq 200); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
    fail "timed out waiting for $what"
}
window() { xdotool search --all --onlyvisible --pid "$app" --name "^$1\$" | head -n 1 | grep .; }
clipboard() { xclip -o -selection clipboard -t UTF8_STRING 2>/dev/null | tr -d '\r'; }
hidden() { ! window "$1"; }
# Presses Copy output, 12 steps after the radians field in the keyboard order, again until the
# clipboard changes (a conversion still on its way is then in it); the caret is back in the
# radians afterwards.
copy_output() {
    before=$(clipboard)
    for _ in $(seq 15); do
        xdotool key --delay 30 $(printf 'Tab %.0s' $(seq 12)) space
        for _ in $(seq 10); do [ "$(clipboard)" != "$before" ] && return 0; sleep 0.1; done
    done
    fail "the clipboard did not change"
}

openbox --sm-disable >/dev/null 2>&1 & wm=$!
wait_for "the window manager" wmctrl -m
# Started from elsewhere, through the link, so the help must come from beside the program.
(cd "$work" && HOME="$work" XDG_RUNTIME_DIR="$work" LC_ALL=C.UTF-8 LANGUAGE=C QT_QPA_PLATFORM=xcb exec "$prefix/bin/angulor") & app=$!
wait_for "the main window" window "Angulor 4.00"
main=$(window "Angulor 4.00")
# The desktop entry's StartupWMClass, and the program's own smallest icon.
xprop -id "$main" WM_CLASS | grep -q '"angulor"' || fail "WM_CLASS is not angulor"
xprop -id "$main" _NET_WM_ICON | grep -q "Icon (16 x 16)" || fail "no 16 pixel window icon"

xdotool windowactivate --sync "$main"
line='1.000000 radians = 57° 17'"'"' 45"'
xdotool type 1; xdotool key Return
copy_output
[ "$(clipboard)" = "$line" ] || fail "the clipboard holds '$(clipboard)', not '$line'"
# Held down on the Radians to degrees button, Space repeats: the X server sends each repeat as a
# release and a press while the key is down. It clicks once all the same.
xdotool key --delay 30 Tab Tab Tab Tab
xdotool keydown space; sleep 1.5; xdotool keyup space
xdotool key --delay 30 shift+Tab shift+Tab shift+Tab shift+Tab
copy_output
[ "$(clipboard)" = "$(printf '%s\n%s' "$line" "$line")" ] ||
    fail "after a held Space the clipboard holds '$(clipboard)'"

xdotool key --delay 30 $(printf 'Tab %.0s' $(seq 18)) space
wait_for "the help window" window "Help for ANG"
xdotool key ctrl+a ctrl+c
# The whole file: it is far below the viewer's bound.
help=$(iconv -f CP1252 -t UTF-8 "$prefix/lib/angulor/ang_help.txt" | tr -s '[:space:]' ' ')
help_copied() { [ "$(clipboard | tr -s '[:space:]' ' ')" = "$help" ]; }
wait_for "the help text on the clipboard" help_copied

wmctrl -i -c "$main"
wait_for "the catalogue" window "Quevrin Systems Software"
wait_for "the main window to hide" hidden "Angulor 4.00"
wmctrl -i -c "$(window "Quevrin Systems Software")"
# A guard of its own output, so that ctest does not wait for it.
(sleep 20; kill -9 "$app") >/dev/null 2>&1 & guard=$!
wait "$app" || fail "the program ended with status $? (137: still running after 20 s)"
echo "end-to-end run passed"
