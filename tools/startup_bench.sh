#!/usr/bin/env bash
# Start-up time, side by side in one run under a virtual display: launch -> main window mapped,
# for the program (settings file present) and for a bare Qt Widgets window with two line
# edits, interleaved, RUNS times each (at least 7, 15 unless told). Prints the medians, the
# program's own work (the median of its time minus the bare window's in the run beside it, less
# the 150 ms of pauses its start-up sequence prescribes), the ratio to the bare window plus
# 150 ms, the program's peak memory at its main window's first frame, and the breakdown: each
# stage's median moment after the launch, and its median length, for both (the stages each
# marks in its timeline, StartupTimeline.h).
#   bash tools/startup_bench.sh [RUNS]        BARITEMP_PROGRAM: another baritemp to time
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}
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
timer=$PWD/build/tests/bench/map_timer
bare=$PWD/build/tests/bench/bare_window
# One of each first, unmeasured: the disk cache warm for both.
"\$timer" 'Baritemp v' "$program" >/dev/null 2>&1
"\$timer" 'bare window' "\$bare" >/dev/null
for i in \$(seq 1 $runs); do
    export BARITEMP_STARTUP_TIMELINE=$home/program.\$i
    echo "program \$("\$timer" 'Baritemp v' "$program" 2>/dev/null)"
    export BARITEMP_STARTUP_TIMELINE=$home/bare.\$i
    echo "bare \$("\$timer" 'bare window' "\$bare")"
done
SCRIPT
xvfb-run -a -s "-screen 0 1024x768x24" bash "$home/session.sh" >"$home/times"
/usr/bin/python3 - "$home" <<'PY'
import glob, os, statistics, sys
home = sys.argv[1]
times = {"program": [], "bare": []}
memory = []
for line in open(os.path.join(home, "times")):
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
# Each run of the program is paired with the bare window's run right after it: the median of
# the pairs' differences follows the machine's drift over the session better than the
# difference of the two medians does.
paired = statistics.median(p - b for p, b in zip(times["program"], times["bare"]))
print("the program's own start-up work: %.1f ms (median of program - bare, run by run, "
      "- 150 ms of pauses; %.1f ms from the medians)" % (paired - 150, program - bare - 150))
print("ratio to bare window + 150 ms: %.3f" % (program / (bare + 150)))
print("peak memory at the main window's first frame: median %.1f MiB" %
      (statistics.median(memory) / 1024))

# The breakdown: per stage, the median moment after the launch and the median time since the
# stage before (in the order the stages came).
def timelines(kind):
    runs = []
    for path in sorted(glob.glob(os.path.join(home, kind + ".*"))):
        marks = [line.rstrip("\n").split(" ", 1) for line in open(path)]
        launch = next(int(t) for t, stage in marks if stage == "launch")
        runs.append([(stage, (int(t) - launch) / 1e6) for t, stage in marks])
    return runs

def breakdown(runs):
    order, at, length = [], {}, {}
    for run in runs:
        previous = 0.0
        for stage, t in sorted(run, key=lambda m: m[1]):
            if stage not in at:
                order.append(stage)
                at[stage], length[stage] = [], []
            at[stage].append(t)
            length[stage].append(t - previous)
            previous = t
    return [(s, statistics.median(at[s]), statistics.median(length[s])) for s in order]

program_stages = breakdown(timelines("program"))
bare_stages = dict((s, (a, l)) for s, a, l in breakdown(timelines("bare")))
print("\nstage (ms: median moment after launch, median length)   program           bare window")
for stage, at, length in program_stages:
    other = bare_stages.get(stage)
    print("  %-42s %7.1f  %6.1f    %s" % (stage, at, length,
          "%7.1f  %6.1f" % other if other else ""))
PY
