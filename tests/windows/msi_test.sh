#!/usr/bin/env bash
# The MSI under Wine, as an administrator deploys it:
#   - msiexec /i ... /qn installs per machine into Program Files\Baritemp; the installed
#     baritemp.exe starts (the splash window, then the main window captioned from its version
#     resource) and baritemp-convert.exe prints the Linux build's bytes; the Start menu
#     shortcut and the installed-programs entry (name, version, maker, icon) are there;
#   - an MSI of a higher version, built here from the same source, upgrades it in place: one
#     entry, the new files; the older one then refuses to install over it;
#   - msiexec /x ... /qn removes every installed file, the folder and the shortcut, and leaves
#     the user's settings file.
#   msi_test.sh WINDOWS_BUILD LINUX_COMMAND SOURCE_DIR
set -uo pipefail
export WINDOWS_BUILD=$1
linux=$2
source=$3
source "$(dirname "$0")/wine.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
msi=$(ls "$WINDOWS_BUILD"/baritemp-*-win64.msi 2>/dev/null | head -1)
[ -n "$msi" ] || { echo "FAIL: no MSI in $WINDOWS_BUILD"; exit 1; }
version=$(basename "$msi" | sed 's/^baritemp-\(.*\)-win64\.msi$/\1/') # 2011.1.2.0

# The next version: the same program, one file changed, the version's third number one up.
IFS=. read -r year minor patch _ <<<"$version"
next_msi_version="$((year - 2000)).$minor.$((patch + 1))"
cp -r "$WINDOWS_BUILD/deploy" "$work/next"
printf 'next' >>"$work/next/imageformats/qgif.dll" # trailing bytes: the DLL loads as before
# wixl finds the files a package source names relative to the source's own folder only.
wxs_folder=$source/resources/windows
wixl -a x64 -D DeployDir="$(realpath --relative-to="$wxs_folder" "$work/next")" \
    -D Version="$next_msi_version" -D FullVersion="$year.$minor.$((patch + 1)).0" \
    -D IconFile=../images/baritemp.ico -o "$work/next.msi" "$wxs_folder/baritemp.wxs" \
    2>"$work/wixl.log" ||
    { cat "$work/wixl.log"; echo "FAIL: wixl"; exit 1; }
"$linux" 1 bar --to psi --locale fr_FR --lang FR >"$work/linux.out"

cat >"$work/session.sh" <<SCRIPT
source "$(dirname "$0")/wine.sh"
start_window_manager
drive_c="\$WINEPREFIX/drive_c"
folder="\$drive_c/Program Files/Baritemp"
uninstall='HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall'
# Windows puts a per-machine shortcut in the common Start menu; Wine 8.0 puts it in the user's.
shortcut() {
    find "\$drive_c/ProgramData" "\$drive_c/users" -path '*/Start Menu/Programs/Baritemp.lnk' \
        2>/dev/null | grep -q .
}
msiexec() { # arguments: msiexec's exit code
    "\$wine" msiexec "\$@" >"$work/msiexec.log" 2>&1
}
# The installed-programs entries of Baritemp's MSIs, each "key|DisplayVersion|Publisher".
entries() {
    "\$wine" reg query "\$uninstall" /s >"$work/uninstall.txt" 2>/dev/null
    tr -d '\r' <"$work/uninstall.txt" | awk '
        /^HKEY/ { if (name == "Baritemp" && msi) print key "|" version "|" publisher
                  key = \$0; name = ""; version = ""; publisher = ""; msi = 0 }
        \$1 == "DisplayName" { name = \$3 }
        \$1 == "DisplayVersion" { version = \$3 }
        \$1 == "Publisher" { publisher = \$3 }
        \$1 == "WindowsInstaller" && \$3 == "0x1" { msi = 1 }
        END { if (name == "Baritemp" && msi) print key "|" version "|" publisher }'
}
# What an earlier run left installed goes first, by its product code.
entries | while IFS='|' read -r key _; do
    "\$wine" msiexec /x "\${key##*\\\\}" /qn >/dev/null 2>&1
done
rm -rf "\$folder"
documents=\$(documents_folder) || fail "the shell gives no documents folder"
rm -rf "\$documents/Quorzen"
mkdir -p "\$documents/Quorzen/CfgFiles" # no first start: the main window opens at once

