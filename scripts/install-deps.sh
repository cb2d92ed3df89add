#!/usr/bin/env bash
# Installs the Debian packages the build, the test suite and scripts/make-pictures.sh need
# (rsvg-convert comes in librsvg2-bin, soffice in libreoffice-writer-nogui, pdftoppm in
# poppler-utils; Xvfb and xclip check the clipboard on a real X server, desktop-file-utils and
# shared-mime-info the desktop's files), and only those that are missing; quiet and quick when everything is there.
# `--fuzz` adds clang's libFuzzer.
set -euo pipefail

packages=(cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev libbenchmark-dev
          nlohmann-json3-dev libcli11-dev libfreetype-dev fonts-liberation
          python3-ezdxf emf2svg librsvg2-bin locales
          qt6-base-dev qt6-svg-dev qt6-qpa-plugins libgl-dev
          libreoffice-writer-nogui poppler-utils
          xvfb xclip desktop-file-utils shared-mime-info)
if [[ "${1:-}" == "--fuzz" ]]; then
  packages=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
sudo=""
[[ $(id -u) -ne 0 ]] && sudo="sudo"
if [[ ${#missing[@]} -gt 0 ]]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The card writer must write a decimal point under a decimal-comma locale; the tests need one.
if [[ "${1:-}" != "--fuzz" ]] && ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  $sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
