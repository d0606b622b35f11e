#!/usr/bin/env bash
# Builds the .deb, installs it, starts the installed program and closes it, removes the
# package and checks that nothing of it is left (the user's settings file is not the
# package's). Needs root, as CI has.
set -uo pipefail
build=$1
fail() { echo "FAIL: $*"; exit 1; }
[ "$(id -u)" -eq 0 ] || { echo "not root: skipped"; exit 0; }

cd "$build" || fail "no build folder"
rm -f baritemp_*.deb
cpack -G DEB >/dev/null || fail "cpack"
deb=$(ls baritemp_*.deb | head -1)
[ -n "$deb" ] || fail "no package"
info=$(dpkg-deb --info "$deb")
grep -q 'Depends:.*libqt6widgets6' <<<"$info" || fail "Qt runtime not among the dependencies"

dpkg -i "$deb" >/dev/null || fail "dpkg -i"
for f in /usr/bin/baritemp /usr/bin/baritemp-convert /usr/share/man/man1/baritemp-convert.1.gz \
         /usr/share/applications/example.quorzen.Baritemp.desktop \
         /usr/share/metainfo/example.quorzen.Baritemp.metainfo.xml \
         /usr/share/icons/hicolor/16x16/apps/baritemp.png /usr/share/icons/hicolor/256x256/apps/baritemp.png; do
    [ -f "$f" ] || fail "missing $f"
done

got=$(HOME=/nonexistent /usr/bin/baritemp-convert 1 bar --to psi --locale fr_FR)
[ "$got" = "14,5038 psi" ] || fail "the installed command printed [$got]"
zcat /usr/share/man/man1/baritemp-convert.1.gz | grep -q '^.SH EXAMPLES' || fail "no manual page"

home=$(mktemp -d)
HOME=$home XDG_RUNTIME_DIR=$home QT_QPA_PLATFORM=offscreen /usr/bin/baritemp >"$home/out" 2>&1 &
pid=$!
for _ in $(seq 1 100); do grep -q 'ComputerName' "$home/out" && break; sleep 0.1; done
sleep 0.5
kill -TERM $pid
wait $pid || fail "the installed program did not end normally"
grep -q '^Dev \* *Baritemp v2011.1.2.0$' "$home/out" || fail "the installed program has no version record"
rm -rf "$home"

files=$(dpkg -L baritemp | grep -v '^/\.$')
dpkg -r baritemp >/dev/null || fail "dpkg -r"
for f in $files; do
    [ -d "$f" ] && continue
    [ -e "$f" ] && fail "left behind: $f"
done
rm -f "$deb"
echo "package: installed, ran, removed"
