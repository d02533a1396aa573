#!/usr/bin/env bash
# Installs the Debian packages the project builds and tests with.
# Idempotent: does nothing when every package is already present.
set -euo pipefail

packages=(
  build-essential cmake time
  libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev
  qt6-base-dev fonts-dejavu-core fonts-dejavu-extra
)

# The fuzz target needs clang with its libFuzzer runtime.
if [ "${1:-}" = "--fuzz" ]; then
  packages=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
