#!/usr/bin/env bash
# Start-up of the program against a bare Qt program (bench/bare_window.cpp:
# a QApplication and an empty QMainWindow), both optimised (the bench preset).
#   bench/startup.sh [RUNS] [MODEL]     defaults: 21 runs, examples/warren.kel
# Each run starts the two programs one after the other under one Xvfb server
# (display :$KEL2D_STARTUP_DISPLAY, default :57), alternating which goes
# first, and prints the medians and their ratios.
#
# How it measures: with KEL2D_EXIT_AFTER_FIRST_FRAME set, each program prints
# the monotonic clock when its first window has been exposed and painted
# (app/FirstFrameProbe.h), with VmHWM from /proc/self/status at that moment,
# and ends. The time to the first frame is that clock less the same clock read
# just before the program was started, so it counts everything the process
# does, from loading its libraries to its first paint. The program is given
# the model on its command line; it reads it before the window is exposed, so
# the first frame is drawn with the model. Both run with an empty settings
# folder (XDG_CONFIG_HOME) so the user's stored settings play no part.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
runs="${1:-21}"
model="$(realpath "${2:-$here/examples/warren.kel}")"
display=":${KEL2D_STARTUP_DISPLAY:-57}"

cd "$here"
cmake --preset bench >/dev/null
cmake --build --preset bench -j "${KEL2D_JOBS:-2}" --target kel2d bare_window >/dev/null

config="$(mktemp -d)"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; rm -rf "$config"' EXIT
for _ in $(seq 50); do
    [ -e "/tmp/.X11-unix/X${display#:}" ] && break
    sleep 0.1
done

DISPLAY="$display" XDG_CONFIG_HOME="$config" KEL2D_EXIT_AFTER_FIRST_FRAME=1 \
python3 - "$runs" "$here/build/bench/bench/bare_window" "$here/build/bench/app/kel2d" "$model" <<'PY'
import statistics, subprocess, sys, time

runs, bare, program, model = int(sys.argv[1]), sys.argv[2], sys.argv[3], sys.argv[4]
commands = {"bare window": [bare], "kel2d + model": [program, model]}
times = {name: [] for name in commands}
peaks = {name: [] for name in commands}

def once(name):
    start = time.monotonic_ns()
    out = subprocess.run(commands[name], capture_output=True, text=True, timeout=60).stdout
    frame, peak = out.split()[-2:]
    times[name].append((int(frame) - start) / 1e6)
    peaks[name].append(int(peak))

for name in commands:          # warm the page cache, not counted
    subprocess.run(commands[name], capture_output=True, timeout=60)
for i in range(runs):
    order = list(commands) if i % 2 == 0 else list(reversed(commands))
    for name in order:
        once(name)

print(f"{runs} runs, medians (model: {model})")
for name in commands:
    print(f"  {name:14} first frame {statistics.median(times[name]):7.1f} ms"
          f"   VmHWM {statistics.median(peaks[name]) / 1024:6.1f} MiB")
t = statistics.median(times["kel2d + model"]) / statistics.median(times["bare window"])
m = statistics.median(peaks["kel2d + model"]) / statistics.median(peaks["bare window"])
print(f"  ratio          first frame {t:5.2f}x        VmHWM {m:5.2f}x")
PY
