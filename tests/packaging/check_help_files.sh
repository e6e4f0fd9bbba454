#!/bin/sh
# Checks the delivered help files as the help window shows them: each named
# file exists in DIR, is not empty, is plain printable ASCII, ends every line
# (the last one too) with CR LF, and has no line longer than 78 characters.
#
#   check_help_files.sh DIR NAME...
#
# Prints one line per fault ("FILE:LINE: what is wrong") and exits 1 when
# there is any; exits 2 when it is called wrongly.

max_length=78

if [ "$#" -lt 2 ]; then
  echo "usage: check_help_files.sh DIR NAME..." >&2
  exit 2
fi
dir=$1
shift
if [ ! -d "$dir" ]; then
  echo "check_help_files.sh: $dir is not a folder" >&2
  exit 2
fi

LC_ALL=C
export LC_ALL
cr=$(printf '\r')
faults=0

fault() {
  echo "$1"
  faults=$((faults + 1))
}

# The first five line numbers of grep -n output, as "3, 7, 12".
line_numbers() {
  cut -d: -f1 | head -n 5 | paste -s -d, - | sed 's/,/, /g'
}

for name in "$@"; do
  file=$dir/$name
  if [ ! -f "$file" ]; then
    fault "$file: missing"
    continue
  fi
  if [ ! -s "$file" ]; then
    fault "$file: empty"
    continue
  fi

  # Any byte outside blank..tilde, other than the CR of a line end: tabs,
  # form feeds, other control characters and every byte above 127.
  bad=$(grep -a -n "[^ -~$cr]" "$file" | line_numbers)
  [ -n "$bad" ] && fault "$file: line $bad: a character that is not printable ASCII"

  # A CR anywhere but just before the LF.
  bad=$(grep -a -n "$cr." "$file" | line_numbers)
  [ -n "$bad" ] && fault "$file: line $bad: a CR inside a line"

  # Lines whose LF has no CR before it.
  bad=$(grep -a -n -v "$cr\$" "$file" | line_numbers)
  [ -n "$bad" ] && fault "$file: line $bad: LF without CR (line ends must be CR LF)"

  # The last line must be ended too.
  if [ "$(tail -c 1 "$file" | od -An -tx1 | tr -d ' \n')" != "0a" ]; then
    fault "$file: the last line has no CR LF"
  fi

  bad=$(awk -v max="$max_length" '
    { sub(/\r$/, ""); if (length($0) > max) { printf "%s%d(%d)", sep, NR, length($0); sep = ", " } }
  ' "$file" | head -c 200)
  [ -n "$bad" ] && fault "$file: line(length) $bad: longer than $max_length characters"
done

if [ "$faults" -gt 0 ]; then
  echo "$faults fault(s) in the help files of $dir"
  exit 1
fi
echo "help files OK: $*"
exit 0
