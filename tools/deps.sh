#!/usr/bin/env bash
# Installs the Debian 12 packages that building and testing VENTRO need.
set -euo pipefail

packages=(
  g++ cmake make pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-qpa-plugins libgl-dev
  fonts-liberation poppler-utils zbar-tools
  libsqlite3-dev  # the benchmarks set the reports beside an SQL database
  libcups2-dev cups-daemon cups  # cups: the socket backend the raw-printing tests print through
  libcurl4-openssl-dev  # the head office upload (FTP, FTP with TLS, SFTP)
  python3-pyftpdlib  # the upload tests' local FTP server
  python3-openssl  # its FTP with TLS
  python3-asyncssh  # the upload tests' local SFTP server
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing+=("$package")
done
if ((${#missing[@]})); then
  sudo_cmd=()
  [[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
fi
