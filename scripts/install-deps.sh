#!/bin/sh
# Installs the Debian packages the build, the game and the tests need, if any is missing.
# Runs as root or through sudo; does nothing when everything is already there.
set -e
PACKAGES="build-essential make cmake pkg-config libgtest-dev clang-format
libsdl2-dev libsdl2-mixer-dev libfreetype-dev libpng-dev libjpeg62-turbo-dev zlib1g-dev
libcairo2-dev fonts-ipafont-mincho timgm6mb-soundfont libfluidsynth-dev libvorbis-dev"

missing=""
for p in $PACKAGES; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done
[ -z "$missing" ] && exit 0

echo "Installing:$missing"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends $missing
