#!/bin/bash
# The layering of src/, as the build cannot see it: a logic file (anything outside the ui/
# folders and app/) includes no window header and no header of Qt's GUI modules, and no folder
# includes a folder that includes it back.
# Usage: layers.sh <src dir> <Qt's include dir>
set -u
src=$1
qt=$2
cd "$src" || exit 2

# "file <include>" for every include of every source, <include> with its <> or "".
includes=$(find . -name '*.h' -o -name '*.cpp' | sed 's|^\./||' | sort |
    xargs grep -HE '^[[:space:]]*#[[:space:]]*include' |
    sed -E 's/^([^:]*):[[:space:]]*#[[:space:]]*include[[:space:]]*([<"][^>"]*[>"]).*/\1 \2/')

# Every header of the GUI, widget, print and network modules, by its file name.
gui_headers=$(for module in QtGui QtWidgets QtPrintSupport QtNetwork; do ls "$qt/$module"; done)

violations=$(awk -v headers="$gui_headers" '
    BEGIN { n = split(headers, h, "\n"); for (i = 1; i <= n; ++i) gui[h[i]] = 1 }
    function logic(file) { return file !~ /^app\// && file !~ /(^|\/)ui\// }
    {
        file = $1; inc = $2; name = substr(inc, 2, length(inc) - 2)
        if (!logic(file)) next
        if (inc ~ /^"/ && (name ~ /^app\// || name ~ /(^|\/)ui\//))
            print file ": logic includes the window header " name
        else if (inc ~ /^</ && (name in gui || name ~ /^Qt(Gui|Widgets|PrintSupport|Network)\//))
            print file ": logic includes the GUI header " name
    }' <<<"$includes")

# Folder -> folder edges of the include graph; tsort names any circle.
edges=$(awk '$2 ~ /^".*\/.*"$/ {
        from = $1; sub(/\/[^\/]*$/, "", from)
        to = substr($2, 2, length($2) - 2); sub(/\/[^\/]*$/, "", to)
        if (from != to) print from, to
    }' <<<"$includes" | sort -u)
loop=$(tsort <<<"$edges" 2>&1 >/dev/null)

failed=0
if [ -n "$violations" ]; then
    echo "$violations"
    failed=1
fi
if [ -n "$loop" ]; then
    echo "folders include each other:"
    echo "$loop"
    failed=1
fi
exit $failed
