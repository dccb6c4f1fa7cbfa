#!/usr/bin/env bash
# Fixture: a throw-away CA and code-signing certificate, then the release
# command run twice over this build's programs, unsigned and signed:
#   $VELNORA_RELEASE/cert/{ca.pem,signer.pfx}, .../unsigned/, .../signed/
set -euo pipefail
: "${VELNORA_SOURCE:?}" "${VELNORA_BUILD:?}" "${VELNORA_RELEASE:?}"
R=$VELNORA_RELEASE
rm -rf "$R"
mkdir -p "$R/cert"
cd "$R/cert"

openssl req -x509 -newkey rsa:2048 -nodes -keyout ca.key -out ca.pem -days 7 \
  -subj "/CN=Velnora Throw-away Test CA" \
  -addext "basicConstraints=critical,CA:TRUE" -addext "keyUsage=critical,keyCertSign,cRLSign" 2>/dev/null
openssl req -newkey rsa:2048 -nodes -keyout signer.key -out signer.csr \
  -subj "/CN=Velnora Throw-away Signer" 2>/dev/null
printf 'basicConstraints=CA:FALSE\nkeyUsage=critical,digitalSignature\nextendedKeyUsage=codeSigning\n' >signer.ext
openssl x509 -req -in signer.csr -CA ca.pem -CAkey ca.key -CAcreateserial -days 7 \
  -extfile signer.ext -out signer.pem 2>/dev/null
openssl pkcs12 -export -inkey signer.key -in signer.pem -certfile ca.pem \
  -passout pass:throw-away -out signer.pfx
echo "throw-away certificate made"

release() {  # OUT-NAME: runs the release command, keeping what it said
  "$VELNORA_SOURCE/tools/release.sh" --build-dir "$VELNORA_BUILD" --no-build --out "$R/$1" >"$R/$1.log" 2>&1 ||
    { cat "$R/$1.log"; echo "FAIL: the release command failed ($1)"; exit 1; }
  cat "$R/$1.log"
}
(unset VELNORA_SIGN_PFX VELNORA_SIGN_PASSWORD; release unsigned)
grep -q '^release: UNSIGNED' "$R/unsigned.log" || { echo "FAIL: an unsigned release did not say so"; exit 1; }
VELNORA_SIGN_PFX="$R/cert/signer.pfx" VELNORA_SIGN_PASSWORD=throw-away release signed
grep -q '^release: signed with signer.pfx' "$R/signed.log" || { echo "FAIL: a signed release did not say so"; exit 1; }
