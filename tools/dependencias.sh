#!/usr/bin/env bash
# Installs the Debian packages the project needs and that this machine lacks.
# Usage: tools/dependencias.sh [programa|testes]
#   programa: what building, running and packaging the program needs;
#   testes:   that plus what the tests, the real-window checks and the benchmarks need.
set -euo pipefail

programa=(build-essential dpkg-dev cmake pkg-config qt6-base-dev libpulse-dev libgl-dev fonts-dejavu-core)
testes=(googletest libgtest-dev libgmock-dev libbenchmark-dev clang-format clang
        desktop-file-utils xvfb xauth x11-utils x11-xserver-utils xdotool libxcb1-dev trayer pulseaudio pulseaudio-utils sox imagemagick
        appstream librsvg2-bin dbus-daemon dbus-bin python3-dbus python3-dbusmock python3-gi clang-tidy
        dovecot-core dovecot-pop3d dovecot-imapd openssl weston qt6-wayland debhelper devscripts lintian
        nm-tray)

pacotes=("${programa[@]}")
if [[ "${1:-programa}" == testes ]]; then
    pacotes+=("${testes[@]}")
fi

faltam=()
for p in "${pacotes[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        faltam+=("$p")
    fi
done
[[ ${#faltam[@]} -eq 0 ]] && exit 0

echo "Instalando: ${faltam[*]}"
sudo=()
if [[ $(id -u) -ne 0 ]]; then
    sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${faltam[@]}"
