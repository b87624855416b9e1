#!/bin/sh
# Checks that the libraries depend one way only: no folder includes a header of
# a layer above it, and nothing below quillet_gui includes a Widgets header.
#   check-layers.sh [SOURCE_DIR [QTWIDGETS_INCLUDE_DIR]]
# Prints every offending line and exits 1 when there is one.
set -eu
root=${1:-$(dirname "$0")/..}
widgets_dir=${2:-}
cd "$root"

status=0
include='^[[:space:]]*#[[:space:]]*include[[:space:]]*'

# offenders DIR PATTERN: the include lines of DIR's sources matching PATTERN.
offenders() {
    [ -d "$1" ] || return 0
    grep -rnE --include='*.h' --include='*.cpp' "$include$2" "$1" || true
}

# forbid DIR LAYER...: DIR includes nothing from these folders.
forbid() {
    dir=$1
    shift
    found=$(offenders "$dir" "\"($(echo "$@" | tr ' ' '|'))/")
    if [ -n "$found" ]; then
        echo "$dir/ includes from a layer it must not use ($*):"
        echo "$found"
        status=1
    fi
}

above_all="tools bench tests"
forbid data services cloud ui app server $above_all
forbid services cloud ui app server $above_all
forbid cloud ui app server $above_all
forbid ui server $above_all
forbid app server $above_all
forbid tools/cli ui app server bench tests
forbid server data services cloud ui app $above_all

# Below quillet_gui (and in the programs that do without it) no Widgets header.
if [ -n "$widgets_dir" ] && [ -d "$widgets_dir" ]; then
    names=$(ls "$widgets_dir" | grep -E '^(Q[A-Za-z0-9]+|q[a-z0-9_]+\.h)$' | sed 's/\./\\./' | tr '\n' '|')
    pattern="<(QtWidgets[/>]|(${names%|})>)"
    for dir in data services cloud tools/cli server; do
        found=$(offenders "$dir" "$pattern")
        if [ -n "$found" ]; then
            echo "$dir/ includes a Widgets header:"
            echo "$found"
            status=1
        fi
    done
else
    echo "check-layers: no QtWidgets include folder given; Widgets headers not checked" >&2
fi

exit $status
