#!/usr/bin/env bash
# Installs what building, running and testing Lalora needs on Debian 12 (as root).
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
apt-get install -y -q \
  build-essential cmake ninja-build pkg-config \
  qt6-base-dev qt6-webengine-dev libqt6webenginecore6-bin libgl-dev \
  libsqlcipher-dev sqlcipher libcurl4-openssl-dev libpugixml-dev libx11-dev \
  zlib1g-dev liblzma-dev \
  libgtest-dev libgmock-dev libcpp-httplib-dev \
  fonts-wqy-zenhei xvfb xauth xdotool x11-utils imagemagick
# Ruffle comes from the npm registry at build time; use the machine's Node.js if it has one.
if ! command -v npm >/dev/null 2>&1; then
  apt-get install -y -q nodejs npm
fi
