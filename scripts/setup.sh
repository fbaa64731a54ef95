#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need; does nothing when all are present.
set -euo pipefail
PACKAGES=(
  g++ cmake ninja-build ccache pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-serialport-dev qt6-svg-dev qt6-charts-dev
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-image-formats-plugins
  libqt6opengl6-dev libxkbcommon-dev libgl-dev zlib1g-dev fonts-liberation
  libgtest-dev libgmock-dev dbus poppler-utils xdg-utils libxml2-utils libpoppler-qt6-dev
  gnumeric locales libxlsxwriter-dev unzip
  help2man desktop-file-utils appstream shared-mime-info dpkg-dev file python3
  python3-dbus xvfb x11-utils xclip qt6-translations-l10n
  # CAD drawings (writer and an independent reader), shared-folder mounts, package checks.
  libdxflib-dev python3-ezdxf bindfs fuse3 lintian
  # The fuzz targets of scripts/fuzz.sh.
  clang-14 libfuzzer-14-dev
)
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages: ${missing[*]} (run as root to install them)" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
