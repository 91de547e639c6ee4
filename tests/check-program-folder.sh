#!/bin/sh
# Two sibling folders, each with the checker and a list, whose names differ in
# one byte: one holds a byte that is no UTF-8 character, the other the bytes
# of U+FFFD, which is what that byte reads as. The checker in the first must
# not check the second's list.
#   check-program-folder.sh PATH-TO-scaffold-check
set -eu
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
invalid="$work/list$(printf '\377')"
lookalike="$work/list$(printf '\357\277\275')"
mkdir "$invalid" "$lookalike"
cp "$1" "$invalid/scaffold-check"
cp "$1" "$lookalike/scaffold-check"
printf '1\napple=a sweet fruit that grows on trees\n' > "$invalid/Vocabulary.txt"
printf '1\nnot a word list entry\n' > "$lookalike/Vocabulary.txt"
status=0
"$invalid/scaffold-check" > "$work/out" 2>&1 || status=$?
if grep -q 'not a word list entry' "$work/out"; then
    echo "FAIL: the checker read the other folder's list:"; cat "$work/out"; exit 1
fi
# Its own list, read through the name the system gave, or a plain refusal.
if [ "$status" -ne 0 ] && [ "$status" -ne 2 ]; then
    echo "FAIL: exit status $status:"; cat "$work/out"; exit 1
fi
cat "$work/out"
