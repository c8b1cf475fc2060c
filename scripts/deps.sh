#!/bin/bash
# Installs the Debian packages the planner needs to build, run and test,
# when any is missing. Safe to run again: it does nothing when all are there.
set -euo pipefail
packages=(qt6-base-dev qt6-qpa-plugins libgtest-dev cmake ninja-build g++ fonts-wine
          xvfb xdotool imagemagick x11-utils libbenchmark-dev
          dpkg-dev lintian desktop-file-utils appstream at-spi2-core dbus python3-pyatspi)
missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -eq 0 ]; then exit 0; fi
echo "installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
