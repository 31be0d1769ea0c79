#!/usr/bin/env bash
# Installs the Debian packages the build, the game and the tests need, skipping those present.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config libgtest-dev libgmock-dev libbenchmark-dev
  libsdl2-dev libx11-dev libxi-dev libgl-dev libegl-dev libgl1-mesa-dri libegl-mesa0 mesa-utils xvfb xauth
  libbullet-dev libopenal-dev libsndfile1-dev libvorbis-dev libassimp-dev libstb-dev libfreetype-dev fonts-dejavu-core
  libavformat-dev libavcodec-dev libswscale-dev libavutil-dev
  zlib1g-dev ffmpeg sox xdotool assimp-testmodels openarena-081-maps imagemagick python3
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Need root or sudo to install: ${missing[*]}" >&2; exit 1; }
  sudo="sudo"
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
