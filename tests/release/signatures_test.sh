#!/usr/bin/env bash
# Signing: with the throw-away certificate, both programs in the zip and the
# installer carry a valid SHA-256 Authenticode signature chaining to the
# throw-away CA; the unsigned release carries none; a wrong password or a
# half-given certificate stops the release instead of shipping unsigned.
. "$(dirname "$0")/checks.sh"

# verify FILE CAFILE: osslsigncode's verdict, its output kept in $tmp/verify.log.
verify() { osslsigncode verify -CAfile "$2" -in "$1" >"$tmp/verify.log" 2>&1; }

for kind in unsigned signed; do
  mkdir -p "$tmp/$kind"
  unzip -q "$R/$kind"/velnora-*-win64.zip Velnora.scr Velnora.dll -d "$tmp/$kind"
done

for f in "$tmp/signed/Velnora.scr" "$tmp/signed/Velnora.dll" "$R"/signed/velnora-*-setup.exe; do
  name=$(basename "$f")
  verify "$f" "$R/cert/ca.pem" || { cat "$tmp/verify.log"; fail "$name: no valid signature"; }
  grep -q '^Signature verification: ok' "$tmp/verify.log" || fail "$name: verification not ok"
  grep -q 'Message digest algorithm *: SHA256' "$tmp/verify.log" || fail "$name: not signed with SHA-256"
  grep -q 'Subject: /CN=Velnora Throw-away Signer' "$tmp/verify.log" || fail "$name: signed by someone else"
  pass "$name: valid SHA-256 signature by the throw-away signer"
done

# The same files do not verify against a CA that did not issue the signer.
openssl req -x509 -newkey rsa:2048 -nodes -keyout "$tmp/other.key" -out "$tmp/other.pem" -days 1 \
  -subj "/CN=Some Other CA" 2>/dev/null
verify "$tmp/signed/Velnora.scr" "$tmp/other.pem" && fail "Velnora.scr verified against an unrelated CA"
pass "the signature chains to the throw-away CA only"

for f in "$tmp/unsigned/Velnora.scr" "$tmp/unsigned/Velnora.dll" "$R"/unsigned/velnora-*-setup.exe; do
  verify "$f" "$R/cert/ca.pem" && fail "$(basename "$f") of the unsigned release is signed"
done
pass "the unsigned release's programs and installer carry no signature"

# A wrong password, or only half of the certificate settings: no release.
bad() {  # WHAT: runs the release command with the caller's environment; it must fail and write nothing
  local out=$tmp/bad-$1
  if "$VELNORA_SOURCE/tools/release.sh" --build-dir "$VELNORA_BUILD" --no-build --out "$out" >"$tmp/bad.log" 2>&1; then
    fail "$1: the release command succeeded"
  fi
  [ ! -e "$out/SHA256SUMS" ] || fail "$1: SHA256SUMS was written"
  [ -z "$(ls "$out"/*.exe 2>/dev/null)" ] || fail "$1: an installer was written"
  pass "$1: the release command fails and writes no installer or sums"
}
VELNORA_SIGN_PFX="$R/cert/signer.pfx" VELNORA_SIGN_PASSWORD=wrong bad "wrong password"
(unset VELNORA_SIGN_PASSWORD; VELNORA_SIGN_PFX="$R/cert/signer.pfx" bad "certificate without password")
(unset VELNORA_SIGN_PFX; VELNORA_SIGN_PASSWORD=throw-away bad "password without certificate")
VELNORA_SIGN_PFX="$tmp/missing.pfx" VELNORA_SIGN_PASSWORD=x bad "missing certificate file"

echo "signature checks passed: $checks"
