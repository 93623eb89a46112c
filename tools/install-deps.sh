#!/usr/bin/env bash
# Installs the Debian packages the organizer needs to build, run and test,
# only those that are missing. Uses sudo when not run as root.
set -euo pipefail
packages=(build-essential cmake ninja-build pkg-config
          qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libsqlite3-dev
          qt6-multimedia-dev qt6-image-formats-plugins libgl1-mesa-dev
          xvfb xauth sqlite3 poppler-utils)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
