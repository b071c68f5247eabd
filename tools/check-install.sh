#!/usr/bin/env bash
# Checks an installation from the build folder (default: build): installs into a staging folder,
# validates the desktop entry and the AppStream metadata there, and starts the staged program
# offscreen until it has shown its window. With --deb it also builds the Debian package and
# prints its size and dependencies.
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

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cmake --install "$build" --prefix "$stage/usr" >/dev/null

desktop-file-validate "$stage"/usr/share/applications/*.desktop
appstreamcli validate --no-net --pedantic "$stage"/usr/share/metainfo/*.metainfo.xml >/dev/null
for size in 16 22 24 32 48 64 128 256; do
    test -s "$stage/usr/share/icons/hicolor/${size}x${size}/apps/vozavero.png"
done

# "/NEW" keeps a program started by hand from refusing this one; the variable closes the window
# one second after start-up; a data folder of its own keeps a recovery copy left on this machine
# from being offered (a question no one would answer).
out=$(cd "$stage" && QT_QPA_PLATFORM=offscreen VOZAVERO_QUIT_AFTER_START=1000 \
    XDG_DATA_HOME="$stage/data" timeout 60 "$stage/usr/bin/vozavero" /NEW 2>&1)
if ! grep -q "started and shown" <<<"$out"; then
    echo "check-install: the staged program did not start:" >&2
    echo "$out" >&2
    exit 1
fi
if grep -q "no German toolkit catalogues" <<<"$out"; then
    echo "check-install: the toolkit's German catalogues are missing" >&2
    exit 1
fi
# The lab runner needs no display: a short sweep from the staged program.
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 60 "$stage/usr/bin/vozavero-lab" \
    --vary count --from 5 --to 10 --step 5 --seconds 5 --out "$stage/lab" >/dev/null
for f in series.tsv series.kpx graph.png; do
    test -s "$stage/lab/$f"
done
echo "check-install: install tree valid, staged program and lab runner start"

if [ "$deb" -eq 1 ]; then
    rm -f "$build"/vozavero_*.deb
    (cd "$build" && cpack -G DEB >/dev/null)
    package=$(ls "$build"/vozavero_*.deb)
    echo "check-install: $(basename "$package"), $(stat -c %s "$package") bytes"
    dpkg-deb -f "$package" Depends Installed-Size
fi
