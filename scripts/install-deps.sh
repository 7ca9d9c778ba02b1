#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Karusello need; only what is
# missing. Run as root (or with sudo available) on Debian 12.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev libgl-dev
    libsqlite3-dev libsqlitecpp-dev sqlite3
    unixodbc-dev odbcinst libsqliteodbc
    libxcb1-dev libxcb-ewmh-dev libxcb-icccm4-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth xdotool x11-utils imagemagick
    clang libclang-rt-14-dev
    fonts-dejavu-core
    # The station's package (scripts/build-windows.sh).
    zip unzip
    # The 32-bit Windows build and its tests under Wine (docs/windows.md): the mingw-w64
    # compilers with POSIX threads, GoogleTest's sources to build for Windows, 32-bit Wine, and
    # the 32-bit ODBC driver manager and SQLite driver that Wine's ODBC hands its calls to. The
    # 64-bit compilers build the same program where 32-bit programs cannot run.
    g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix googletest
    wine wine32:i386 wine64
    unixodbc libodbc2:i386 libsqliteodbc:i386
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if ((${#missing[@]} == 0)); then
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then
    sudo_cmd=(sudo)
fi
# The :i386 packages need the architecture; the apt-get update below then fetches its lists.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    "${sudo_cmd[@]}" dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
