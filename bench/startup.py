#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Start-up of Tenvo against a bare Qt window: time from launch to first paint, and peak memory.

Usage: bench/startup.py [BUILD_DIR] [RUNS]   (defaults: build 15)
Both programs run alternately on the same display; without one, a private Xvfb is started
(or, failing that, Qt's offscreen platform is used). Prints medians and Tenvo/bare ratios.
"""
import os
import shutil
import statistics
import subprocess
import sys
import time


def run_once(program, env):
    start = time.monotonic_ns()
    process = subprocess.Popen([program], env=env, stdout=subprocess.PIPE,
                               stderr=subprocess.DEVNULL, text=True)
    painted = None
    for line in process.stdout:
        if line.startswith("first-paint-ns "):
            painted = int(line.split()[1])
    _, status, usage = os.wait4(process.pid, 0)
    if painted is None or status != 0:
        sys.exit(f"{program} did not report its first paint (status {status})")
    return (painted - start) / 1e6, usage.ru_maxrss / 1024  # ms, MiB


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build"
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 15
    programs = {"tenvo": f"{build}/app/tenvo", "bare": f"{build}/bench/bare_window"}
    env = dict(os.environ, TENVO_REPORT_FIRST_PAINT="1")
    xvfb = None
    if not env.get("DISPLAY") and not env.get("WAYLAND_DISPLAY"):
        if shutil.which("Xvfb"):
            xvfb = subprocess.Popen(["Xvfb", ":97", "-screen", "0", "1024x768x24"],
                                    stderr=subprocess.DEVNULL)
            time.sleep(1)
            env["DISPLAY"] = ":97"
        else:
            env["QT_QPA_PLATFORM"] = "offscreen"
    try:
        for program in programs.values():  # warm the file cache
            run_once(program, env)
        samples = {name: [] for name in programs}
        for _ in range(runs):
            for name, program in programs.items():
                samples[name].append(run_once(program, env))
    finally:
        if xvfb:
            xvfb.terminate()
    platform = env.get("QT_QPA_PLATFORM", "xcb on " + env["DISPLAY"])
    print(f"{runs} runs each, platform {platform}")
    medians = {}
    for name, values in samples.items():
        medians[name] = (statistics.median(v[0] for v in values),
                         statistics.median(v[1] for v in values))
        print(f"{name:6} first paint {medians[name][0]:7.1f} ms   peak memory "
              f"{medians[name][1]:6.1f} MiB")
    print(f"ratio  first paint {medians['tenvo'][0] / medians['bare'][0]:7.2f}      "
          f"peak memory {medians['tenvo'][1] / medians['bare'][1]:6.2f}")


if __name__ == "__main__":
    main()
