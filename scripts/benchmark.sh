#!/bin/sh
# Times the drawing job on the largest example, in one run: the whole `cadhost draw` (reading
# the design, drawing, DXF and PNG; median of CORBEL_BENCH_RUNS runs, 7 by default, in wall
# time and in processor time of all its threads), the steps of that job (medians of as many
# runs of cadhost_benchmark --job; the DXF and the PNG are made side by side), and the DXF
# writing of that drawing by cadhost against ezdxf writing the same drawing (both into
# memory, median of the same number of runs, in processor time so that a busy machine does
# not tilt the comparison). Builds what it needs in build/ first.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${CORBEL_BUILD_DIR:-$root/build}
runs=${CORBEL_BENCH_RUNS:-7}
cmake -S "$root" -B "$build" -G Ninja >/dev/null
cmake --build "$build" -j "$(nproc 2>/dev/null || echo 2)" --target cadhost corbeldraw corbelkit cadhost_benchmark >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export CORBEL_REGISTRY="$work/registry"
"$build/plugin/tools/corbel-register" "$root" >/dev/null 2>&1 || true

# The largest example: the one whose drawing has the largest DXF.
largest=""
largest_size=0
for design in "$root"/examples/*.glt; do
  "$build/host/cadhost" draw "$design" -o "$work/probe" >/dev/null
  size=$(wc -c <"$work/probe/$(basename "$design" .glt).dxf")
  if [ "$size" -gt "$largest_size" ]; then
    largest=$design
    largest_size=$size
  fi
done
name=$(basename "$largest" .glt)

"${CORBEL_PYTHON:-/usr/bin/python3}" - "$build" "$largest" "$work" "$runs" <<'PY'
import io, os, statistics, subprocess, sys, time
import ezdxf

build, design, work, runs = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4])
name = design.rsplit("/", 1)[-1][:-4]
jobs, cpu = [], []
for _ in range(runs):
    t0, c0 = time.perf_counter(), os.times()
    subprocess.run([build + "/host/cadhost", "draw", design, "-o", work + "/out"], check=True,
                   stdout=subprocess.DEVNULL)
    c1 = os.times()
    jobs.append(time.perf_counter() - t0)
    cpu.append(c1.children_user + c1.children_system - c0.children_user - c0.children_system)
steps = {}
for _ in range(runs):
    out = subprocess.run([build + "/host/cadhost_benchmark", "--job", design, "-o", work + "/steps"], check=True,
                         capture_output=True, text=True).stdout
    for line in out.splitlines():
        if line.startswith("stage\t"):
            _, seconds, step = line.split("\t", 2)
            steps.setdefault(step, []).append(float(seconds))
drawing = work + "/out/" + name + ".dxf"
out = subprocess.run([build + "/host/cadhost_benchmark", "--dxf", drawing, "--runs", str(runs)], check=True,
                     capture_output=True, text=True).stdout
ours = float(out.strip().splitlines()[-1])
doc = ezdxf.readfile(drawing)
theirs = []
for _ in range(runs):
    t0 = time.process_time()
    doc.write(io.StringIO())
    theirs.append(time.process_time() - t0)
theirs = statistics.median(theirs)
print(f"largest example: {name}.glt")
print(f"whole job (cadhost draw: read, draw, DXF, PNG), median of {runs}: {statistics.median(jobs):.3f} s "
      f"({statistics.median(cpu):.3f} s of processor time)")
print("steps of the job (wall time, median):")
for step, times in steps.items():
    print(f"  {statistics.median(times) * 1000:7.1f} ms  {step}")
print(f"DXF writing: cadhost {ours * 1000:.2f} ms, ezdxf {theirs * 1000:.1f} ms, {theirs / ours:.0f} times faster")
PY
