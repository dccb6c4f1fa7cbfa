#!/usr/bin/env bash
# Test: the committed pictures are byte for byte what the generator draws
# now (so nobody edits one without the other), and the preview tool still
# draws the saver: black around, the desktop's blue on the sheet.
#   check_assets.sh <make_assets> <preview_frame> <assets-dir> <scratch-dir>
set -euo pipefail
make_assets=$1 preview=$2 assets=$3 scratch=$4
rm -rf "$scratch"
mkdir -p "$scratch"

"$make_assets" "$scratch"
status=0
for f in velnora.ico hand.cur mark_unchosen.bmp mark_chosen.bmp banner/frame{01..24}.bmp; do
  if ! cmp -s "$assets/$f" "$scratch/$f"; then
    echo "assets/$f is not what tools/make-assets.sh draws now: run it and commit the result"
    status=1
  fi
done

# Mesa keeps a few allocations of a destroyed OSMesa context for good.
printf 'leak:libOSMesa.so\n' >"$scratch/lsan.supp"
LSAN_OPTIONS="suppressions=$scratch/lsan.supp" "$preview" "$scratch/still.ppm" 152 112 1418 25.35 "$scratch/desktop.bmp"
[ "$(head -c 15 "$scratch/still.ppm" | od -An -c | tr -d ' ')" = 'P6\n152112\n255\n' ] || {
  echo "preview_frame wrote no 152 x 112 picture"
  exit 1
}
read -r pixels black blue < <(tail -c +16 "$scratch/still.ppm" | od -An -tu1 -v -w3 |
  awk '{ n++; if ($1 + $2 + $3 < 30) k++; else if ($3 > $1 + 40) b++ } END { print n, k + 0, b + 0 }')
echo "preview still: $pixels pixels, $black black, $blue blue"
if [ "$pixels" -ne $((152 * 112)) ] || [ "$black" -lt $((pixels / 5)) ] || [ "$blue" -lt $((pixels / 5)) ]; then
  echo "the preview still does not show the scene over the desktop"
  status=1
fi
exit $status
