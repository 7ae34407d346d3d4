#!/usr/bin/env bash
# Installs every Debian 12 package the build, the tests and the external checks need.
set -euo pipefail
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
$SUDO apt-get update -qq
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
  g++ cmake ninja-build pkg-config \
  qt6-base-dev qt6-svg-dev qt6-tools-dev qt6-l10n-tools \
  libxml2-dev libxml2-utils libjpeg-dev libgtest-dev libgmock-dev libbenchmark-dev \
  clang clang-format libclang-rt-14-dev ccache \
  fontconfig fonts-dejavu-core fonts-liberation2 \
  xvfb xauth x11-utils imagemagick poppler-utils librsvg2-bin python3-ezdxf librecad time locales \
  xdotool qt6-documentation-tools libqt6sql6-sqlite dbus at-spi2-core python3-pyatspi \
  lintian desktop-file-utils appstream shared-mime-info xdg-utils libfile-mimeinfo-perl \
  dpkg-dev file \
  libqpdf-dev pybind11-dev python3-dev python3-pytest
# A comma-decimal locale for the tests that check independence of the process locale.
locale -a 2>/dev/null | grep -qi '^de_DE.utf-\?8$' || $SUDO localedef -i de_DE -f UTF-8 de_DE.UTF-8
