#!/bin/sh
# Builds data/thelists.dat (Windows-1252, CR LF) from tools/wordlists.txt.
# Usage: tools/make_lists.sh [output-file]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
out=${1:-"$here/../data/thelists.dat"}
tmp=$(mktemp)
trap 'rm -f "$tmp"' EXIT

awk '
    /^[ \t]*(#|$)/ { next }
    /^\[.*\]$/ {
        if (lists > 0) {
            if (pairs == 0) { print "list \"" name "\" has no words" > "/dev/stderr"; exit 1 }
            print "<New List>"
        }
        name = substr($0, 2, length($0) - 2); print name; lists++; pairs = 0; next
    }
    {
        sep = index($0, " | ")
        if (lists == 0 || sep == 0) { print "line " NR ": expected \"word | meaning\"" > "/dev/stderr"; exit 1 }
        print substr($0, 1, sep - 1); print substr($0, sep + 3); pairs++
    }
    END { if (pairs == 0) { print "last list has no words" > "/dev/stderr"; exit 1 } }
' "$here/wordlists.txt" > "$tmp"

# iconv fails on any character that Windows-1252 cannot hold.
iconv -f UTF-8 -t WINDOWS-1252 "$tmp" | sed 's/$/\r/' > "$out"
echo "wrote $out"
