#!/usr/bin/env bash
# Starts the real program on a private Xvfb display and checks that its
# window's class (WM_CLASS) is the StartupWMClass of the desktop entry, so
# that a dock matches the window to its launcher.
#   check-window-class.sh PROGRAM DESKTOP_ENTRY
# Exits 77 (skipped) where Xvfb or the X11 utilities are not installed.
set -u
program=$1
entry=$2
for tool in Xvfb xwininfo xprop; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed"; exit 77; }
done
expected=$(sed -n 's/^StartupWMClass=//p' "$entry")
[ -n "$expected" ] || { echo "$entry has no StartupWMClass"; exit 1; }

# Xvfb picks a free display itself and writes its number to fd 3 once it
# accepts connections.
displayfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$displayfile" >/dev/null 2>&1 &
xvfb=$!
program_pid=
trap 'kill $program_pid $xvfb 2>/dev/null; wait 2>/dev/null; rm -f "$displayfile"' EXIT
for _ in $(seq 50); do [ -s "$displayfile" ] && break; sleep 0.1; done
[ -s "$displayfile" ] || { echo "Xvfb reported no display"; exit 1; }
export DISPLAY=:$(head -n1 "$displayfile")
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

"$program" >/dev/null 2>&1 &
program_pid=$!
window=
for _ in $(seq 100); do
    window=$(xwininfo -root -tree 2>/dev/null | awk '/"Scaffold"/ { print $1; exit }')
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "the program showed no window named Scaffold"; exit 1; }
# WM_CLASS(STRING) = "instance", "class"
class=$(xprop -id "$window" WM_CLASS | sed -n 's/.*= ".*", "\(.*\)"$/\1/p')
if [ "$class" != "$expected" ]; then
    echo "the window's class is \"$class\", the desktop entry's StartupWMClass \"$expected\""
    exit 1
fi
echo "window class $class matches the desktop entry"
