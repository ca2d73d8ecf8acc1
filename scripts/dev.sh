#!/usr/bin/env bash
# Set-up, build and test entry point for a Debian 12 machine.
#   scripts/dev.sh run [MODEL.kel]   install what is missing, build, start the program
#   scripts/dev.sh test              install what is missing, build, run every test
#   scripts/dev.sh asan              core tests under AddressSanitizer and UBSan
#   scripts/dev.sh fuzz [SECONDS]    build the fuzz targets with clang and run each briefly
#   scripts/dev.sh bench             build optimised and run the benchmarks
#   scripts/dev.sh format-check      fail on any C++ file that .clang-format would change
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$here"

packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-svg-dev libgl-dev libxlsxwriter-dev
          libeigen3-dev
          libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core)
test_packages=(python3-openpyxl)   # the workbook tests read the .xlsx back
fuzz_packages=(clang libclang-rt-14-dev)
bench_packages=(liblapack-dev)   # the reference solver of the benchmarks only
format_packages=(clang-format)   # Debian 12's: clang-format 14

install_missing() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

jobs="$(nproc 2>/dev/null || echo 2)"

build() {  # build PRESET [targets...]
    local preset="$1"; shift
    cmake --preset "$preset" >/dev/null
    if [ $# -gt 0 ]; then
        cmake --build --preset "$preset" -j "$jobs" --target "$@"
    else
        cmake --build --preset "$preset" -j "$jobs"
    fi
}

# The layout is clang-format 14's (Debian 12's package): another version lays
# out some lines differently, so it is refused rather than trusted.
format_check() {
    local tool=clang-format-14
    command -v "$tool" >/dev/null || tool=clang-format
    local version
    version="$("$tool" --version | sed -n 's/.*clang-format version \([0-9]*\).*/\1/p')"
    if [ "$version" != 14 ]; then
        echo "format-check needs clang-format 14 (Debian 12's clang-format); found: $("$tool" --version)" >&2
        return 1
    fi
    local files
    mapfile -t files < <(find src tests tools bench fuzz app -type f \( -name '*.cpp' -o -name '*.h' \) | sort)
    "$tool" --style=file --dry-run --Werror "${files[@]}"
    echo "format-check: ${#files[@]} files laid out as .clang-format says"
}

cmd="${1:-}"; [ $# -gt 0 ] && shift
case "$cmd" in
run)
    install_missing "${packages[@]}"
    build default kel2d
    exec "$here/build/default/app/kel2d" "$@"
    ;;
test)
    install_missing "${packages[@]}" "${test_packages[@]}"
    build default
    ctest --preset default -j "$jobs"
    ;;
asan)
    install_missing "${packages[@]}" "${test_packages[@]}"
    build asan
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        ctest --preset asan -j "$jobs"
    ;;
fuzz)
    install_missing "${packages[@]}" "${fuzz_packages[@]}"
    seconds="${1:-40}"
    build fuzz
    for target in build/fuzz/fuzz/fuzz_*; do
        [ -f "$target" ] && [ -x "$target" ] || continue
        name="$(basename "$target")"
        corpus="$here/fuzz/corpus/${name#fuzz_}"
        work="$(mktemp -d)"
        seeds=()
        [ -d "$corpus" ] && seeds=("$corpus")
        echo "Fuzzing $name for ${seconds}s"
        # A crashing input is kept under build/, never in the source tree.
        mkdir -p "$here/build/fuzz/artifacts"
        "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
            -artifact_prefix="$here/build/fuzz/artifacts/$name-" \
            -print_final_stats=1 "$work" "${seeds[@]}" 2>&1 | tail -n 12
        rm -rf "$work"
    done
    ;;
format-check)
    install_missing "${format_packages[@]}"
    format_check
    ;;
bench)
    install_missing "${packages[@]}" "${bench_packages[@]}"
    build bench kel2d_bench
    QT_QPA_PLATFORM=offscreen "$here/build/bench/bench/kel2d_bench" "$@"
    ;;
*)
    sed -n '2,8p' "${BASH_SOURCE[0]}" | sed 's/^# \{0,1\}//'
    exit 64
    ;;
esac
