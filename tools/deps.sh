#!/usr/bin/env bash
# Installs what building and testing Duskveil needs on a Debian machine, once.
# Sourced by the run and test scripts; does nothing when all is there.
# Sourced: it leaves the caller's shell options as they are.

dv_need_packages() {
  local pkgs=(cmake ninja-build g++ libgtest-dev g++-mingw-w64-i686 g++-mingw-w64-x86-64
              wine wine64 xvfb xcompmgr xdotool x11-utils imagemagick fonts-wqy-zenhei fonts-noto-cjk fonts-open-sans python3
              python3-pefile strip-nondeterminism unzip locales
              clang libclang-rt-dev)
  local missing=()
  for p in "${pkgs[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
  done
  # The 32-bit Wine loader for the i686 exe.
  dpkg -s wine32:i386 >/dev/null 2>&1 || missing+=("wine32:i386")
  if [ ${#missing[@]} -gt 0 ]; then
    echo "installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo dpkg --add-architecture i386
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
  fi
}

# A locale for each language the program speaks, for Wine to follow (the
# tests run it in each).
dv_need_locales() {
  local loc sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  for loc in zh_CN zh_TW en_US ja_JP ko_KR de_DE fr_FR es_ES ru_RU pt_BR; do
    locale -a 2>/dev/null | grep -qix "$loc.utf8" && continue
    echo "generating the locale $loc.UTF-8"
    $sudo localedef -i "$loc" -f UTF-8 "$loc.UTF-8"
  done
}

dv_need_packages
dv_need_locales
