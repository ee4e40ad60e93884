#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build, the tests, the
# screenshots and the Debian package need and this machine lacks. Safe to run
# again: it does nothing when everything is already there.
set -euo pipefail

packages=(
  g++ cmake make pkg-config ccache
  qt6-base-dev qt6-base-dev-tools libqt6svg6-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth imagemagick poppler-utils desktop-file-utils
  fonts-dejavu-core fonts-liberation
  # cpack -G DEB: `file` finds the executables and dpkg-shlibdeps (dpkg-dev)
  # turns their libraries into Depends; help2man writes quillon-table's
  # manual page from its --help.
  dpkg-dev file help2man
  # The packaging tests: the MIME definition, the software-centre entry and
  # the built package are checked by the tools that read them.
  shared-mime-info libglib2.0-bin libxml2-utils appstream lintian
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
