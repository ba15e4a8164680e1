#!/usr/bin/env bash
# Builds the Debian package from a configured build folder, unpacks it into a throw-away
# root and checks it: the files and the link, the desktop entry and AppStream data, and
# that the installed program starts and its help window finds its file.
#   check-package.sh BUILD_DIR
set -euo pipefail
. "$(dirname "$0")/xsession.sh"

BUILD=$(realpath "$1")
WORK=$(mktemp -d)
trap stop_session EXIT

# Package exactly what the build installs, with /usr as the prefix.
cpack -G DEB -B "$WORK/pkg" --config "$BUILD/CPackConfig.cmake" \
    -D CPACK_PACKAGING_INSTALL_PREFIX=/usr >"$WORK/cpack.log" 2>&1 \
    || { cat "$WORK/cpack.log"; fail "cpack failed"; }
DEB=$(ls "$WORK"/pkg/varnodel_*.deb)
echo "ok: built $(basename "$DEB")"

depends=$(dpkg-deb -f "$DEB" Depends)
case "$depends" in *libqt6widgets6*) ;; *) fail "Depends lacks the Qt libraries: $depends" ;; esac
[ "$(dpkg-deb -f "$DEB" Section)" = games ] || fail "the package is not in section games"
echo "ok: Depends: $depends"

ROOT="$WORK/root"
dpkg-deb -x "$DEB" "$ROOT"
for f in usr/lib/varnodel/varnodel usr/lib/varnodel/GrdHelp.det \
    usr/lib/varnodel/puzzle-simple.txt usr/lib/varnodel/puzzle-easy.txt \
    usr/lib/varnodel/puzzle-intermediate.txt usr/lib/varnodel/puzzle-expert.txt \
    usr/share/applications/org.example.Varnodel.desktop \
    usr/share/metainfo/org.example.Varnodel.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/org.example.Varnodel.svg \
    usr/share/doc/varnodel/LICENSE; do
    [ -f "$ROOT/$f" ] || fail "missing /$f"
done
for size in 16 32 48 64 128 256; do
    [ -f "$ROOT/usr/share/icons/hicolor/${size}x${size}/apps/org.example.Varnodel.png" ] \
        || fail "missing the ${size}x${size} icon"
done
[ "$(readlink "$ROOT/usr/bin/varnodel")" = ../lib/varnodel/varnodel ] || fail "bin/varnodel is not a link to the program"
outside=$(cd "$ROOT" && find . -mindepth 1 -maxdepth 1 ! -name usr)
[ -z "$outside" ] || fail "files outside /usr: $outside"
cmp "$ROOT/usr/lib/varnodel/GrdHelp.det" "$(dirname "$0")/../../src/help/GrdHelp.det" || fail "the help file changed on its way"
echo "ok: files, icons and the bin/varnodel link are in place"

desktop-file-validate "$ROOT/usr/share/applications/org.example.Varnodel.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$ROOT/usr/share/metainfo/org.example.Varnodel.metainfo.xml" >/dev/null \
    || fail "appstreamcli validate"
echo "ok: desktop entry and AppStream data validate"

# Started through the link, the program still finds its help file.
start_xvfb
start_app "$ROOT/usr/bin/varnodel"
xdotool mousemove --sync $((MAIN_X + 20)) $((MAIN_Y + MENU_H / 2)) click 1
sleep 0.3
xdotool key Down Return
wait_for_window '^Help Information$' >/dev/null || fail "the help window did not open"
sleep 1 # a problem with the help file would show a message box by now
[ -z "$(xdotool search --onlyvisible --name '^Varnodel$' | grep -vx "$MAIN")" ] \
    || fail "the installed program could not read its help file"
echo "ok: the installed program starts and its help window finds its file"
echo "1 passed, 0 failed"
