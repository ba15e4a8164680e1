#!/usr/bin/env bash
# Builds the Debian package through scripts/package.sh (dpkg-buildpackage, without its
# tests: the rest of the suite runs them), checks it with lintian, unpacks it into a
# throw-away root and checks that: the files and links, the manual page, the desktop
# entry and AppStream data, and that the unpacked program starts, finds its help file
# and loads a sample (smoke.sh, which Debian's CI runs on the installed package too).
#   check-package.sh VERSION
set -euo pipefail
. "$(dirname "$0")/xsession.sh"

VERSION=$1
SRC=$(realpath "$(dirname "$0")/../..")
WORK=$(mktemp -d)
trap stop_session EXIT

# The rest of the test suite runs beside this build: two jobs at most.
jobs=$(nproc)
[ "$jobs" -gt 2 ] && jobs=2
case "${DEB_BUILD_OPTIONS:-}" in *parallel=*) ;; *) DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:-} parallel=$jobs" ;; esac
export DEB_BUILD_OPTIONS="$DEB_BUILD_OPTIONS nocheck"
DEB=$("$SRC/scripts/package.sh" "$WORK/out" 2>"$WORK/build.log") \
    || { tail -n 80 "$WORK/build.log"; fail "the package build failed"; }
[ "$(basename "$DEB")" = "varnodel_${VERSION}_$(dpkg --print-architecture).deb" ] \
    || fail "the package $(basename "$DEB") does not carry the program's version $VERSION"
[ -z "$(cd "$SRC" && git status --porcelain --ignored -- debian 'obj-*' 2>/dev/null)" ] \
    || fail "the package build left files in the source tree"
echo "ok: built $(basename "$DEB") with dpkg-buildpackage"

depends=$(dpkg-deb -f "$DEB" Depends)
case "$depends" in *libqt6widgets6*) ;; *) fail "Depends lacks the Qt libraries: $depends" ;; esac
case "$depends" in *libqqwing*) ;; *) fail "Depends lacks the QQWing library: $depends" ;; esac
[ "$(dpkg-deb -f "$DEB" Section)" = games ] || fail "the package is not in section games"
echo "ok: Depends: $depends"

# Every tag is shown, down to the pedantic and experimental ones; errors and warnings fail.
lintian --display-info --display-experimental --pedantic --fail-on error,warning "$DEB" \
    || fail "lintian found errors or warnings"
echo "ok: lintian reports no error or warning"

ROOT="$WORK/root"
dpkg-deb -x "$DEB" "$ROOT"
PROGRAM_DIR=usr/lib/games/varnodel
# The program reads these from its own folder; they are links into the data folder.
helps=$(cd "$SRC/src/help" && for h in GrdHelp*.det; do printf '%s:src/help/%s ' "$h" "$h"; done)
for f in $helps puzzle-simple.txt:data/samples/puzzle-simple.txt \
    puzzle-easy.txt:data/samples/puzzle-easy.txt \
    puzzle-intermediate.txt:data/samples/puzzle-intermediate.txt \
    puzzle-expert.txt:data/samples/puzzle-expert.txt; do
    installed="$ROOT/$PROGRAM_DIR/${f%%:*}"
    [ -L "$installed" ] && [ -f "$ROOT/usr/share/games/varnodel/${f%%:*}" ] \
        || fail "/$PROGRAM_DIR/${f%%:*} is not a link into /usr/share/games/varnodel"
    cmp "$installed" "$SRC/${f#*:}" || fail "/$PROGRAM_DIR/${f%%:*} differs from ${f#*:}"
done
[ "$(readlink "$ROOT/usr/games/varnodel")" = ../lib/games/varnodel/varnodel ] \
    || fail "/usr/games/varnodel is not a link to the program"
[ -x "$ROOT/$PROGRAM_DIR/varnodel" ] || fail "the program is missing"
for f in usr/share/man/man6/varnodel.6.gz usr/share/doc/varnodel/copyright \
    usr/share/doc/varnodel/changelog.gz usr/share/applications/org.example.Varnodel.desktop \
    usr/share/metainfo/org.example.Varnodel.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/org.example.Varnodel.svg; do
    [ -f "$ROOT/$f" ] || fail "missing /$f"
done
for size in 16 32 48 64 128 256; do
    [ -f "$ROOT/usr/share/icons/hicolor/${size}x${size}/apps/org.example.Varnodel.png" ] \
        || fail "missing the ${size}x${size} icon"
done
outside=$(cd "$ROOT" && find . -mindepth 1 -maxdepth 1 ! -name usr)
[ -z "$outside" ] || fail "files outside /usr: $outside"
echo "ok: the program, its links to the help file and samples, the manual page and icons are in place"

warnings=$(MANWIDTH=80 man --warnings -l "$ROOT/usr/share/man/man6/varnodel.6.gz" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "the manual page renders with warnings: $warnings"
echo "ok: the manual page renders without warnings"

desktop-file-validate "$ROOT/usr/share/applications/org.example.Varnodel.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$ROOT/usr/share/metainfo/org.example.Varnodel.metainfo.xml" >/dev/null \
    || fail "appstreamcli validate"
echo "ok: desktop entry and AppStream data validate"

# Started as the player starts it, the program finds its help file and its samples.
bash "$SRC/tests/e2e/smoke.sh" "$ROOT/usr/games/varnodel" || fail "the unpacked program failed its smoke test"
echo "1 passed, 0 failed"
