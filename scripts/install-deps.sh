#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need (a CJK font, so the Chinese
# captions show on a fresh machine, and Qt's own Chinese texts for the file dialogs and standard
# buttons); packages already there are skipped. Further package names given as arguments are
# installed the same way (scripts/package.sh names its packaging tools).
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-serialport-dev qt6-translations-l10n libgl-dev   # qt6-base-dev: Widgets, PrintSupport
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    libcli11-dev
    libyaml-cpp-dev                       # reads the set-ups kept as text (YAML)
    librsvg2-bin                          # draws the icon's pictures from its SVG
    desktop-file-utils appstream man-db   # the install test validates what the desktop reads
    locales
    fonts-noto-cjk
    "$@"
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The tests prove that numbers ignore a locale with a decimal comma, so one must exist.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    echo "Generating the de_DE.UTF-8 locale"
    $sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
