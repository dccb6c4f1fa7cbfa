#!/usr/bin/env bash
# Verifies the Authenticode signature of one Windows program (osslsigncode):
#   tools/verify-file.sh <file>
# against VELNORA_SIGN_CAFILE (default: osslsigncode's, the system's trusted
# CAs). Quiet when it verifies; prints osslsigncode's report and fails when not.
# tools/sign-file.sh calls it for every signature it makes.
set -euo pipefail

file=${1:?usage: verify-file.sh <file>}
args=(verify)
[ -z "${VELNORA_SIGN_CAFILE:-}" ] || args+=(-CAfile "$VELNORA_SIGN_CAFILE")
if ! out=$(osslsigncode "${args[@]}" -in "$file" 2>&1) ||
   ! grep -q '^Signature verification: ok' <<<"$out"; then
  echo "$out" >&2
  echo "verify-file: $(basename "$file"): no valid signature" >&2
  exit 1
fi
