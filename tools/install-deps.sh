#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the demo need.
# Idempotent: packages already present are skipped, and apt is not touched
# at all when nothing is missing. Run as root (CI and fresh machines are).
set -euo pipefail

packages=(
  cmake make git ca-certificates
  # asset generators (tools/make-assets.sh): PNG inside the icon
  zlib1g-dev
  # cross compiler: C++17, posix threads, static runtime
  g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev
  # native core, sanitizers, fuzzing, offscreen GL
  clang-14 libclang-rt-14-dev libosmesa6-dev libgl1-mesa-dev libglu1-mesa-dev
  googletest libgtest-dev libgmock-dev
  # Windows runtime, display, input, screenshots
  wine64 wine xvfb xauth xdotool x11-utils imagemagick
  # several monitors for Wine: a Xinerama display of two screens
  xserver-xephyr
  # monitors plugged, unplugged and changed while a session runs: Xorg's dummy driver (RandR outputs)
  xserver-xorg-core xserver-xorg-video-dummy x11-xserver-utils
  # MP3 through MCI inside Wine; making test audio
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-libav
  sox libsox-fmt-mp3
  # Japanese glyphs for the dialog
  fonts-ipafont-gothic locales
  # release: installer, code signing, zip (tools/release.sh and its tests)
  nsis osslsigncode openssl zip unzip
  # signing through a PKCS#11 token: OpenSSL's pkcs11 engine (osslsigncode
  # 2.x loads it for -pkcs11module); the tests' token SoftHSM2, and
  # pkcs11-tool (opensc) to make a key inside it
  libengine-pkcs11-openssl softhsm2 opensc
  # the home page's test: a real browser, driven from Node (tests/site)
  chromium
)
# Node.js and npm from Debian, unless the machine has them already (from
# another source, whose nodejs Debian's npm would conflict with).
command -v node >/dev/null && command -v npm >/dev/null || packages+=(nodejs npm)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all ${#packages[@]} packages present"
else
  echo "install-deps: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# Wine takes code page 932 from LC_ALL=ja_JP.UTF-8 by name alone, but it can
# only map Japanese file names to Unix ones when that locale really exists.
# en_US.UTF-8 is a Western Windows: code page 1252 and an English UI language.
for locale_name in ja_JP en_US; do
  if ! locale -a 2>/dev/null | grep -qi "^$locale_name\.utf-\?8$"; then
    echo "install-deps: generating the $locale_name.UTF-8 locale"
    grep -q "^$locale_name.UTF-8 UTF-8" /etc/locale.gen 2>/dev/null || echo "$locale_name.UTF-8 UTF-8" >> /etc/locale.gen
    locale-gen >/dev/null
  fi
done
echo "install-deps: ready"
