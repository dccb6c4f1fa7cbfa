# Sourced by the release checks: strict mode, the fixture's folders, a
# scratch folder removed at exit, and fail/pass that count.
set -euo pipefail
: "${VELNORA_SOURCE:?}" "${VELNORA_BUILD:?}" "${VELNORA_RELEASE:?}"
R=$VELNORA_RELEASE
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
checks=0
fail() { echo "FAIL: $*" >&2; exit 1; }
pass() { checks=$((checks + 1)); echo "ok: $*"; }
