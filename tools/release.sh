#!/usr/bin/env bash
# Builds Velnora for release and writes, into dist/release/:
#   velnora-<version>-win64.zip    Velnora.scr, Velnora.dll and README.txt
#   velnora-<version>-setup.exe    the installer (packaging/velnora.nsi)
#   SHA256SUMS                     of the two
#   site/                          the home page with the three above
#                                  (tools/site.sh), ready to publish
# Usage: tools/release.sh [--build-dir DIR] [--no-build] [--out DIR]
#   --build-dir  CMake build of the Windows programs (default build/release,
#                a Release build of its own writing its programs to DIR/dist)
#   --no-build   package the programs DIR already holds (the tests use this)
#   --out        where they go (default dist/release)
# Signing (tools/sign-file.sh says more): both programs, the uninstaller and
# the installer are signed with
#   VELNORA_SIGN_PFX and VELNORA_SIGN_PASSWORD              a PKCS#12 file, or
#   VELNORA_SIGN_PKCS11_MODULE, VELNORA_SIGN_PKCS11_KEY,
#   VELNORA_SIGN_PKCS11_CERT and VELNORA_SIGN_PASSWORD (PIN) a PKCS#11 token;
# VELNORA_SIGN_TIMESTAMP_URL time-stamps them (a warning when unset);
# every signature is verified as it is made (against VELNORA_SIGN_CAFILE,
# default the system's CAs), before anything is written. Without any of these the release
# is unsigned and says so.
# File times inside the zip and the installer are SOURCE_DATE_EPOCH (default:
# the last commit's time), so the same programs give the same packages.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

build="$root/build/release"
out="$root/dist/release"
do_build=1
while [ $# -gt 0 ]; do
  case $1 in
    --build-dir) build=${2:?--build-dir needs a folder}; shift 2 ;;
    --no-build) do_build=0; shift ;;
    --out) out=${2:?--out needs a folder}; shift 2 ;;
    -h|--help) sed -n '2,23p' "$0"; exit 0 ;;
    *) echo "release: unknown argument $1 (see --help)" >&2; exit 2 ;;
  esac
done

die() { echo "release: $*" >&2; exit 1; }

signing=0
signer=""
p11_any="${VELNORA_SIGN_PKCS11_MODULE:-}${VELNORA_SIGN_PKCS11_KEY:-}${VELNORA_SIGN_PKCS11_CERT:-}"
if [ -n "${VELNORA_SIGN_PFX:-}" ] && [ -n "$p11_any" ]; then
  die "VELNORA_SIGN_PFX and VELNORA_SIGN_PKCS11_* both set: sign with one of them"
elif [ -n "$p11_any" ]; then
  [ -n "${VELNORA_SIGN_PKCS11_MODULE:-}" ] && [ -n "${VELNORA_SIGN_PKCS11_KEY:-}" ] &&
    [ -n "${VELNORA_SIGN_PKCS11_CERT:-}" ] && [ -n "${VELNORA_SIGN_PASSWORD+set}" ] ||
    die "signing with a token needs VELNORA_SIGN_PKCS11_MODULE, VELNORA_SIGN_PKCS11_KEY, VELNORA_SIGN_PKCS11_CERT and VELNORA_SIGN_PASSWORD (the PIN)"
  [ -f "$VELNORA_SIGN_PKCS11_MODULE" ] || die "no PKCS#11 module $VELNORA_SIGN_PKCS11_MODULE"
  case $VELNORA_SIGN_PKCS11_CERT in
    pkcs11:*) ;;
    *) [ -f "$VELNORA_SIGN_PKCS11_CERT" ] || die "no certificate file $VELNORA_SIGN_PKCS11_CERT" ;;
  esac
  signing=1
  signer="the key $VELNORA_SIGN_PKCS11_KEY through $(basename "$VELNORA_SIGN_PKCS11_MODULE")"
elif [ -n "${VELNORA_SIGN_PFX:-}" ] || [ -n "${VELNORA_SIGN_PASSWORD:-}" ]; then
  [ -n "${VELNORA_SIGN_PFX:-}" ] && [ -n "${VELNORA_SIGN_PASSWORD+set}" ] ||
    die "signing needs both VELNORA_SIGN_PFX and VELNORA_SIGN_PASSWORD (or a token: VELNORA_SIGN_PKCS11_*)"
  [ -f "$VELNORA_SIGN_PFX" ] || die "no certificate file $VELNORA_SIGN_PFX"
  signing=1
  signer=$(basename "$VELNORA_SIGN_PFX")
fi
if [ -n "${VELNORA_SIGN_CAFILE:-}" ] && [ ! -f "$VELNORA_SIGN_CAFILE" ]; then
  die "no CA file $VELNORA_SIGN_CAFILE"
