#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Zanvik need.
# Runs unattended as root, or as a normal user through sudo. Installs only what is missing.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ clang libclang-rt-14-dev pkg-config
  # libraries
  qt6-base-dev libqt6svg6 libjpeg62-turbo-dev libturbojpeg0-dev libpng-dev zlib1g-dev libgif-dev
  libasio-dev libsqlite3-dev
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool xclip x11-utils imagemagick
  # fonts: Chinese text must never show as boxes
  fonts-wqy-microhei fonts-arphic-gkai00mp fonts-dejavu-core
  # server benchmark peers
  redis-server redis-tools nginx-light curl procps python3
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
