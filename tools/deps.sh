#!/usr/bin/env bash
# Installs the Debian packages a task needs, only those missing. Safe to run again. Run as root
# on Debian 12.
#   bash tools/deps.sh run       build and run the program (tools/run.sh)
#   bash tools/deps.sh windows   build the Windows program and its packages (tools/windows.sh)
#   bash tools/deps.sh headless  a virtual display, for running it on a machine without a desktop
#   bash tools/deps.sh linux     the Linux tree's tests (tools/test.sh linux)
#   bash tools/deps.sh test      every test (tools/test.sh): all of the above and what the tests
#                                themselves use
# Several may be named; none means test. With --list, prints the packages instead.
set -euo pipefail

# Building and running the program: the compiler, CMake, Ninja, Qt's development packages (which
# bring the Qt libraries and their platform plugins), and the stand-in for Calibri the windows
# are drawn with. (The translations come compiled: Qt Linguist's tools are the tests'.)
run=(cmake ninja-build g++ qt6-base-dev libgl-dev fonts-crosextra-carlito)
# No desktop: the program runs on a virtual display.
headless=(xvfb xauth)
# The Windows build: MinGW-w64, Qt for Windows from Debian's sources (unpacked and patched here,
# its tools from the host's Qt), GoogleTest's sources (its test programs), the NSIS installer
# and the MSI.
windows=(cmake ninja-build g++ qt6-base-dev libgl-dev xz-utils patch
         g++-mingw-w64-x86-64-posix googletest nsis wixl)
# The Linux tree's tests alone (tools/test.sh linux, the quick loop): GoogleTest, Qt Linguist's
# tools, a virtual display with a window manager and the tools that drive it, the regional
# settings, a screen reader's view and the desktop files' validators.
linux=("${run[@]}" "${headless[@]}"
       pkg-config googletest libgtest-dev libgmock-dev qt6-l10n-tools binutils
       xdotool x11-utils x11-xkb-utils openbox imagemagick xclip locales
       at-spi2-core python3-pyatspi dbus appstream desktop-file-utils)
# The tests: GoogleTest and Google Benchmark, Qt Linguist's tools (the translations' test),
# clang with its sanitizers (fuzzing), a virtual display with a window manager and the tools
# that drive it, the regional settings they run with, a screen reader's view (AT-SPI), the
# desktop files' validators, GNU units (the command's benchmark), Wine, and the cross compilers
# with qemu-user.
test=("${run[@]}" "${headless[@]}" "${windows[@]}"
      pkg-config googletest libgtest-dev qt6-l10n-tools libgmock-dev libbenchmark-dev
      clang libclang-rt-14-dev libxcb1-dev binutils
      xdotool x11-utils x11-xkb-utils openbox imagemagick xclip locales
      at-spi2-core python3-pyatspi dbus
      appstream desktop-file-utils units
      wine64 fonts-wine msitools
      g++-aarch64-linux-gnu g++-i686-linux-gnu qemu-user g++-mingw-w64-i686-posix)

list=0
packages=()
profiles=()
for argument in "$@"; do
    case $argument in
        --list) list=1 ;;
        run | windows | test | headless | linux) profiles+=("$argument") ;;
        *) echo "usage: $0 [--list] [run|windows|test|headless|linux]..." >&2; exit 2 ;;
    esac
done
[ ${#profiles[@]} -gt 0 ] || profiles=(test)
for profile in "${profiles[@]}"; do
    declare -n chosen=$profile
    packages+=("${chosen[@]}")
    unset -n chosen
done
mapfile -t packages < <(printf '%s\n' "${packages[@]}" | sort -u)
if [ "$list" = 1 ]; then
    printf '%s\n' "${packages[@]}"
    exit 0
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The regional settings the tests run the program with: Qt reads LANG itself, Wine takes its
# regional settings from the C library's locale, which must exist.
if printf '%s\n' "${profiles[@]}" | grep -qxE 'test|linux'; then
    wanted=(fr_FR.UTF-8 de_DE.UTF-8 de_CH.UTF-8 en_US.UTF-8)
    generate=()
    for l in "${wanted[@]}"; do
        locale -a 2>/dev/null | grep -qix "${l/UTF-8/utf8}" || generate+=("$l")
    done
    if [ ${#generate[@]} -gt 0 ]; then
        for l in "${generate[@]}"; do
            grep -q "^# *$l UTF-8" /etc/locale.gen && sed -i "s/^# *$l UTF-8/$l UTF-8/" /etc/locale.gen
            grep -q "^$l UTF-8" /etc/locale.gen || echo "$l UTF-8" >>/etc/locale.gen
        done
        locale-gen >/dev/null
    fi
fi