msiexec /i "\$(\$wine winepath -w "$msi" 2>/dev/null | tr -d '\r')" /qn ||
    fail "install: msiexec's exit code \$?"
for file in baritemp.exe baritemp-convert.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll \
            libgcc_s_seh-1.dll libstdc++-6.dll libwinpthread-1.dll platforms/qwindows.dll \
            styles/qwindowsvistastyle.dll imageformats/qico.dll imageformats/qgif.dll; do
    cmp -s "\$folder/\$file" "$WINDOWS_BUILD/deploy/\$file" || fail "not installed: \$file"
done
echo "installed into Program Files\\\\Baritemp: \$(cd "\$folder" && find . -type f | wc -l) files"
shortcut || fail "no Start menu shortcut"
echo "Start menu shortcut: Baritemp.lnk"
entries >"$work/entries"
[ "\$(wc -l <"$work/entries")" -eq 1 ] || fail "installed-programs entries: \$(cat "$work/entries")"
IFS='|' read -r key shown maker <"$work/entries"
[ "\$shown" = "$((year - 2000)).$minor.$patch" ] || fail "the entry's version is \$shown"
[ "\$maker" = Quorzen ] || fail "the entry's maker is \$maker"
"\$wine" reg query 'HKLM\\Software\\Classes\\Installer\\Products' /s 2>/dev/null | tr -d '\r' |
    grep -q 'ProductIcon.*baritemp\\.ico' || fail "no product icon"
echo "installed programs: Baritemp \$shown by \$maker, with its icon"

"\$wine" "\$folder/baritemp-convert.exe" 1 bar --to psi --locale fr_FR --lang FR >"$work/wine.out" 2>&1
cmp -s "$work/wine.out" "$work/linux.out" ||
    fail "the installed command printed \$(cat "$work/wine.out")"
echo "the installed command: \$(cat "$work/wine.out"), the Linux build's bytes"
"\$wine" "\$folder/baritemp.exe" >/dev/null 2>&1 &
pid=\$!
wait_window '^SplashFormv2011\$' 300 >/dev/null || fail "no splash window"
main=\$(wait_window '^Baritemp v2011\\.1\\.2\\.0\$' 300) ||
    fail "no main window captioned Baritemp v2011.1.2.0"
echo "the installed program: the splash window, then \$(xdotool getwindowname "\$main")"
sleep 0.5
close_program \$pid "the installed program"
settings="\$documents/Quorzen/CfgFiles/Baritemp.xml"
[ -f "\$settings" ] || fail "the program wrote no settings file"

msiexec /i "\$(\$wine winepath -w "$work/next.msi" 2>/dev/null | tr -d '\r')" /qn ||
    fail "upgrade: msiexec's exit code \$?"
entries >"$work/entries"
[ "\$(wc -l <"$work/entries")" -eq 1 ] || fail "after the upgrade: \$(cat "$work/entries")"
IFS='|' read -r key shown _ <"$work/entries"
[ "\$shown" = "$next_msi_version" ] || fail "after the upgrade the version is \$shown"
cmp -s "\$folder/imageformats/qgif.dll" "$work/next/imageformats/qgif.dll" ||
    fail "the upgrade left the old files"
echo "upgraded in place: one entry, version \$shown, the new files"
msiexec /i "\$(\$wine winepath -w "$msi" 2>/dev/null | tr -d '\r')" /qn &&
    fail "the older MSI installed over the newer one"
entries >"$work/entries"
IFS='|' read -r key shown _ <"$work/entries"
[ "\$shown" = "$next_msi_version" ] || fail "the older MSI changed the version to \$shown"
echo "the older MSI refuses to install over the newer one"

msiexec /x "\$(\$wine winepath -w "$work/next.msi" 2>/dev/null | tr -d '\r')" /qn ||
    fail "removal: msiexec's exit code \$?"
[ -e "\$folder" ] && fail "removal left \$(cd "\$folder" && find . | tr '\n' ' ')"
shortcut && fail "removal left the shortcut"
[ -z "\$(entries)" ] || fail "removal left the installed-programs entry"
[ -f "\$settings" ] || fail "removal took the user's settings file"
stop_wine
echo "removed: every file, the folder, the shortcut and the entry; the settings file stays"
SCRIPT
xvfb-run -a -s "-screen 0 1024x768x24" bash "$work/session.sh"
