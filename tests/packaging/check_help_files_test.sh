#!/bin/sh
# The help file check itself: it passes a good file and refuses each kind of
# bad one with its own message, so that a check that lets everything through
# cannot pass unnoticed.
#
#   check_help_files_test.sh PATH/TO/check_help_files.sh

checker=$1
if [ ! -f "$checker" ]; then
  echo "usage: check_help_files_test.sh PATH/TO/check_help_files.sh" >&2
  exit 2
fi

LC_ALL=C
export LC_ALL
work=$(mktemp -d) || exit 2
trap 'rm -rf "$work"' EXIT

passed=0
failed=0

# expect NAME STATUS TEXT: the checker on NAME exits STATUS and, when TEXT is
# not empty, prints TEXT.
expect() {
  output=$(sh "$checker" "$work" "$1" 2>&1)
  status=$?
  if [ "$status" -ne "$2" ]; then
    echo "FAILED $1: exit $status, expected $2; output: $output"
    failed=$((failed + 1))
  elif [ -n "$3" ] && ! printf '%s\n' "$output" | grep -F -q -- "$3"; then
    echo "FAILED $1: the output lacks \"$3\"; output: $output"
    failed=$((failed + 1))
  else
    passed=$((passed + 1))
  fi
}

long=$(printf '%079d' 0)
edge=$(printf '%078d' 0)

printf 'HELP\r\n\r\nA line of text.\r\n%s\r\n' "$edge" >"$work/GOOD.HLP"
printf 'HELP\r\nA line\nnext\r\n' >"$work/LF.HLP"
printf 'HELP\r\n%s\r\n' "$long" >"$work/LONG.HLP"
printf 'Caf\351\r\n' >"$work/LATIN1.HLP"
printf 'a\tb\r\n' >"$work/TAB.HLP"
printf 'page\r\n\014\r\n' >"$work/FORMFEED.HLP"
printf 'one\rtwo\r\n' >"$work/CR.HLP"
printf 'HELP\r\nno end' >"$work/NOEND.HLP"
: >"$work/EMPTY.HLP"

expect GOOD.HLP 0 "help files OK"
expect LF.HLP 1 "line 2: LF without CR"
expect LONG.HLP 1 "line(length) 2(79): longer than 78 characters"
expect LATIN1.HLP 1 "line 1: a character that is not printable ASCII"
expect TAB.HLP 1 "line 1: a character that is not printable ASCII"
expect FORMFEED.HLP 1 "line 2: a character that is not printable ASCII"
expect CR.HLP 1 "line 1: a CR inside a line"
expect NOEND.HLP 1 "the last line has no CR LF"
expect EMPTY.HLP 1 "empty"
expect MISSING.HLP 1 "missing"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
