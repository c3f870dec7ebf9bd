#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Batch throughput of tenvo-calc: one process for many requests, against one process each.

usage: batch_bench.py TENVO_CALC [REQUESTS] [SAMPLE]
       batch_bench.py TENVO_CALC --against OTHER_TENVO_CALC [REQUESTS] [ROUNDS]
       batch_bench.py TENVO_CALC --budget-against [REQUESTS] [ROUNDS]

Feeds REQUESTS (default 100000) generated requests of 20 entries each (one-decimal odds, about
one in a hundred with an unreadable odds text and one in a thousand that is not JSON) to
`tenvo-calc --batch` and reports requests per second and peak memory; then starts one
`tenvo-calc --json` process for each of SAMPLE (default 300) of the same requests.

With --against, the two programs take turns on the same input for ROUNDS (default 7) rounds,
so that both meet the same load of a shared machine; it prints each one's median rate and
their ratio.

With --budget-against, one program takes turns on the same requests with a budget of 100000
yen added to each and without one.
"""
import json
import random
import statistics
import subprocess
import sys
import tempfile
import time


def requests(n, rng, budget=None):
    for i in range(n):
        odds = [f"{rng.uniform(1.5, 80.0):.1f}" for _ in range(20)]
        if i % 100 == 37:
            odds[rng.randrange(20)] = "abc"
        if i % 1000 == 500:
            yield "{not json\n"
            continue
        request = {"id": i, "count": "20", "odds": odds}
        if budget:
            request["budget"] = budget
        yield json.dumps(request) + "\n"


def run_batch(calc, feed):
    """Runs `calc --batch` on the open file `feed`; returns seconds, answers and peak KiB.

    The answers go to a file, so that only tenvo-calc is timed. GNU time measures the peak: a
    child spawned straight from this process would count this process's memory too, which it
    shares until its exec."""
    feed.seek(0)
    with tempfile.NamedTemporaryFile("r") as peak, tempfile.TemporaryFile() as answers:
        command = ["/usr/bin/time", "-f", "%M", "-o", peak.name, calc, "--batch"]
        start = time.perf_counter()
        subprocess.run(command, stdin=feed, stdout=answers, check=False)
        seconds = time.perf_counter() - start
        answers.seek(0)
        count = sum(chunk.count(b"\n") for chunk in iter(lambda: answers.read(1 << 20), b""))
        return seconds, count, int(peak.read().split()[-1])


def against(runs, n, rounds):
    """runs: two (name, program, feed) in the order they take turns; the ratio is the second's
    rate over the first's."""
    rates = {name: [] for name, _, _ in runs}
    for _ in range(rounds):
        for name, program, feed in runs:
            seconds, answers, _ = run_batch(program, feed)
            assert answers == n, f"{name}: {answers} answers to {n} requests"
            rates[name].append(n / seconds)
    medians = {name: statistics.median(values) for name, values in rates.items()}
    for name, _, _ in runs:
        low, high = min(rates[name]), max(rates[name])
        print(f"{name}: median {medians[name]:,.0f} requests/s "
              f"(from {low:,.0f} to {high:,.0f} over {rounds} rounds)")
    (first, _, _), (second, _, _) = runs
    print(f"ratio {second} / {first}: {medians[second] / medians[first]:.3f}")


def main():
    args = sys.argv[1:]
    other = None
    if "--against" in args:
        at = args.index("--against")
        other = args[at + 1]
        del args[at:at + 2]
    with_budget = "--budget-against" in args
    if with_budget:
        args.remove("--budget-against")
    calc = args[0]
    n = int(args[1]) if len(args) > 1 else 100000
    rounds = int(args[2]) if len(args) > 2 else 7
    lines = list(requests(n, random.Random(20261206)))
    with tempfile.TemporaryFile("w+") as feed, tempfile.TemporaryFile("w+") as budgets:
        feed.writelines(lines)
        feed.flush()
        if other:
            against([(other, other, feed), (calc, calc, feed)], n, rounds)
            return
        if with_budget:
            budgets.writelines(requests(n, random.Random(20261206), budget="100000"))
            budgets.flush()
            against([("no amount", calc, feed), ("budget 100000", calc, budgets)], n, rounds)
            return
        batch_seconds, answers, batch_peak = run_batch(calc, feed)
    assert answers == n, f"{answers} answers to {n} requests"

    sample = int(args[2]) if len(args) > 2 else 300
    start = time.perf_counter()
    for line in lines[:sample]:
        try:
            request = json.loads(line)
        except ValueError:
            continue
        subprocess.run([calc, "--json", "--count", request["count"], "--", *request["odds"]],
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
    single_seconds = time.perf_counter() - start

    batch_rate = n / batch_seconds
    single_rate = sample / single_seconds
    print(f"batch: {n} requests in {batch_seconds:.3f} s = {batch_rate:,.0f} requests/s, "
          f"peak memory {batch_peak / 1024:.1f} MiB")
    print(f"one process per request: {sample} in {single_seconds:.3f} s = "
          f"{single_rate:,.0f} requests/s")
    print(f"batch / one process per request: {batch_rate / single_rate:,.0f} x")


if __name__ == "__main__":
    main()
