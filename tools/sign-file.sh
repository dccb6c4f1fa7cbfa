#!/usr/bin/env bash
# Signs one Windows program in place (Authenticode, SHA-256) with osslsigncode,
# then verifies the signature it made:
#   tools/sign-file.sh <file>
# The key and certificate come from the environment, never the command line,
# by one of two routes:
#   a PKCS#12 file
#     VELNORA_SIGN_PFX             the file with the key and its certificate chain
#     VELNORA_SIGN_PASSWORD        its password
#   a PKCS#11 token or HSM (the key never leaves it)
#     VELNORA_SIGN_PKCS11_MODULE   the token's PKCS#11 module (a .so file)
#     VELNORA_SIGN_PKCS11_KEY      the key: a pkcs11: URI (RFC 7512)
#     VELNORA_SIGN_PKCS11_CERT     the certificate: a pkcs11: URI in the token,
#                                  or a PEM file with it and its chain
#     VELNORA_SIGN_PASSWORD        the token's user PIN
# The password or PIN goes to osslsigncode on its standard input.
#   VELNORA_SIGN_TIMESTAMP_URL   optional RFC 3161 time-stamp server; none by default
#   VELNORA_SIGN_CAFILE          the CA certificates the new signature is
#                                verified against (default: osslsigncode's,
#                                the system's trusted CAs)
# tools/release.sh checks the settings and calls this for the programs;
# makensis calls it for the installer and its uninstaller.
set -euo pipefail

file=${1:?usage: sign-file.sh <file>}
: "${VELNORA_SIGN_PASSWORD?no password or PIN: set VELNORA_SIGN_PASSWORD}"
[ -f "$file" ] || { echo "sign-file: no such file: $file" >&2; exit 1; }

if [ -n "${VELNORA_SIGN_PKCS11_MODULE:-}" ]; then
  : "${VELNORA_SIGN_PKCS11_KEY:?no key: set VELNORA_SIGN_PKCS11_KEY}"
  : "${VELNORA_SIGN_PKCS11_CERT:?no certificate: set VELNORA_SIGN_PKCS11_CERT}"
  args=(sign -pkcs11module "$VELNORA_SIGN_PKCS11_MODULE" -key "$VELNORA_SIGN_PKCS11_KEY")
  case $VELNORA_SIGN_PKCS11_CERT in
    pkcs11:*) args+=(-pkcs11cert "$VELNORA_SIGN_PKCS11_CERT") ;;
    *) args+=(-certs "$VELNORA_SIGN_PKCS11_CERT") ;;
  esac
else
  : "${VELNORA_SIGN_PFX:?no certificate: set VELNORA_SIGN_PFX or VELNORA_SIGN_PKCS11_MODULE}"
  args=(sign -pkcs12 "$VELNORA_SIGN_PFX")
fi
args+=(-readpass - -h sha256 -n Velnora)
[ -z "${VELNORA_SIGN_TIMESTAMP_URL:-}" ] || args+=(-ts "$VELNORA_SIGN_TIMESTAMP_URL")

signed="$file.signing"
trap 'rm -f "$signed"' EXIT
if ! out=$(printf '%s' "$VELNORA_SIGN_PASSWORD" | osslsigncode "${args[@]}" -in "$file" -out "$signed" 2>&1); then
  echo "$out" >&2
  echo "sign-file: signing $file failed" >&2
  exit 1
fi
# The new signature must verify before it replaces the file.
verify=(verify)
[ -z "${VELNORA_SIGN_CAFILE:-}" ] || verify+=(-CAfile "$VELNORA_SIGN_CAFILE")
if ! out=$(osslsigncode "${verify[@]}" -in "$signed" 2>&1) || ! grep -q '^Signature verification: ok' <<<"$out"; then
  echo "$out" >&2
  echo "sign-file: $(basename "$file"): no valid signature" >&2
  exit 1
fi
mv -f "$signed" "$file"
echo "sign-file: signed $(basename "$file")"
