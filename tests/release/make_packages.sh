#!/usr/bin/env bash
# Fixture: a throw-away CA and code-signing certificate, a throw-away
# SoftHSM2 token with a key made inside it and its certificate, then the
# release command run three times over this build's programs: unsigned,
# signed with the PKCS#12 file, signed through the token; and an installer of
# version 1.0.0 made from the same script and programs:
#   $VELNORA_RELEASE/cert/{ca.pem,signer.pfx}, .../token/ (softhsm2.conf, env),
#   .../unsigned/, .../signed/, .../token-signed/, .../old/
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

# The token: SoftHSM2 keeping its objects in a folder of the fixture's own.
# The key pair is generated inside the token; only a certificate request
# (made through the PKCS#11 engine) leaves it, and the CA's answer goes back in.
mkdir -p "$R/token/objects"
cd "$R/token"
export SOFTHSM2_CONF=$R/token/softhsm2.conf
printf 'directories.tokendir = %s\nobjectstore.backend = file\nlog.level = ERROR\n' "$R/token/objects" >"$SOFTHSM2_CONF"
module=
for m in /usr/lib/softhsm/libsofthsm2.so /usr/lib/x86_64-linux-gnu/softhsm/libsofthsm2.so; do
  [ -f "$m" ] && { module=$m; break; }
done
[ -n "$module" ] || { echo "FAIL: no SoftHSM2 module (run tools/install-deps.sh)"; exit 1; }
export TOKEN_PIN=2026-throw-away
softhsm2-util --init-token --free --label velnora-release-test --so-pin 87654321 --pin "$TOKEN_PIN" >/dev/null
p11() { pkcs11-tool --module "$module" --token-label velnora-release-test --login --pin "$TOKEN_PIN" "$@" >/dev/null 2>&1; }
p11 --keypairgen --key-type rsa:2048 --id 01 --label code-signing ||
  { echo "FAIL: the token made no key pair"; exit 1; }
key_uri='pkcs11:token=velnora-release-test;object=code-signing;type=private'
cat >engine.cnf <<CNF
openssl_conf = openssl_init
[openssl_init]
engines = engine_section
[engine_section]
pkcs11 = pkcs11_section
[pkcs11_section]
engine_id = pkcs11
MODULE_PATH = $module
init = 0
[req]
distinguished_name = dn
[dn]
CNF
OPENSSL_CONF=engine.cnf openssl req -new -engine pkcs11 -keyform engine -key "$key_uri" -passin env:TOKEN_PIN \
  -subj "/CN=Velnora Throw-away Token Signer" -out signer.csr >/dev/null 2>&1 ||
  { echo "FAIL: no certificate request from the token's key"; exit 1; }
openssl x509 -req -in signer.csr -CA ../cert/ca.pem -CAkey ../cert/ca.key -CAcreateserial -days 7 \
  -extfile ../cert/signer.ext -outform der -out signer.der 2>/dev/null
p11 --write-object signer.der --type cert --id 01 --label code-signing ||
  { echo "FAIL: the certificate did not go into the token"; exit 1; }
# What a signed release through this token needs, for the checks to source.
cat >env <<ENV
export SOFTHSM2_CONF='$SOFTHSM2_CONF'
export VELNORA_SIGN_PKCS11_MODULE='$module'
export VELNORA_SIGN_PKCS11_KEY='$key_uri'
export VELNORA_SIGN_PKCS11_CERT='pkcs11:token=velnora-release-test;object=code-signing;type=cert'
export VELNORA_SIGN_PASSWORD='$TOKEN_PIN'
export VELNORA_SIGN_CAFILE='$R/cert/ca.pem'
ENV
echo "throw-away token made (SoftHSM2, key made inside it)"

release() {  # OUT-NAME: runs the release command, keeping what it said
  "$VELNORA_SOURCE/tools/release.sh" --build-dir "$VELNORA_BUILD" --no-build --out "$R/$1" >"$R/$1.log" 2>&1 ||
    { cat "$R/$1.log"; echo "FAIL: the release command failed ($1)"; exit 1; }
  cat "$R/$1.log"
}
(unset VELNORA_SIGN_PFX VELNORA_SIGN_PASSWORD; release unsigned)
grep -q '^release: UNSIGNED' "$R/unsigned.log" || { echo "FAIL: an unsigned release did not say so"; exit 1; }
VELNORA_SIGN_PFX="$R/cert/signer.pfx" VELNORA_SIGN_PASSWORD=throw-away VELNORA_SIGN_CAFILE="$R/cert/ca.pem" release signed
grep -q '^release: signed with signer.pfx' "$R/signed.log" || { echo "FAIL: a signed release did not say so"; exit 1; }
(. "$R/token/env"; release token-signed)
grep -q '^release: signed with the key pkcs11:.*through libsofthsm2.so' "$R/token-signed.log" ||
  { echo "FAIL: a release signed through the token did not say so"; exit 1; }

# Version 1.0.0's installer, from the same script and the unsigned programs,
# for the upgrade checks.
mkdir -p "$R/old/programs"
unzip -q "$R"/unsigned/velnora-*-win64.zip Velnora.scr Velnora.dll -d "$R/old/programs"
homepage=$(sed -n 's/^#define VELNORA_HOME_PAGE "\(.*\)"$/\1/p' "$VELNORA_BUILD/generated/velnora_version.h")
makensis -INPUTCHARSET UTF8 -V2 -WX -DVERSION=1.0.0 -DHOMEPAGE="$homepage" -DPROGRAMS="$R/old/programs" \
  -DICON="$VELNORA_SOURCE/assets/velnora.ico" -DOUTFILE="$R/old/velnora-1.0.0-setup.exe" \
  "$VELNORA_SOURCE/packaging/velnora.nsi" >"$R/old.log" 2>&1 || { cat "$R/old.log"; echo "FAIL: no 1.0.0 installer"; exit 1; }
echo "installer of version 1.0.0 made"
