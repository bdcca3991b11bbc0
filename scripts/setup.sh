#!/usr/bin/env bash
# Installs every Debian package Lumena needs to build, run and test, and
# fetches the sample portrait. Safe to run again: it skips what is there.
set -euo pipefail

PACKAGES=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-multimedia-dev gstreamer1.0-plugins-good qt6-image-formats-plugins
  libmagick++-dev libmagickcore-6.q16-6-extra ghostscript libgsf-1-dev libsane-dev sane-utils
  libopencv-objdetect-dev libopencv-imgproc-dev libopencv-imgcodecs-dev opencv-data
  libcurl4-openssl-dev libcpp-httplib-dev libpixman-1-dev libjpeg62-turbo-dev zlib1g-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth libx11-dev libxtst-dev imagemagick poppler-utils python3-olefile python3-pil python3-numpy
  fontconfig fonts-dejavu-core fonts-liberation2
  clang libclang-rt-14-dev clang-tidy clang-format
)

here=$(cd "$(dirname "$0")/.." && pwd)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then
    sudo_cmd=(sudo)
  elif [ ${#missing[@]} -gt 0 ]; then
    echo "Lumena set-up: these packages are missing and you are not root:" >&2
    echo "  apt-get update && apt-get install -y --no-install-recommends ${missing[*]}" >&2
    echo "Run that as root, then run this script again." >&2
    exit 1
  fi
fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "Lumena set-up: installing ${missing[*]}"
  "${sudo_cmd[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The sample portrait: a public-domain photograph from Debian's scikit-image
# package, unpacked without installing the package.
sample="$here/third_party/samples/astronaut.png"
if [ ! -s "$sample" ]; then
  tmp=$(mktemp -d)
  trap 'rm -rf "$tmp"' EXIT
  (cd "$tmp" && apt-get download python3-skimage >/dev/null 2>&1 || { "${sudo_cmd[@]}" apt-get update -q && apt-get download python3-skimage; })
  dpkg-deb -x "$tmp"/python3-skimage_*.deb "$tmp/x"
  mkdir -p "$(dirname "$sample")"
  cp "$(find "$tmp/x" -name astronaut.png | head -n 1)" "$sample"
fi
