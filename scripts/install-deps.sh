#!/usr/bin/env bash
# install-deps.sh [package...]: installs the Debian packages the tool needs
# to build, run, test and install, and any packages named, skipping the step
# entirely when all of them are present already.
set -eu
packages="build-essential cmake qtbase5-dev libqt5xml5 libquazip1-qt5-dev zlib1g-dev libxcb1-dev
          xvfb xauth x11-utils openbox xdotool fonts-liberation fonts-dejavu-core python3 desktop-file-utils $*"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
as_root=""
[ "$(id -u)" -eq 0 ] || as_root="sudo"
$as_root apt-get update -qq
DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y -qq $missing
