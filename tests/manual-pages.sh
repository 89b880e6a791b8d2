#!/bin/sh
# The manual page and the bash completion of ormix keep up with the command:
# every command and every option that `ormix help` shows is in both.
# Usage: manual-pages.sh ORMIX MANPAGE COMPLETION
set -u
ormix=$1 page=$2 completion=$3
missing=0

# The commands a help text lists under its Subcommands heading.
commands_of() {
  "$ormix" help "$@" | awk '/^Subcommands:/ { on = 1; next } on && /^  [a-z]/ { print $1 } on && /^$/ { on = 0 }'
}

say() {
  echo "$1"
  missing=1
}

check_command() {
  path="$*"
  name=$(echo "$path" | awk '{ print $NF }')
  grep -Eq "^\.(B|BI|BR) \"?$path( |\"|$)" "$page" || say "ormix.1 lacks the command '$path'"
  grep -Eq "(^|[ \"=(|])$name( |\"|\)|$)" "$completion" || say "the completion lacks the command '$path'"
  for option in $("$ormix" help "$@" | grep -oE -- '--[a-z][a-z-]*' | sort -u); do
    bare=${option#--}
    grep -Fq -- "\\-\\-$(echo "$bare" | sed 's/-/\\-/g')" "$page" ||
      say "ormix.1 lacks the option $option of '$path'"
    grep -Eq -- "$option( |\"|\)|$)" "$completion" ||
      say "the completion lacks the option $option of '$path'"
  done
}

top=$(commands_of)
[ -n "$top" ] || { echo "ormix help lists no commands"; exit 1; }
for command in $top; do
  [ "$command" = help ] && continue
  subs=$(commands_of "$command")
  if [ -n "$subs" ]; then
    for sub in $subs; do check_command "$command" "$sub"; done
  else
    check_command "$command"
  fi
done
[ $missing -eq 0 ] && echo "manual page and completion cover every command and option"
exit $missing
