# What the interface tests' X sessions share; sourced inside the session, under xvfb-run.

wait_window() { # xdotool search arguments: the first visible window that matches, within 10 s
    local w=""
    for _ in $(seq 1 100); do
        w=$(xdotool search --onlyvisible "$@" 2>/dev/null | head -1)
        [ -n "$w" ] && break
        sleep 0.1
    done
    echo "$w"
}

clipboard() { # the X clipboard, its narrow and plain no-break spaces as blanks
    xclip -o -selection clipboard 2>/dev/null | sed 's/\xe2\x80\xaf/ /g; s/\xc2\xa0/ /g'
}
