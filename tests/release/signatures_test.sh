#!/usr/bin/env bash
# Signing: with the throw-away certificate, as a PKCS#12 file and as a key
# made inside a SoftHSM2 token, both programs in the zip and the installer
# carry a valid SHA-256 Authenticode signature chaining to the throw-away CA;
# the unsigned release carries none; signing without a time stamp warns; a
# wrong password or PIN, a missing token, a half-given certificate or a
# signature that does not verify stops the release and writes nothing.
. "$(dirname "$0")/checks.sh"

# verify FILE CAFILE: osslsigncode's verdict, its output kept in $tmp/verify.log.
verify() { osslsigncode verify -CAfile "$2" -in "$1" >"$tmp/verify.log" 2>&1; }

for kind in unsigned signed token-signed; do
  mkdir -p "$tmp/$kind"
  unzip -q "$R/$kind"/velnora-*-win64.zip Velnora.scr Velnora.dll -d "$tmp/$kind"
done

# signed_by KIND SUBJECT: both programs and the installer of that release.
signed_by() {
  local f name
  for f in "$tmp/$1/Velnora.scr" "$tmp/$1/Velnora.dll" "$R/$1"/velnora-*-setup.exe; do
    name="$1/$(basename "$f")"
    verify "$f" "$R/cert/ca.pem" || { cat "$tmp/verify.log"; fail "$name: no valid signature"; }
    grep -q '^Signature verification: ok' "$tmp/verify.log" || fail "$name: verification not ok"
    grep -q 'Message digest algorithm *: SHA256' "$tmp/verify.log" || fail "$name: not signed with SHA-256"
    grep -q "Subject: /CN=$2\$" "$tmp/verify.log" || fail "$name: signed by someone else"
    pass "$name: valid SHA-256 signature by $2"
  done
}
signed_by signed "Velnora Throw-away Signer"
signed_by token-signed "Velnora Throw-away Token Signer"

# Without a time stamp, the release says what that costs, and says it last.
for kind in signed token-signed; do
  tail -n 1 "$R/$kind.log" | grep -q '^release: WARNING: no time stamp .*the signatures end with the certificate' ||
    fail "$kind: no warning about the missing time stamp at the end"
done
grep -q 'WARNING' "$R/unsigned.log" && fail "the unsigned release warns about time stamps"
pass "a release signed without VELNORA_SIGN_TIMESTAMP_URL warns that the signatures end with the certificate"

# The same files do not verify against a CA that did not issue the signer.
openssl req -x509 -newkey rsa:2048 -nodes -keyout "$tmp/other.key" -out "$tmp/other.pem" -days 1 \
  -subj "/CN=Some Other CA" 2>/dev/null
verify "$tmp/signed/Velnora.scr" "$tmp/other.pem" && fail "Velnora.scr verified against an unrelated CA"
pass "the signature chains to the throw-away CA only"

for f in "$tmp/unsigned/Velnora.scr" "$tmp/unsigned/Velnora.dll" "$R"/unsigned/velnora-*-setup.exe; do
  verify "$f" "$R/cert/ca.pem" && fail "$(basename "$f") of the unsigned release is signed"
done
pass "the unsigned release's programs and installer carry no signature"

