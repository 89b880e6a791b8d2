#!/bin/sh
# Runs a command and succeeds when it exits with the expected status.
expected=$1
shift
"$@" >/dev/null 2>&1
status=$?
[ "$status" -eq "$expected" ] && exit 0
echo "exit status $status, expected $expected" >&2
exit 1
