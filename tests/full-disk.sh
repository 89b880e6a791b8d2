#!/bin/sh
# Runs an ormix command as on a full disk: every write past 20 KB fails. Its
# working directory DIR is made afresh. Prints the command's output, then
# "full-disk: ok" when it exited with status 1 and left no dump file (nor a
# partial one) in DIR.
dir=$1
shift
rm -rf "$dir" && mkdir -p "$dir" || exit 2
(trap '' XFSZ; ulimit -f 20; exec "$@" 2>&1)
status=$?
left=$(ls -A "$dir")
if [ "$status" -eq 1 ] && [ -z "$left" ]; then
    echo "full-disk: ok"
else
    echo "full-disk: exit status $status, left in $dir: $left"
fi
