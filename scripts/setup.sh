#!/usr/bin/env bash
# Installs the Debian packages the project uses (safe to run again) and builds
# the program, its tools, tests and benchmarks into build/ (or $1).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build}
shift || true

packages=(
    build-essential cmake pkg-config clang clang-format
    qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgl-dev
    unixodbc unixodbc-dev tdsodbc freetds-bin libsqliteodbc
    libsqlite3-dev sqlite3
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    xvfb
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo_cmd=""
    [ "$(id -u)" -eq 0 ] || sudo_cmd=sudo
    $sudo_cmd apt-get update -qq || true
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y "${missing[@]}"
fi

cmake -S "$top" -B "$build" "$@"
cmake --build "$build" -j2
