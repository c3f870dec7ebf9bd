#!/usr/bin/env bash
# Installs what is missing, builds, and runs Tenvo (./dev.sh run) or every test (./dev.sh test).
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake make g++ pkg-config libgtest-dev qt6-base-dev fonts-ipafont-gothic
          xvfb xauth locales)
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

case "${1:-}" in
run)
    install_missing
    build build -DTENVO_BUILD_UI=ON
    exec build/app/tenvo
    ;;
test)
    install_missing
    build build -DTENVO_BUILD_UI=ON
    (cd build && ctest --output-on-failure -j "$jobs")
    # The core and tenvo-calc once more under AddressSanitizer and UndefinedBehaviorSanitizer;
    # any report fails the run.
    sanitize="-fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all"
    build build-sanitize -DTENVO_BUILD_UI=OFF -DCMAKE_CXX_FLAGS="$sanitize -fno-omit-frame-pointer"
    (cd build-sanitize &&
        ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
            ctest --output-on-failure -j "$jobs")
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
