#!/usr/bin/env bash
# Signs one Windows program in place (Authenticode, SHA-256) with osslsigncode:
#   tools/sign-file.sh <file>
# The certificate comes from the environment, never the command line:
#   VELNORA_SIGN_PFX             PKCS#12 file with the key and its certificate chain
#   VELNORA_SIGN_PASSWORD        its password (handed to osslsigncode on stdin)
#   VELNORA_SIGN_TIMESTAMP_URL   optional RFC 3161 time-stamp server; none by default
# tools/release.sh calls it for the programs, and makensis for the installer
# and its uninstaller.
set -euo pipefail

file=${1:?usage: sign-file.sh <file>}
: "${VELNORA_SIGN_PFX:?no certificate: set VELNORA_SIGN_PFX}"
: "${VELNORA_SIGN_PASSWORD?no password: set VELNORA_SIGN_PASSWORD}"
[ -f "$file" ] || { echo "sign-file: no such file: $file" >&2; exit 1; }

args=(sign -pkcs12 "$VELNORA_SIGN_PFX" -readpass - -h sha256 -n Velnora)
[ -z "${VELNORA_SIGN_TIMESTAMP_URL:-}" ] || args+=(-ts "$VELNORA_SIGN_TIMESTAMP_URL")

signed="$file.signing"
trap 'rm -f "$signed"' EXIT
if ! out=$(printf '%s' "$VELNORA_SIGN_PASSWORD" | osslsigncode "${args[@]}" -in "$file" -out "$signed" 2>&1); then
  echo "$out" >&2
  echo "sign-file: signing $file failed" >&2
  exit 1
fi
mv -f "$signed" "$file"
echo "sign-file: signed $(basename "$file")"
