#!/usr/bin/env bash
# Installs the Debian 12 packages Quillmark needs to build, run and test.
# Idempotent and quiet when everything is already there.
set -euo pipefail

PACKAGES=(
    build-essential cmake ninja-build pkg-config git
    qt6-base-dev qt6-base-private-dev qt6-declarative-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
    qt6-svg-dev libqt6svg6 libqt6opengl6-dev libgl-dev qt6-qpa-plugins
    qml6-module-qtqml qml6-module-qtqml-workerscript qml6-module-qtquick
    qml6-module-qtquick-window qml6-module-qtquick-controls qml6-module-qtquick-templates
    qml6-module-qtquick-layouts qml6-module-qtquick-dialogs qml6-module-qtquick-shapes
    qml6-module-qttest qml6-module-qt-labs-platform qml6-module-qt-labs-folderlistmodel
    libxcb1-dev libxcb-keysyms1-dev libx11-dev libx11-xcb-dev
    libgtest-dev libbenchmark-dev clang-format librsvg2-bin
    g++-mingw-w64-x86-64-posix x11-xkb-utils xdg-desktop-portal-kde libkf5globalaccel-bin
    libglib2.0-bin
    xvfb openbox trayer xdotool x11-utils imagemagick xcompmgr weston xwayland
    x11-xserver-utils fluxbox procps passwd util-linux
    fonts-noto-cjk fonts-liberation2
    nginx-light curl libssl-dev openssl
    ccache x11-xserver-utils desktop-file-utils appstream dpkg-dev file gzip passwd
    sway foot grim wayvnc xdg-desktop-portal xdg-desktop-portal-wlr xdg-desktop-portal-gtk
    pipewire dbus dbus-x11
    at-spi2-core python3-pyatspi dbus-daemon dbus-bin
)

missing=()
for p in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
