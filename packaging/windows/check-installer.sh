#!/usr/bin/env bash
# Checks the installer under Wine, in a fresh Wine prefix of its own:
#   check-installer.sh SETUP.exe FOLDER
# FOLDER is the folder the installer was made from. A silent install for the
# user alone (the folder's files under %LOCALAPPDATA%\Programs\Scaffold, the
# Start menu entries, the uninstaller in the Apps list); a reinstall that
# keeps an edited word list and one that renews an unedited one; and
# uninstalls that leave nothing but an edited list behind.
set -euo pipefail
setup=$(realpath "$1")
folder=$(realpath "$2")
export WINEPREFIX
WINEPREFIX=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=C.UTF-8
wineboot -i >/dev/null 2>&1 || true
wineserver -w

failures=0
fail() {
    echo "check-installer: $*" >&2
    failures=$((failures + 1))
}
run() { # runs a Windows program and waits for all it started
    wine "$@" >/dev/null 2>&1 || fail "$* failed"
    wineserver -w
}
user=$(wine cmd /c 'echo %USERNAME%' 2>/dev/null | tr -d '\r')
home=$WINEPREFIX/drive_c/users/$user
dir=$home/AppData/Local/Programs/Scaffold
menu="$home/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Scaffold"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Scaffold'
list_of() { (cd "$1" && find . -type f ! -name uninstall.exe | sort); }

# A silent install puts in every file of the folder, and nothing else.
run "$setup" /S
[ -f "$dir/uninstall.exe" ] || fail "no uninstaller in $dir"
[ "$(list_of "$dir")" = "$(list_of "$folder")" ] ||
    fail "the installed files are not the folder's:"$'\n'"$(diff <(list_of "$folder") <(list_of "$dir") || true)"
for entry in Scaffold "Beginner words" "Intermediate words" "Advanced words"; do
    [ -f "$menu/$entry.lnk" ] || fail "no Start menu entry \"$entry\""
done
registry=$(wine reg query "$key" 2>/dev/null | tr -d '\r' || true)
for value in DisplayName DisplayVersion UninstallString QuietUninstallString InstallLocation; do
    grep -q "$value" <<<"$registry" || fail "the Apps entry has no $value"
done
grep -q 'AppData\\Local\\Programs\\Scaffold\\uninstall.exe' <<<"$registry" ||
    fail "the Apps entry does not name the uninstaller: $registry"

# A reinstall keeps a list the user edited...
printf '1\nwelkin=the sky\n' >"$dir/Vocabulary.txt"
run "$setup" /S
grep -q welkin "$dir/Vocabulary.txt" || fail "a reinstall replaced the edited Vocabulary.txt"
# ... and renews one the user did not.
cp "$dir/lists/intermediate.txt" "$dir/Vocabulary.txt"
printf 'stale\n' >>"$dir/lists/intermediate.txt"
cp "$dir/lists/intermediate.txt" "$dir/Vocabulary.txt"
run "$setup" /S
cmp -s "$dir/Vocabulary.txt" "$folder/Vocabulary.txt" || fail "a reinstall kept an unedited Vocabulary.txt"

# Uninstalling leaves nothing behind but an edited list...
printf '1\nwelkin=the sky\n' >"$dir/Vocabulary.txt"
run "$dir/uninstall.exe" /S
sleep 2
wineserver -w
left=$(cd "$dir" 2>/dev/null && find . -mindepth 1 | sort)
[ "$left" = "./Vocabulary.txt" ] || fail "uninstalling left behind: ${left:-nothing, not even the edited list}"
[ -e "$menu" ] && fail "uninstalling left the Start menu folder"
wine reg query "$key" >/dev/null 2>&1 && fail "uninstalling left the Apps entry"

# ... which a new install keeps; without one, nothing at all is left.
run "$setup" /S
grep -q welkin "$dir/Vocabulary.txt" || fail "an install replaced the edited list an uninstall had left"
cp "$dir/lists/intermediate.txt" "$dir/Vocabulary.txt"
run "$dir/uninstall.exe" /S
sleep 2
wineserver -w
[ -e "$dir" ] && fail "uninstalling left $(cd "$dir" && find . -mindepth 1 | tr '\n' ' ')"

[ $failures -eq 0 ] && echo "check-installer: the installer installs, keeps an edited list and uninstalls cleanly"
exit $((failures > 0))
