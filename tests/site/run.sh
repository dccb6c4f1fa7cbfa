#!/usr/bin/env bash
# The home page the release fixture built from the unsigned packages, checked
# in headless Chromium (site_test.mjs). Installs the pinned puppeteer-core and
# axe-core with `npm ci` when node_modules is not what package-lock.json names.
#   SITE_SCREENSHOTS=DIR also keeps the pages at 390 and 1280 px wide.
set -euo pipefail
: "${VELNORA_RELEASE:?}"
here=$(cd "$(dirname "$0")" && pwd)
site=$VELNORA_RELEASE/unsigned/site
[ -f "$site/index.html" ] || { echo "FAIL: no site in $site"; exit 1; }
command -v node >/dev/null && [ -x "${CHROMIUM:-/usr/bin/chromium}" ] ||
  { echo "FAIL: node or chromium missing (run tools/install-deps.sh)"; exit 1; }

stamp=$here/node_modules/.velnora-lock
if ! cmp -s "$here/package-lock.json" "$stamp"; then
  (cd "$here" && npm ci --no-audit --no-fund --loglevel=error) || { echo "FAIL: npm ci"; exit 1; }
  cp "$here/package-lock.json" "$stamp"
fi
[ -z "${SITE_SCREENSHOTS:-}" ] || mkdir -p "$SITE_SCREENSHOTS"
exec node "$here/site_test.mjs" "$site" ${SITE_SCREENSHOTS:+"$SITE_SCREENSHOTS"}
