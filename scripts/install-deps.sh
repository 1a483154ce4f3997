#!/usr/bin/env bash
# Installs every Debian package Tarnwick needs to build, test and run.
# Idempotent: only missing packages are installed; sudo only when not root.
#   --screenshot  also what `make screenshot` needs (a Japanese font among it)
#   --package     also what `make deb` needs to build and check the package
#   --maintainer  also what scripts/render-icons.sh needs
#   --bench       also the command-line tools `make bench` measures against
set -euo pipefail

packages=(
    build-essential
    cmake
    ninja-build
    pkg-config
    qt6-base-dev
    qt6-base-dev-tools
    # translations: lupdate and lrelease, and Qt's own texts for its dialogs
    qt6-tools-dev
    qt6-l10n-tools
    qt6-translations-l10n
    libqt6svg6
    libglib2.0-dev
    shared-mime-info
    gvfs
    gvfs-backends
    gvfs-fuse
    openssh-server
    samba
    adwaita-icon-theme
    hicolor-icon-theme
    fonts-dejavu-core
    fonts-liberation2
    fontconfig
    poppler-utils
    libxcb1-dev
    xvfb
    xauth
    xdotool
    desktop-file-utils
    appstream
    man-db
    groff-base
    dbus-daemon
    libglib2.0-bin
    libarchive-dev
    zip
    unzip
    p7zip-full
    zstd
    python3
    xdg-utils
    # a disk service of the tests' own, for a real disk's round trip
    udisks2
    udev
    e2fsprogs
    mount
)
for option in "$@"; do
    case $option in
    --screenshot) packages+=(imagemagick x11-utils fonts-vlgothic) ;;
    --package) packages+=(dpkg-dev file lintian) ;;
    --maintainer) packages+=(librsvg2-bin) ;;
    --bench) packages+=(fd-find findutils grep) ;;
    *) echo "install-deps: unknown option $option" >&2; exit 2 ;;
    esac
done

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
