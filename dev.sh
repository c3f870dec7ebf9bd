#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds, and runs Tenvo (./dev.sh run) or every test (./dev.sh test).
# ./dev.sh fuzz [SECONDS] runs the fuzzers alone; ./dev.sh bench runs the benchmarks;
# ./dev.sh package builds the Debian package and checks it. The builds are CMakePresets.json's.
set -euo pipefail
cd "$(dirname "$0")"

# What building and running Tenvo need; what the tests add; what the package and its checks add.
run_packages=(cmake make g++ pkg-config libgmp-dev qt6-base-dev nlohmann-json3-dev
              qt6-translations-l10n fonts-ipafont-gothic qt6-wayland)
test_packages=(libgtest-dev libbenchmark-dev xvfb xauth x11-utils openbox xdotool wmctrl dbus
               dbus-daemon at-spi2-core python3-pyatspi mutter qt6-gtk-platformtheme
               fonts-cantarell adwaita-qt6 clang libclang-rt-14-dev python3 time)
package_packages=(help2man dpkg-dev file lintian desktop-file-utils appstream)
jobs=$(nproc)

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

install_missing() { # install_missing PACKAGE...
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        as_root apt-get update -qq
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
            "${missing[@]}" >/dev/null
    fi
}

build() { # build PRESET
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1" -j "$jobs"
}

run_fuzzer() { # run_fuzzer NAME SECONDS: one fuzzer from its committed corpus
    local work status=0
    work=$(mktemp -d)
    build-fuzz/fuzz/"$1"_fuzzer -max_total_time="$2" -timeout=5 -print_final_stats=1 \
        -artifact_prefix=build-fuzz/"$1"- "$work" fuzz/"$1"_corpus >build-fuzz/"$1".log 2>&1 ||
        status=$?
    rm -rf "$work"
    if [ "$status" -ne 0 ]; then
        tail -n 40 build-fuzz/"$1".log
        echo "The $1 fuzzer found a failing input (saved under build-fuzz/)." >&2
        return "$status"
    fi
    echo "$1 fuzzer: $(grep -E '^(Done|stat::new_units_added)' build-fuzz/"$1".log | tr -s ' ' |
        paste -sd ';')"
}

fuzz() { # fuzz SECONDS: the odds and request fuzzers side by side; any finding fails
    build fuzz
    local pids=() status=0
    run_fuzzer odds "$1" & pids+=($!)
    run_fuzzer request "$1" & pids+=($!)
    for pid in "${pids[@]}"; do
        wait "$pid" || status=1
    done
    return "$status"
}

package() { # the Debian package from build/, checked as a packager and a desktop would check it
    (cd build && rm -f tenvo_*.deb && cpack -G DEB >/dev/null)
    local deb stage
    deb=$(ls build/tenvo_*.deb)
    echo "Checking $deb"
    lintian --fail-on error,warning "$deb" 2>/dev/null
    stage=$(mktemp -d)
    dpkg-deb -x "$deb" "$stage"
    desktop-file-validate "$stage"/usr/share/applications/*.desktop
    appstreamcli validate --no-net "$stage"/usr/share/metainfo/*.metainfo.xml
    "$stage"/usr/bin/tenvo-calc --help >/dev/null
    "$stage"/usr/bin/tenvo --version >/dev/null
    rm -rf "$stage"
    echo "Package checks passed"
}

case "${1:-}" in
run)
    install_missing "${run_packages[@]}"
    build app
    exec build-app/app/tenvo
    ;;
test)
    install_missing "${run_packages[@]}" "${test_packages[@]}" "${package_packages[@]}"
    build dev
    ctest --preset dev -j "$jobs"
    package
    # The core and tenvo-calc once more under AddressSanitizer and UndefinedBehaviorSanitizer;
    # any report fails the run.
    build sanitize
    ctest --preset sanitize -j "$jobs"
    echo "Fuzzing the calculation and the request reader for 60 s"
    fuzz 60
    ;;
fuzz)
    install_missing "${run_packages[@]}" clang libclang-rt-14-dev
    fuzz "${2:-60}"
    ;;
bench)
    install_missing "${run_packages[@]}" libbenchmark-dev xvfb xauth x11-utils python3 time
    build release
    build-release/bench/core_bench
    python3 bench/startup.py build-release 15
    python3 bench/batch_bench.py build-release/cli/tenvo-calc
    ;;
package)
    install_missing "${run_packages[@]}" "${test_packages[@]}" "${package_packages[@]}"
    build dev
    package
    ;;
*)
    echo "usage: $0 run|test|fuzz [SECONDS]|bench|package" >&2
    exit 2
    ;;
esac
