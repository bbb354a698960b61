#!/usr/bin/env bash
# Keeps the bash completion and the man page of tavu-cli true to the program: every command
# and option its --help lists must be completed and named in the man page.
# Usage: cli_docs_test.sh <tavu-cli> <completion script> <man page>
set -uo pipefail
cli=$1 completion=$2 manpage=$3

# shellcheck disable=SC1091
source /usr/share/bash-completion/bash_completion
# shellcheck disable=SC1090
source "$completion"

status=0
fail() {
    echo "$*" >&2
    status=1
}

# Words completed after the given command words: complete "tavu-cli WORDS... <cur>".
completions() {
    local cur=$1
    shift
    COMP_WORDS=(tavu-cli "$@" "$cur")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMP_LINE="${COMP_WORDS[*]}"
    COMP_POINT=${#COMP_LINE}
    COMPREPLY=()
    _tavu_cli
    printf '%s\n' "${COMPREPLY[@]}"
}

subcommands() { "$cli" "$@" --help | sed -n '/^Subcommands:/,$p' | awk 'NR > 1 && /^  [a-z]/ { print $1 }'; }
options() { "$cli" "$@" --help | grep -oE '^  (-[a-z],)?--[a-z-]+' | sed 's/.*--/--/' | grep -vx -- --help; }

check_options() {
    local offered
    offered=$(completions - "$@")
    for option in $(options "$@"); do
        grep -qx -- "$option" <<<"$offered" || fail "completion of 'tavu-cli $*' lacks $option"
        grep -qF -- "${option//-/\\-}" "$manpage" || fail "the man page does not name $option"
    done
}

commands=$(subcommands)
[ -n "$commands" ] || fail "no commands read from tavu-cli --help"
offered=$(completions "")
check_options
for command in $commands; do
    grep -qx "$command" <<<"$offered" || fail "completion lacks the command $command"
    grep -qE "^\.B[R]? .*\b$command\b" "$manpage" || fail "the man page does not describe $command"
    modes=$(subcommands "$command")
    if [ -z "$modes" ]; then
        check_options "$command"
        continue
    fi
    for mode in $modes; do
        grep -qx "$mode" <<<"$(completions "" "$command")" || fail "completion lacks $command $mode"
        check_options "$command" "$mode"
    done
done
[ $status -eq 0 ] && echo "every command and option of tavu-cli is completed and documented"
exit $status
