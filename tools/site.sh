#!/usr/bin/env bash
# Writes the home page (https://velnora.github.io/) as a folder ready to
# publish, from site/ and the release packages:
#   index.html, ja/, en/, style.css   the pages, naming the version, each
#                                     package's size and SHA-256 as read from
#                                     the files, and whether they are signed
#   favicon.ico                       the programs' icon
#   download/                         the installer, the zip, SHA256SUMS and
#                                     the source archive of the commit
#   img/                              the pictures in docs/screenshots/
# Usage: tools/site.sh --packages DIR [--out DIR]
#   --packages  a release folder (velnora-*-setup.exe, velnora-*-win64.zip, SHA256SUMS)
#   --out       the site folder (default DIR/site); replaced as a whole
# The same sources and packages give the same bytes: nothing in it tells the
# time or the machine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

packages=""
out=""
while [ $# -gt 0 ]; do
  case $1 in
    --packages) packages=${2:?--packages needs a folder}; shift 2 ;;
    --out) out=${2:?--out needs a folder}; shift 2 ;;
    -h|--help) sed -n '2,15p' "$0"; exit 0 ;;
    *) echo "site: unknown argument $1 (see --help)" >&2; exit 2 ;;
  esac
done
die() { echo "site: $*" >&2; exit 1; }
[ -n "$packages" ] && [ -d "$packages" ] || die "--packages names no folder"
out=${out:-$packages/site}

one() {  # PATTERN: the one package in the folder that matches
  # shellcheck disable=SC2206  # the pattern is meant to glob
  local found=("$packages"/$1)
  [ ${#found[@]} = 1 ] && [ -f "${found[0]}" ] || die "expected one $1 in $packages"
  basename "${found[0]}"
}
setup_name=$(one 'velnora-*-setup.exe')
zip_name=$(one 'velnora-*-win64.zip')
[ -f "$packages/SHA256SUMS" ] || die "no SHA256SUMS in $packages"
version=${setup_name#velnora-}
version=${version%-setup.exe}
[ "$zip_name" = "velnora-$version-win64.zip" ] || die "$setup_name and $zip_name are not of one version"
(cd "$packages" && sha256sum --quiet -c SHA256SUMS) || die "SHA256SUMS does not match the packages"

# The source: the commit the release was made from, as git archives it
# (entry times are the commit's, so the archive is the same every time).
commit=$(git -C "$root" rev-parse HEAD 2>/dev/null) || die "the source archive needs a git checkout"
source_name="velnora-$version-source.tar.gz"

command -v osslsigncode >/dev/null || die "osslsigncode is missing (run tools/install-deps.sh)"
# Whether the installer is signed, and by whom: the subject's common name
# of its signer, as Windows shows the publisher.
signer=""
if sig=$(osslsigncode verify -in "$packages/$setup_name" 2>/dev/null) || [ -n "$sig" ]; then
  signer=$(awk '/Signer.s certificate:/ {f = 1} f && /Subject:/ {sub(/.*Subject: /, ""); print; exit}' <<<"$sig" |
    sed -n 's|.*/CN=\([^/]*\).*|\1|p')
fi
signer=$(sed -e 's/&/\&amp;/g' -e 's/</\&lt;/g' -e 's/>/\&gt;/g' <<<"$signer")
if [ -n "$signer" ]; then keep=signed drop=unsigned; else keep=unsigned drop=signed; fi
signer_sed=$(sed 's/[&|\\]/\\&/g' <<<"$signer")   # as a sed replacement

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir -p "$stage/download" "$stage/img" "$stage/ja" "$stage/en"
cp "$packages/$setup_name" "$packages/$zip_name" "$packages/SHA256SUMS" "$stage/download/"
git -C "$root" archive --format=tar.gz --prefix="velnora-$version/" -o "$stage/download/$source_name" "$commit"
cp "$root"/docs/screenshots/{session,preview,dialog,dialog-en,monitors}.png "$stage/img/"
cp "$root/site/style.css" "$stage/"
cp "$root/assets/velnora.ico" "$stage/favicon.ico"   # the programs' own icon

bytes() { stat -c %s "$stage/download/$1"; }
grouped() { sed ':a; s/\B[0-9]\{3\}\>/,&/; ta' <<<"$1"; }   # 626834 -> 626,834
kb() { echo $(( ($1 + 1023) / 1024 )); }                      # as Explorer rounds: up
sha() { sha256sum "$stage/download/$1" | cut -d' ' -f1; }
setup_bytes=$(bytes "$setup_name") zip_bytes=$(bytes "$zip_name") source_bytes=$(bytes "$source_name")

for page in index.html ja/index.html en/index.html; do
  sed -e "/<!--if $drop-->/,/<!--end $drop-->/d" -e "/<!--if $keep-->/d" -e "/<!--end $keep-->/d" \
      -e "s|@VERSION@|$version|g" -e "s|@COMMIT@|${commit:0:12}|g" -e "s|@SIGNER@|$signer_sed|g" \
      -e "s|@SETUP_NAME@|$setup_name|g" -e "s|@SETUP_BYTES@|$(grouped "$setup_bytes")|g" \
      -e "s|@SETUP_KB@|$(grouped "$(kb "$setup_bytes")")|g" -e "s|@SETUP_SHA256@|$(sha "$setup_name")|g" \
      -e "s|@ZIP_NAME@|$zip_name|g" -e "s|@ZIP_BYTES@|$(grouped "$zip_bytes")|g" \
      -e "s|@ZIP_KB@|$(grouped "$(kb "$zip_bytes")")|g" -e "s|@ZIP_SHA256@|$(sha "$zip_name")|g" \
      -e "s|@SOURCE_NAME@|$source_name|g" -e "s|@SOURCE_BYTES@|$(grouped "$source_bytes")|g" \
      -e "s|@SOURCE_SHA256@|$(sha "$source_name")|g" \
      "$root/site/$page" >"$stage/$page"
  if grep -n '@[A-Z0-9_]*@\|<!--if\|<!--end' "$stage/$page" >&2; then die "$page: a placeholder is left"; fi
done
chmod -R u=rwX,go=rX "$stage"

rm -rf "$out"
mkdir -p "$(dirname "$out")"
cp -r "$stage" "$out"
echo "== site written to $out (version $version, $([ -n "$signer" ] && echo "signed by $signer" || echo unsigned))"
