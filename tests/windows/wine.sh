# Sourced by the Windows tests: Windows programs run under Wine, in the prepared prefix
# (tools/wine_prefix.sh), with the Windows tree's libraries on Wine's search path.
#   WINDOWS_BUILD  the Windows tree (cmake/mingw-w64-x86_64.cmake)
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
prefix=$(bash "$repo/tools/wine_prefix.sh" 2>/dev/null | tail -1)
[ -d "$prefix/drive" ] || { echo "no Wine prefix"; exit 1; }
export WINEPREFIX=$prefix/drive HOME=$prefix/home XDG_RUNTIME_DIR=$prefix/home
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# An English or French Windows: code page 1252 as the ANSI code page.
export LANG=en_US.UTF-8 LC_ALL=C.UTF-8
# Qt's and the MinGW runtime's libraries, as the Windows tree found them.
# shellcheck disable=SC1091
source "$WINDOWS_BUILD/wine-paths.sh"

# A window manager on the virtual display: without one, Wine gives the keyboard to no window
# that opens after the first.
start_window_manager() { # $! is then the window manager
    openbox >/dev/null 2>&1 &
    sleep 0.5
}

# Ends every Wine process of the prefix (the next test starts clean, on its own display).
stop_wine() {
    "$wineserver" -k 2>/dev/null
    "$wineserver" -w 2>/dev/null
    true
}

fail() {
    echo "FAIL: $*"
    stop_wine
    exit 1
}

# Closes the active window with Alt+F4 and waits for the program to end: it must end with 0.
close_program() { # pid what
    xdotool key alt+F4
    wait "$1"
    local code=$?
    [ "$code" -eq 0 ] || fail "$2: exit code $code"
}

# The user's documents folder under Wine, as a Linux path: asked of the shell, as the program
# asks it.
documents_folder() {
    local out windows
    out=$(mktemp) # through a file, never a pipe: Wine's background processes keep pipes open
    "$wine" "$WINDOWS_BUILD/tests/windows/wine_probe.exe" documents >"$out" 2>/dev/null
    windows=$(tr -d '\r' <"$out")
    "$wine" winepath -u "$windows" >"$out" 2>/dev/null
    tr -d '\r' <"$out"
    rm -f "$out"
    [ -n "$windows" ]
}

# Waits for a visible window whose name matches; prints its id.
wait_window() { # pattern [tenths of a second]
    local id
    for _ in $(seq 1 "${2:-300}"); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}
