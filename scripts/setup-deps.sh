#!/usr/bin/env bash
# Installs the Debian packages that build, test and run norvik, but only those that are
# missing, so that a second run costs a few dpkg queries.
set -euo pipefail

packages=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-qpa-plugins libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-ipafont-gothic fonts-ipafont-mincho
    xvfb xauth
    # The help: its compiler, its reader for the tests, and a viewer that the desktop opens
    # *.CHM with even where no desktop runs (xdg-open then reads the MIME type and the
    # handler from these packages' databases).
    fp-utils-3.2.2 libchm-bin xdotool
    xchm xdg-utils shared-mime-info desktop-file-utils libfile-mimeinfo-perl
    # The install test validates the menu entries and the software-centre description.
    appstream
    # norvik_calc: its command line, JSON and CSV.
    libcli11-dev nlohmann-json3-dev libcsv-dev
    "$@"
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if ((${#missing[@]} > 0)); then
    echo "Installing: ${missing[*]}"
    sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    "${sudo[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y "${missing[@]}"
fi
