#!/usr/bin/env bash
# Installs what the build needs when it is missing, so that the README's
# commands work on a fresh machine. Debian packages only.
set -euo pipefail

missing=()
need_command() { command -v "$1" >/dev/null 2>&1 || missing+=("$2"); }
need_file() { [ -e "$1" ] || missing+=("$2"); }

need_command cmake cmake
need_command ninja ninja-build
need_command g++ g++
need_command clang-format clang-format
need_command gcovr gcovr
need_file /usr/include/gtest/gtest.h libgtest-dev
need_file /usr/include/gmock/gmock.h libgmock-dev
need_file /usr/include/benchmark/benchmark.h libbenchmark-dev
need_file /usr/include/freetype2/ft2build.h libfreetype-dev
need_file /usr/include/png.h libpng-dev
need_file /usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf fonts-liberation
need_file /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf fonts-dejavu-core

[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing build dependencies: ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
    echo "Not running as root: run 'sudo apt-get install -y ${missing[*]}' and try again." >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
