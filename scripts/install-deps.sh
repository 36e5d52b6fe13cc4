#!/usr/bin/env bash
# Installs the Debian 12 packages that Skyvane needs, only those that are missing; uses sudo
# when not run as root.
#   scripts/install-deps.sh run    what building and playing need
#   scripts/install-deps.sh test   that, and the tools of the test suite and of the package
set -euo pipefail

run_packages=(
  g++ cmake make
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-wayland libsdl2-dev libenet-dev
  fonts-noto-cjk fonts-dejavu-core
)
test_packages=(
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xauth xdotool x11-utils wmctrl imagemagick openbox weston
  dpkg-dev file lintian desktop-file-utils appstream appstream-compose
)

case "${1:-}" in
  run) packages=("${run_packages[@]}") ;;
  test) packages=("${run_packages[@]}" "${test_packages[@]}") ;;
  *) echo "usage: $0 run|test" >&2; exit 64 ;;
esac

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
if [ "$(id -u)" -ne 0 ]; then as_root=(sudo); fi
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
