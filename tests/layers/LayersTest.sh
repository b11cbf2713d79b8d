#!/usr/bin/env bash
# The tree's layers: what each folder may include. Nothing includes upwards,
# the wizard's code never sees the engine, the Notes binding or the Notes API,
# Qt stays in the windows and SQLite in the stand-in.
set -u
root="${1:?usage: LayersTest.sh SOURCE_DIR}"
cd "$root" || exit 2
failed=0

# refuse FOLDERS... -- PATTERN WHY
refuse() {
    local folders=() pattern why hits
    while [ "$1" != "--" ]; do folders+=("$1"); shift; done
    pattern="$2" why="$3"
    hits=$(grep -rnE --include='*.h' --include='*.cpp' --include='*.c' "$pattern" "${folders[@]}")
    if [ -n "$hits" ]; then
        printf '%s:\n%s\n\n' "$why" "$hits"
        failed=1
    fi
}

notes_api='#include [<"](notesapi|zns|global|globerr|nsf[a-z]*|os[a-z]*|idtable|ods[a-z]*|editods|textlist|kfm|names|misc|miscerr|pool|clerr|secerr|bsafeerr|lapicinc|lapiplat)\.h[>"]'
client=(common/misc common/pim common/lotus/exchange wizard)

refuse "${client[@]}" -- '#include "common/lotus/(engine|binding)/' \
    "the wizard's code includes a header of the library's engine or Notes binding"
refuse "${client[@]}" -- "$notes_api" "the wizard's code includes the Notes C API"
refuse common/lotus/binding -- '#include "common/lotus/(exchange|engine)/' \
    "the Notes binding includes the classes built on it"
refuse common platform -- '#include "(wizard|hosts|notesaccess)/' "the common code includes a layer above it"
refuse platform -- '#include "common/' "the platform stand-ins include the common code"
refuse wizard/update -- '#include "wizard/(controller|batch|windows)/' \
    "the update engine includes a layer above it"
refuse wizard/controller -- '#include "wizard/(batch|windows)/' "the controller includes a front end"
refuse common platform hosts notesaccess wizard/update wizard/controller wizard/batch -- \
    '#include <Q' "Qt outside the windows"
refuse common platform hosts notesaccess wizard -- '#include <sqlite3' "SQLite outside the stand-in"

exit $failed
