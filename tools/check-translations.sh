#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Nimbra
# Checks that every catalogue in translations/ is complete: runs lupdate over the program's
# sources into a copy of each catalogue and fails, naming them, when a text has no translation
# yet (unfinished) or a translation belongs to a text the sources no longer have (obsolete).
#
#   tools/check-translations.sh           check (CI runs this through tools/test.sh)
#   tools/check-translations.sh --update  bring the catalogues themselves up to date: new texts
#                                         are added unfinished, texts no longer used are dropped;
#                                         then translate what it lists (see translations/README.md)
set -euo pipefail
cd "$(dirname "$0")/.."
# The folders whose texts are translated; services/CMakeLists.txt gives qt_add_translations the
# same ones.
folders=(app engine experiment measurement recovery services settings tools/lab)
lupdate=${LUPDATE:-}
for candidate in /usr/lib/qt6/bin/lupdate /usr/lib/qt6/libexec/lupdate; do
    if [ -z "$lupdate" ] && [ -x "$candidate" ]; then lupdate=$candidate; fi
done
if [ -z "$lupdate" ]; then
    echo "check-translations: lupdate not found (package qt6-l10n-tools)" >&2
    exit 2
fi

# Lists the unfinished and obsolete messages of the catalogue file $1 under the name $2; fails
# when there is any.
report() {
    awk -v file="$2" '
        /<name>/ { context = $0; gsub(/^ *<name>|<\/name>.*$/, "", context) }
        /<source>/ { source = $0; sub(/^ *<source>/, "", source); sub(/<\/source>.*$/, "", source) }
        /<translation type="unfinished"/ { print file ": unfinished: " context ": " source; n++ }
        /<translation type="(vanished|obsolete)"/ { print file ": obsolete: " context ": " source; n++ }
        END { exit n > 0 }' "$1"
}

update=0
if [ "${1:-}" = "--update" ]; then update=1; fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for catalogue in translations/vozavero_*.ts; do
    if [ "$update" -eq 1 ]; then
        "$lupdate" -silent -locations none -no-obsolete "${folders[@]}" -ts "$catalogue"
        target=$catalogue
    else
        target=$work/$(basename "$catalogue")
        cp "$catalogue" "$target"
        "$lupdate" -silent -locations none "${folders[@]}" -ts "$target"
    fi
    report "$target" "$catalogue" || status=1
done
if [ "$status" -ne 0 ]; then
    echo "check-translations: the catalogues above are not complete (translations/README.md)" >&2
else
    echo "check-translations: every catalogue is complete"
fi
exit "$status"
