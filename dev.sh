#!/usr/bin/env bash
# Installs what is missing, builds, and runs Tenvo (./dev.sh run) or every test (./dev.sh test).
# ./dev.sh fuzz [SECONDS] runs the fuzzer alone; ./dev.sh bench runs the benchmarks.
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake make g++ pkg-config libgtest-dev qt6-base-dev nlohmann-json3-dev fonts-ipafont-gothic
          xvfb xauth locales clang libclang-rt-14-dev libbenchmark-dev python3 time)
jobs=$(nproc)

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        as_root apt-get update -qq
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
            "${missing[@]}" >/dev/null
    fi
    # A locale with a decimal comma, so the tests can show numbers read the same in every locale.
    if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
        as_root sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen 2>/dev/null &&
            as_root locale-gen >/dev/null 2>&1 || echo "note: could not generate de_DE.UTF-8"
    fi
}

build() { # build DIR [cmake options...]
    local dir=$1
    shift
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
}

fuzz() { # fuzz SECONDS: the odds fuzzer from the committed corpus; any finding fails
    build build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DTENVO_BUILD_UI=OFF -DTENVO_BUILD_TESTS=OFF \
        -DTENVO_BUILD_FUZZER=ON
    local work status=0
    work=$(mktemp -d)
    build-fuzz/fuzz/odds_fuzzer -max_total_time="$1" -timeout=5 -print_final_stats=1 \
        -artifact_prefix=build-fuzz/ "$work" fuzz/corpus >build-fuzz/fuzz.log 2>&1 || status=$?
    rm -rf "$work"
    if [ "$status" -ne 0 ]; then
        tail -n 40 build-fuzz/fuzz.log
        echo "The fuzzer found a failing input (saved under build-fuzz/)." >&2
        return "$status"
    fi
    grep -E '^(Done|stat::number_of_executed_units|stat::new_units_added)' build-fuzz/fuzz.log
}

case "${1:-}" in
run)
    install_missing
    build build -DTENVO_BUILD_UI=ON
    exec build/app/tenvo
    ;;
test)
    install_missing
    build build -DTENVO_BUILD_UI=ON -DTENVO_BUILD_BENCHMARKS=ON
    (cd build && ctest --output-on-failure -j "$jobs")
    # The core and tenvo-calc once more under AddressSanitizer and UndefinedBehaviorSanitizer;
    # any report fails the run.
    sanitize="-fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all"
    build build-sanitize -DTENVO_BUILD_UI=OFF -DCMAKE_CXX_FLAGS="$sanitize -fno-omit-frame-pointer"
    (cd build-sanitize &&
        ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
            ctest --output-on-failure -j "$jobs")
    echo "Fuzzing the calculation for 60 s"
    fuzz 60
    ;;
fuzz)
    install_missing
    fuzz "${2:-60}"
    ;;
bench)
    install_missing
    cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DTENVO_BUILD_TESTS=OFF \
        -DTENVO_BUILD_BENCHMARKS=ON >/dev/null
    cmake --build build-bench -j "$jobs"
    build-bench/bench/core_bench
    python3 bench/startup.py build-bench 15
    python3 bench/batch_bench.py build-bench/app/tenvo-calc
    ;;
*)
    echo "usage: $0 run|test|fuzz [SECONDS]|bench" >&2
    exit 2
    ;;
esac
