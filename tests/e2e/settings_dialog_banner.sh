#!/usr/bin/env bash
# The settings dialog's banners and its place among the host's instances:
# the left banner plays, then the right one while the left keeps its last
# frame, then the cycle starts again; a click on a banner opens the maker's
# page through the shell (a stand-in browser, registered for this scenario
# only, records the address), as a screen reader's default action on one
# does; and while the dialog is open, /s, /p and a
# second /c end at once. Keeps a screenshot of the dialog for the README.
. "$VELNORA_SOURCE/tests/e2e/lib.sh"
. "$VELNORA_SOURCE/tests/e2e/dialog_lib.sh"

BROWSER_KEY='HKCU\Software\Wine\WineBrowser'
trap 'wine reg delete "$BROWSER_KEY" /v Browsers /f >/dev/null 2>&1; _e2e_cleanup' EXIT

ROOT="$WINEPREFIX/drive_c/velnora_dlg"
rm -rf "$ROOT"; mkdir -p "$ROOT/音楽"
sox -n -r 22050 -c 1 "$ROOT/音楽/夜の 曲.mp3" synth 0.5 sine 440 2>/dev/null || fail "sox could not make an MP3"
music_ini 2 0 "C:\\velnora_dlg\\音楽\\夜の 曲.mp3"

BLACK=$(convert -size 123x52 xc:black -depth 8 rgb:- | md5sum | cut -c1-32)
# banners: "left right" digests of the two banner boxes as the screen shows them.
banners() {
  local shot="$SCENARIO_TMP/banners.png" l r
  import -window root -crop "495x52+$((CX + 12))+$((CY + 192))" +repage "$shot"
  l=$(convert "$shot" -crop 123x52+0+0 +repage -depth 8 rgb:- | md5sum | cut -c1-32)
  r=$(convert "$shot" -crop 123x52+372+0 +repage -depth 8 rgb:- | md5sum | cut -c1-32)
  echo "$l $r"
}

open_dialog
pointer_away
# Which banner moved between two samples: L, R, B (both: a sample caught a
# hand-over half drawn) or nothing. Expected: the left plays while the right
# is still black, then the right while the left holds, then the left again,
# each seen moving in three samples at least. Prints what is wrong ("more:"
# while the samples do not show it all yet), nothing once they do.
verdict() {
  printf '%s\n' "${samples[@]}" | awk -v black="$BLACK" '
  NR == 1 { if ($2 != black) print "the right banner showed a frame at once" }
  NR > 1 {
    m = ($1 != l ? "L" : "") ($2 != r ? "R" : "")
    if (m == "LR") both++
    else if (m != "") { if (m == last) run[n]++; else { n++; mover[n] = m; run[n] = 1; last = m } }
    if (m ~ /R/ && !seen_right && $2 != black) seen_right = 1
    if (m == "L" && r != black && !seen_right) print "the right banner was not black before it played"
  }
  { l = $1; r = $2 }
  END {
    s = ""; for (i = 1; i <= n; i++) s = s mover[i] run[i] " "
    if (both > 2) print both " samples saw both banners move"
    else if ((n >= 1 && mover[1] != "L") || (n >= 2 && mover[2] != "R") || (n >= 3 && mover[3] != "L")) print "movers were " s
    else if (n >= 3 && run[2] < 3) print "too few frames of the right banner: " s
    else if (n < 3 || run[3] < 3) print "more: movers were " s
  }'
}

# Sampled until the banners have shown it all (a cycle is 4.9 s), for 20 s at most.
samples=()
start_ms=$(now_ms)
verdict=more
while [ "${verdict%%:*}" = more ] && [ $(( $(now_ms) - start_ms )) -lt 20000 ]; do
  samples+=("$(banners)")
  case "${samples[-1]}" in *" $BLACK") ;; *)
    [ -s "$SCENARIO_TMP/dialog.png" ] || {
      read -r wx wy ww wh <<<"$(window_rect "$DIALOG")"
      import -window root -crop "${ww}x${wh}+${wx}+${wy}" +repage "png:$SCENARIO_TMP/dialog.png"
    } ;;
  esac
  verdict=$(verdict)
  sleep 0.1
done
[ -s "$SCENARIO_TMP/dialog.png" ] && keep_screenshot dialog "$SCENARIO_TMP/dialog.png"
note "${#samples[@]} samples of the banners in $(( $(now_ms) - start_ms )) ms"
[ -z "$verdict" ] || fail "banner animation: $verdict"
pass "the left banner plays, then the right while the left holds its last frame, then the left again"

# A click on either banner: the shell opens the maker's page in the browser.
cat >"$SCENARIO_TMP/browser.sh" <<EOF
#!/bin/sh
echo "\$1" >>"$SCENARIO_TMP/opened.txt"
EOF
chmod +x "$SCENARIO_TMP/browser.sh"
wine_setup "could not register the stand-in browser" reg add "$BROWSER_KEY" /v Browsers /d "$SCENARIO_TMP/browser.sh" /f
opened_twice() { [ "$(grep -c . "$SCENARIO_TMP/opened.txt" 2>/dev/null)" -ge 2 ]; }
click_banner 0
wait_until 20 "the first banner's click opened nothing" test -s "$SCENARIO_TMP/opened.txt"
click_banner 1
wait_until 20 "the second banner's click opened nothing" opened_twice
opened_thrice() { [ "$(grep -c . "$SCENARIO_TMP/opened.txt" 2>/dev/null)" -ge 3 ]; }
reader_do "Velnora ホームページ" >/dev/null
wait_until 20 "a screen reader's default action on the banner opened nothing" opened_thrice
expect_eq "$(sort -u "$SCENARIO_TMP/opened.txt")" "https://velnora.github.io/" \
  "both banners, clicked or by a screen reader's default action, open the maker's page"
dialog_shown || fail "the dialog closed after a banner click"

# Beside the open dialog every mode ends at once and touches nothing.
rm -f "$SNAPSHOT_FILE"
before=$(ini_hex)
for args in "/s" "/p 1234" "/c"; do
  # shellcheck disable=SC2086
  start Velnora.scr $args
  wait_exit "$LAST_PID" 10
  expect_eq "$EXIT_CODE" 0 "'$args' beside the open dialog ends at once"
done
[ ! -e "$SNAPSHOT_FILE" ] || fail "a start beside the dialog took a snapshot"
has_window Ondrel_VC && fail "a start beside the dialog started the renderer"
expect_eq "$(ini_hex)" "$before" "nothing was written beside the open dialog"
expect_eq "$(xdotool search --name "^$DIALOG\$" | wc -l)" 1 "only the one dialog is open"

click_cancel
dialog_closed
rm -rf "$ROOT"
finish