# A wrong password or PIN, no token, only half of the settings, both routes, a signature
# that does not verify: no release. The output folder holds an earlier
# release (the unsigned one): it must be left exactly as it was.
bad() {  # WHAT: runs the release command with the caller's environment; it must fail and write nothing
  local out=$tmp/bad-$1
  rm -rf "$out"
  cp -a "$R/unsigned" "$out"
  touch -d @1000000000 "$out"/*
  local before
  before=$(cd "$out" && ls -l --time-style=+%s . | sha256sum)
  if "$VELNORA_SOURCE/tools/release.sh" --build-dir "$VELNORA_BUILD" --no-build --out "$out" >"$tmp/bad.log" 2>&1; then
    fail "$1: the release command succeeded"
  fi
  [ "$(cd "$out" && ls -l --time-style=+%s . | sha256sum)" = "$before" ] || { ls -l "$out"; fail "$1: the output folder changed"; }
  (cd "$out" && sha256sum --quiet -c SHA256SUMS) || fail "$1: the earlier release in the output folder changed"
  [ -z "$(ls "$VELNORA_BUILD"/dist/*.signing 2>/dev/null)" ] || fail "$1: a half-signed file was left in the build"
  pass "$1: the release command fails and writes nothing into the output folder"
}
VELNORA_SIGN_PFX="$R/cert/signer.pfx" VELNORA_SIGN_PASSWORD=wrong VELNORA_SIGN_CAFILE="$R/cert/ca.pem" bad "wrong password"
(unset VELNORA_SIGN_PASSWORD; VELNORA_SIGN_PFX="$R/cert/signer.pfx" bad "certificate without password")
(unset VELNORA_SIGN_PFX; VELNORA_SIGN_PASSWORD=throw-away bad "password without certificate")
VELNORA_SIGN_PFX="$tmp/missing.pfx" VELNORA_SIGN_PASSWORD=x bad "missing certificate file"
# Signed well, but by a signer the given CAs do not trust: the check after signing stops it.
VELNORA_SIGN_PFX="$R/cert/signer.pfx" VELNORA_SIGN_PASSWORD=throw-away VELNORA_SIGN_CAFILE="$tmp/other.pem" \
  bad "signature that does not verify"
grep -q 'no valid signature' "$tmp/bad.log" || fail "the failed verification was not reported"

# Through the token.
(. "$R/token/env"; VELNORA_SIGN_PASSWORD=000000 bad "token, wrong PIN")
grep -q 'PIN incorrect' "$tmp/bad.log" || { cat "$tmp/bad.log"; fail "the wrong PIN was not reported"; }
# The token unplugged: SoftHSM2 sees a token folder without it.
mkdir -p "$tmp/no-token/objects"
printf 'directories.tokendir = %s\nobjectstore.backend = file\n' "$tmp/no-token/objects" >"$tmp/no-token/softhsm2.conf"
(. "$R/token/env"; SOFTHSM2_CONF=$tmp/no-token/softhsm2.conf bad "missing token")
(. "$R/token/env"; VELNORA_SIGN_PFX="$R/cert/signer.pfx" bad "both a PKCS#12 file and a token")
# The PIN is on no command line: osslsigncode, watched through a wrapper
# first on PATH, is given it on its standard input only.
mkdir -p "$tmp/watch"
real=$(command -v osslsigncode)
printf '#!/bin/sh\nprintf "%%s\\n" "$*" >>"%s"\nexec "%s" "$@"\n' "$tmp/argv.log" "$real" >"$tmp/watch/osslsigncode"
chmod +x "$tmp/watch/osslsigncode"
(. "$R/token/env"
 PATH="$tmp/watch:$PATH" "$VELNORA_SOURCE/tools/release.sh" --build-dir "$VELNORA_BUILD" --no-build --out "$tmp/watched" >"$tmp/watched.log" 2>&1 ||
   { cat "$tmp/watched.log"; fail "the watched release through the token failed"; }
 grep -q -F -- "$VELNORA_SIGN_PASSWORD" "$tmp/argv.log" "$tmp/watched.log" && fail "the PIN was on a command line or in the output"
 grep -q -- '-readpass -' "$tmp/argv.log" || fail "the PIN was not read from standard input")
# Each signature verified as it is made (the home page reads the installer's signer as well).
made=$(grep -c '^verify .*\.signing' "$tmp/argv.log")
[ "$made" = 4 ] || fail "the release verified $made signatures as it made them, not 4"
pass "the PIN goes to osslsigncode on its standard input, never on a command line; all 4 signatures verified"

echo "signature checks passed: $checks"
