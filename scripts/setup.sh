#!/usr/bin/env bash
# Installs what the build and the tests need when it is missing (Debian packages).
set -euo pipefail

need=()
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
# libx11-dev, libncurses-dev and libjpeg-dev: headers that a host test includes before the library's.
for pkg in cmake g++ make libgtest-dev libgmock-dev libbenchmark-dev gettext libicu-dev icu-devtools \
  opencc libopencc-dev libx11-dev libncurses-dev libjpeg-dev; do
  have_pkg "$pkg" || need+=("$pkg")
done
for pkg in "$@"; do
  have_pkg "$pkg" || need+=("$pkg")
done

if ((${#need[@]})); then
  echo "setup: installing ${need[*]}" >&2
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi
