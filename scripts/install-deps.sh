#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need, only when one is missing.
set -euo pipefail
packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-svg-dev
  libqt6svg6 qt6-qpa-plugins libgl-dev libxkbcommon-dev
  libpugixml-dev libcpp-httplib-dev libsqlite3-dev libssl-dev zlib1g-dev libzip-dev
  libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core xdg-utils curl openssl
  qtkeychain-qt6-dev librsvg2-bin desktop-file-utils appstream dpkg-dev file
  qt6-translations-l10n
  clang libclang-rt-dev llvm # sanitized build and libFuzzer (llvm: readable sanitizer stack traces)
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
