#!/usr/bin/env python3
"""One `lmk17-cli identify`, then ten (or RUNS) `lmk17-cli identify` in a row against `lmk17-sim --pace` at
19200 Bd, the way a script on a plant runs one command after another.

Prints per run the wall time and the time from the process start to its first
request on the line (taken from the simulator's trace), then the totals: the
wire time of all frames both ways (11 bits a byte), the process starts (the
same number of runs of a command that opens no port), and the ratio

    total / (wire time + process starts)

Usage: bench/identify_series.py [RUNS] (default 10); LMK17_BUILD_DIR picks the
build folder (default build/).
"""
import datetime
import os
import re
import subprocess
import sys
import tempfile
import time

root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
build = os.environ.get("LMK17_BUILD_DIR", os.path.join(root, "build"))
cli = os.path.join(build, "src", "lmk17-cli")
sim = os.path.join(build, "sim", "lmk17-sim")
runs = int(sys.argv[1]) if len(sys.argv) > 1 else 10
baud = 19200


def main():
    mark = 0.0
    with tempfile.TemporaryDirectory() as tmp:
        trace = os.path.join(tmp, "sim.trace")
        simp = subprocess.Popen([sim, "--pace", "--baud", str(baud), "--trace", trace],
                                stdout=subprocess.PIPE, text=True)
        try:
            device = simp.stdout.readline().strip()
            # One identify before the series: the runs measured follow a
            # clean previous command, as in a script.
            subprocess.run([cli, "--port", device, "--baud", str(baud), "identify"],
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            time.sleep(0.2)
            mark = time.time()
            starts = []
            walls = []
            for _ in range(runs):
                t0 = time.time()
                r = subprocess.run([cli, "--port", device, "--baud", str(baud), "identify"],
                                   stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
                walls.append(time.time() - t0)
                starts.append(t0)
                if r.returncode != 0:
                    sys.exit("identify failed: " + r.stderr)
            time.sleep(0.2)
        finally:
            simp.terminate()
            simp.wait()
        with open(trace, encoding="utf-8") as f:
            lines = f.read().splitlines()
    # "0.195 -- trace started 2026-12-09T07:45:26.460"
    m = re.search(r"trace started (\S+)", lines[0])
    origin = datetime.datetime.fromisoformat(m.group(1)).timestamp()
    wire_bytes = 0
    firsts = []
    run = 0
    for line in lines:
        fields = line.split("|")[0].split()
        if len(fields) < 2 or fields[1] not in ("PC>TX", "<TX"):
            continue
        at = origin + float(fields[0]) / 1000.0
        if at < mark:
            continue
        wire_bytes += len(fields) - 2
        if fields[1] == "PC>TX":
            while run < len(starts) and at >= starts[run] and len(firsts) == run:
                firsts.append(at - starts[run])
                run += 1
    wire = wire_bytes * 11.0 / baud
    t0 = time.time()
    for _ in range(runs):
        subprocess.run([cli, "frame", "read", "0", "float"], stdout=subprocess.DEVNULL)
    process_starts = time.time() - t0
    total = sum(walls)
    for i, w in enumerate(walls):
        first = firsts[i] if i < len(firsts) else float("nan")
        print(f"run {i + 1:2d}: {w:6.3f} s, first request after {first:6.3f} s")
    print(f"{runs} x identify: {total:.3f} s; wire time {wire:.3f} s ({wire_bytes} bytes); "
          f"process starts {process_starts:.3f} s")
    print(f"total / (wire + starts) = {total / (wire + process_starts):.2f}; "
          f"(total - starts) / wire = {(total - process_starts) / wire:.2f}")


if __name__ == "__main__":
    main()
