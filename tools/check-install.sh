#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Nimbra
# Checks an installation from the build folder (default: build): installs into a staging folder,
# validates the desktop entry, the AppStream metadata and the file type of saved series there,
# reads the manual pages, asks both programs for their version without a display, starts the
# staged program offscreen with a saved series until it has shown its window, and runs a short
# sweep of the lab runner. With --deb it also builds the Debian package, checks it with lintian
# (no error, no warning) and prints its size and dependencies.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build
deb=0
for arg in "$@"; do
    case "$arg" in
    --deb) deb=1 ;;
    *) build="$arg" ;;
    esac
done
fail() {
    echo "check-install: $*" >&2
    exit 1
}

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cmake --install "$build" --prefix "$stage/usr" >/dev/null
share="$stage/usr/share"

desktop-file-validate "$share"/applications/*.desktop
appstreamcli validate --no-net --pedantic "$share"/metainfo/*.metainfo.xml >/dev/null
for size in 16 22 24 32 48 64 128 256; do
    test -s "$share/icons/hicolor/${size}x${size}/apps/vozavero.png"
done
test -s "$share/doc/vozavero/copyright"
test -s "$share/doc/vozavero/changelog.gz"

# The manual pages, English and German, as "man" finds them.
grep -q "gas syringe" <(LC_ALL=C.UTF-8 MANPATH="$share/man" man vozavero 2>&1) ||
    fail "man vozavero shows no page"
grep -q "Kolbenprober" <(LC_ALL=de_DE.UTF-8 MANPATH="$share/man" man vozavero 2>&1) ||
    fail "man vozavero shows no German page"
grep -q "simulated clock" <(LC_ALL=C.UTF-8 MANPATH="$share/man" man vozavero-lab 2>&1) ||
    fail "man vozavero-lab shows no page"

# Without a display: a program that opened a window would abort here.
version=$(sed -n 's/^project(Vozavero VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
for program in vozavero vozavero-lab; do
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$stage/usr/bin/$program" --version)
    [ "$out" = "$program $version" ] || fail "$program --version printed \"$out\""
done
# The usage in German under the C locale, in English under an English one, with a settings folder
# of its own that keeps the user's language choice out.
for lang in C:Aufruf en_US.UTF-8:Usage; do
    env -u DISPLAY -u WAYLAND_DISPLAY -u LC_ALL -u LC_MESSAGES -u LANGUAGE LANG="${lang%%:*}" \
        XDG_CONFIG_HOME="$stage/config" QT_QPA_PLATFORM=xcb "$stage/usr/bin/vozavero" --help |
        grep -q "^${lang#*:}: vozavero" || fail "vozavero --help printed no usage under ${lang%%:*}"
done

# The lab runner needs no display: a short sweep from the staged program.
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 60 "$stage/usr/bin/vozavero-lab" \
    --vary count --from 5 --to 10 --step 5 --seconds 5 --out "$stage/lab" >/dev/null
for f in series.tsv series.kpx graph.png; do
    test -s "$stage/lab/$f"
done

# A saved series is known by its name and, without the suffix, by its first line.
cp "$stage/lab/series.kpx" "$stage/my-device.kpx"
cp "$stage/lab/series.kpx" "$stage/messung"
update-mime-database "$share/mime" >/dev/null 2>&1
mkdir -p "$stage/home"
for f in my-device.kpx messung; do
    type=$(env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION -u KDE_FULL_SESSION \
        -u GNOME_DESKTOP_SESSION_ID XDG_DATA_HOME="$stage/home" XDG_DATA_DIRS="$share:/usr/share" \
        xdg-mime query filetype "$stage/$f")
    [ "$type" = "application/x-vozavero-series" ] || fail "$f is of type \"$type\""
done

# "/NEW" keeps a program started by hand from refusing this one; the variable closes the window
# one second after start-up. The series opens after start-up: a message about it, or a start-up
# trace switched on by the "-dev" in its name, would wait for a click until the timeout. A data
# folder of its own keeps a recovery copy left on this machine from being offered, a question
# that would wait as well; a settings folder of its own keeps the user's language choice out.
out=$(cd "$stage" && QT_QPA_PLATFORM=offscreen VOZAVERO_QUIT_AFTER_START=1000 \
    XDG_DATA_HOME="$stage/data" XDG_CONFIG_HOME="$stage/config" timeout 60 \
    "$stage/usr/bin/vozavero" /NEW "$stage/my-device.kpx" 2>&1) || true
grep -q "started and shown" <<<"$out" || fail "the staged program did not start:"$'\n'"$out"
if grep -q "no toolkit catalogues" <<<"$out"; then
    fail "the toolkit's catalogues are missing"
fi
echo "check-install: install tree valid, staged programs start, series file type and manual pages found"

if [ "$deb" -eq 1 ]; then
    rm -f "$build"/vozavero_*.deb
    (cd "$build" && cpack -G DEB >/dev/null)
    package=$(ls "$build"/vozavero_*.deb)
    [ "$(dpkg-parsechangelog -l packaging/changelog -S Version)" = "$version" ] ||
        fail "packaging/changelog has no entry for version $version"
    # Overrides, if ever needed, live in packaging/ with a reason on the line above each.
    lintian --fail-on error,warning --tag-display-limit 0 "$package" 2>/dev/null ||
        fail "lintian reports errors or warnings on $(basename "$package")"
    echo "check-install: $(basename "$package"), $(stat -c %s "$package") bytes, lintian clean"
    dpkg-deb -f "$package" Depends Installed-Size
fi
