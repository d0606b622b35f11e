#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need. Safe to run again:
# it installs only what is missing. Run as root on Debian 12.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev
    qt6-base-dev qt6-l10n-tools libgl-dev libxcb1-dev binutils
    xvfb xauth xdotool x11-utils x11-xkb-utils openbox imagemagick xclip fonts-crosextra-carlito
    locales
    at-spi2-core python3-pyatspi dbus
    appstream desktop-file-utils units
    g++-mingw-w64-x86-64-posix wine64 fonts-wine nsis
    g++-aarch64-linux-gnu g++-i686-linux-gnu qemu-user g++-mingw-w64-i686-posix
)

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
