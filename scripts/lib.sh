# SPDX-FileCopyrightText: 2026 The Vesquin developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the set-up scripts: install Debian packages only when missing.

vesquin_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# ensure_packages PKG...: installs the packages dpkg does not report as installed.
ensure_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'ok installed'; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Instalando paquetes que faltan: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}

# What building the web edition and testing it in a browser need: the WebAssembly
# compiler, node (which brings npm), the font tools that cut the embedded fonts
# down, and the browser the tests drive.
vesquin_web_packages=(cmake make emscripten nodejs fonttools python3-brotli fonts-liberation
    fonts-comic-neue chromium poppler-utils)

# What building and running the program needs. The teaching view draws with Qt Charts,
# whose CMake files need Qt's OpenGL development files, which its package does not pull in.
# gettext and po4a merge the translations into the menu entry, AppStream data and man page.
vesquin_build_packages=(cmake g++ make python3 libcups2-dev qt6-base-dev qt6-translations-l10n fonts-liberation fonts-comic-neue
    qt6-charts-dev libqt6opengl6-dev libfontconfig-dev libxcb1-dev gettext po4a)

# What building the Debian package and checking it needs, beyond the build packages.
vesquin_package_packages=(debhelper dpkg-dev fakeroot lintian)
