#!/usr/bin/env bash
# Start-up time, side by side in one run under a virtual display: launch -> main window mapped,
# for the program (settings file present) and for a bare Qt Widgets window with two line
# edits, interleaved, RUNS times each (at least 7). Prints the medians, the program's own work
# (its median minus the bare window's and the 150 ms of pauses its start-up sequence
# prescribes), the ratio to the bare window plus 150 ms, and the program's peak memory when its
# main window is mapped.
#   bash tools/startup_bench.sh [RUNS]        BARITEMP_PROGRAM: another baritemp to time
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-9}
[ "$runs" -ge 7 ] || { echo "at least 7 runs" >&2; exit 2; }

bash tools/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBARITEMP_BUILD_TESTS=ON \
    -DBARITEMP_BUILD_BENCHMARKS=ON >/dev/null
cmake --build build --target baritemp bare_window map_timer >/dev/null
program=${BARITEMP_PROGRAM:-$PWD/build/baritemp}

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/Documents/Quorzen/CfgFiles"
printf '%s\r\n' '<?xml version="1.0" encoding="Windows-1252" standalone="no"?>' \
    '<Configuration>' '  <f_main>' '    <AeroMode>FALSE</AeroMode>' \
    '    <Color1>clBlack</Color1>' '    <Color2>clWhite</Color2>' '    <Lang>FR</Lang>' \
    '    <Dec>4</Dec>' '    <FormVersion>0</FormVersion>' '    <ShowCmd>1</ShowCmd>' \
    '  </f_main>' '</Configuration>' >"$home/Documents/Quorzen/CfgFiles/Baritemp.xml"

cat >"$home/session.sh" <<SCRIPT
export HOME=$home XDG_RUNTIME_DIR=$home LANG=fr_FR.UTF-8
# One of each first, unmeasured: the disk cache warm for both.
"$PWD/build/tests/bench/map_timer" 'Baritemp v' "$program" >/dev/null 2>&1
"$PWD/build/tests/bench/map_timer" 'bare window' "$PWD/build/tests/bench/bare_window" >/dev/null
for i in \$(seq 1 $runs); do
    echo "program \$("$PWD/build/tests/bench/map_timer" 'Baritemp v' "$program" 2>/dev/null)"
    echo "bare \$("$PWD/build/tests/bench/map_timer" 'bare window' "$PWD/build/tests/bench/bare_window")"
done
SCRIPT
xvfb-run -a -s "-screen 0 1024x768x24" bash "$home/session.sh" >"$home/times"
/usr/bin/python3 - "$home/times" <<'PY'
import statistics, sys
times = {"program": [], "bare": []}
memory = []
for line in open(sys.argv[1]):
    parts = line.split()
    if len(parts) == 3:
        times[parts[0]].append(float(parts[1]))
        if parts[0] == "program":
            memory.append(int(parts[2]))
program, bare = statistics.median(times["program"]), statistics.median(times["bare"])
print("runs: %d each, interleaved" % len(times["program"]))
print("program (launch -> main window mapped): median %.1f ms  [%s]" %
      (program, " ".join("%.0f" % t for t in times["program"])))
print("bare Qt window with two line edits:     median %.1f ms  [%s]" %
      (bare, " ".join("%.0f" % t for t in times["bare"])))
print("the program's own start-up work: %.1f ms (median - bare - 150 ms of pauses)" %
      (program - bare - 150))
print("ratio to bare window + 150 ms: %.3f" % (program / (bare + 150)))
print("peak memory at the main window's map: median %.1f MiB" % (statistics.median(memory) / 1024))
PY