fi
no_timestamp_warning() {
  echo "release: WARNING: no time stamp (VELNORA_SIGN_TIMESTAMP_URL is not set): the signatures end with the certificate: when it expires, Windows no longer accepts them" >&2
}
[ $signing = 0 ] || [ -n "${VELNORA_SIGN_TIMESTAMP_URL:-}" ] || no_timestamp_warning

for tool in makensis zip sha256sum x86_64-w64-mingw32-strip; do
  command -v "$tool" >/dev/null || die "$tool is missing (run tools/install-deps.sh)"
done
[ $signing = 0 ] || command -v osslsigncode >/dev/null || die "osslsigncode is missing (run tools/install-deps.sh)"

icon="$root/assets/velnora.ico"
[ -f "$icon" ] || die "no project icon $icon"

if [ $do_build = 1 ]; then
  echo "== release build (MinGW-w64, Release) in $build"
  cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DVELNORA_DIST_DIR="$build/dist" >/dev/null
  cmake --build "$build" --target velnora_host velnora_renderer -j"${JOBS:-2}"
fi
[ -f "$build/CMakeCache.txt" ] || die "$build is no CMake build (build it, or drop --no-build)"
dist=$(sed -n 's/^VELNORA_DIST_DIR:[A-Z]*=//p' "$build/CMakeCache.txt")
# The version and the home page, as CMake gave them to the programs.
header="$build/generated/velnora_version.h"
version=$(sed -n 's/^#define VELNORA_VERSION_TEXT "\(.*\)"$/\1/p' "$header" 2>/dev/null || true)
homepage=$(sed -n 's/^#define VELNORA_HOME_PAGE "\(.*\)"$/\1/p' "$header" 2>/dev/null || true)
[ -n "$dist" ] && [ -n "$version" ] && [ -n "$homepage" ] || die "$build has no Windows build of Velnora"
for f in Velnora.scr Velnora.dll; do
  [ -f "$dist/$f" ] || die "no $dist/$f: build first"
done

if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH=$(git -C "$root" log -1 --format=%ct 2>/dev/null || date +%s)
fi
export SOURCE_DATE_EPOCH

out=$(realpath -m "$out")
zip_name="velnora-$version-win64.zip"
setup_name="velnora-$version-setup.exe"

# Everything is made in a staging folder and moved to the output only when
# all of it, signatures included, has succeeded.
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
made=$stage/made
mkdir "$made"

# The programs as shipped: without their symbol tables, then signed.
for f in Velnora.scr Velnora.dll; do
  x86_64-w64-mingw32-strip -o "$stage/$f" "$dist/$f"
  [ $signing = 0 ] || "$root/tools/sign-file.sh" "$stage/$f"
done
sed "s/@VERSION@/$version/g" "$root/packaging/README-ja-en.txt" >"$stage/README.txt"
shipped=("$stage/README.txt" "$stage/Velnora.dll" "$stage/Velnora.scr")
chmod 644 "${shipped[@]}"
touch -d "@$SOURCE_DATE_EPOCH" "${shipped[@]}"

echo "== $zip_name"
# Fixed order and times, no Unix extra fields: the same files give the same zip.
(cd "$stage" && TZ=UTC zip -X -D -q "$made/$zip_name" README.txt Velnora.dll Velnora.scr)

echo "== $setup_name"
nsis_args=(-INPUTCHARSET UTF8 -V2 -WX
  -DVERSION="$version" -DHOMEPAGE="$homepage" -DPROGRAMS="$stage" -DICON="$icon" -DOUTFILE="$made/$setup_name")
[ $signing = 0 ] || nsis_args+=(-DSIGN="$root/tools/sign-file.sh")
makensis "${nsis_args[@]}" "$root/packaging/velnora.nsi"

(cd "$made" && sha256sum "$zip_name" "$setup_name" >SHA256SUMS)
"$root/tools/site.sh" --packages "$made" --out "$made/site" >/dev/null
mkdir -p "$out"
rm -rf "$out/$zip_name" "$out/$setup_name" "$out/SHA256SUMS" "$out/site"
mv "$made/$zip_name" "$made/$setup_name" "$made/SHA256SUMS" "$made/site" "$out/"

echo "== written to $out"
(cd "$out" && ls -l "$zip_name" "$setup_name" SHA256SUMS | awk '{print "   " $5 "\t" $NF}')
echo "   site/ (the home page: copy it to the root of the velnora.github.io repository)"
if [ $signing = 1 ]; then
  echo "release: signed with $signer${VELNORA_SIGN_TIMESTAMP_URL:+, time-stamped by $VELNORA_SIGN_TIMESTAMP_URL}"
  [ -n "${VELNORA_SIGN_TIMESTAMP_URL:-}" ] || no_timestamp_warning
else
  echo "release: UNSIGNED (set VELNORA_SIGN_PFX and VELNORA_SIGN_PASSWORD, or VELNORA_SIGN_PKCS11_*, to sign)"
fi
