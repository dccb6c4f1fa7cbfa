#!/usr/bin/env bash
# The zip and SHA256SUMS of both releases the fixture made: the zip holds
# exactly the build's two programs (stripped) and the read-me as Notepad
# wants it; the sums match; the same programs give the same bytes again.
. "$(dirname "$0")/checks.sh"
: "${SOURCE_DATE_EPOCH:?}"

version=$(sed -n 's/^#define VELNORA_VERSION_TEXT "\(.*\)"$/\1/p' "$VELNORA_BUILD/generated/velnora_version.h")
dist=$(sed -n 's/^VELNORA_DIST_DIR:[A-Z]*=//p' "$VELNORA_BUILD/CMakeCache.txt")
zip_name="velnora-$version-win64.zip"
setup_name="velnora-$version-setup.exe"
[ "$version" = 1.1.0 ] || fail "version $version, expected 1.1.0"

# The build's programs without their symbol tables: what an unsigned zip must hold.
for f in Velnora.scr Velnora.dll; do x86_64-w64-mingw32-strip -o "$tmp/$f.stripped" "$dist/$f"; done

for kind in unsigned signed; do
  dir=$R/$kind
  echo "== $kind"
  [ "$(ls "$dir")" = "$(printf '%s\n' SHA256SUMS site "$setup_name" "$zip_name")" ] ||
    fail "$kind: the release folder holds $(ls "$dir" | tr '\n' ' ')"
  pass "$kind: the zip, the installer, SHA256SUMS and the site, nothing else"
  for f in "$zip_name" "$setup_name" SHA256SUMS; do
    cmp -s "$dir/$f" "$dir/site/download/$f" || fail "$kind: the site's download/$f is not the release's"
  done
  pass "$kind: the site offers the release's own packages and sums"

  [ "$(zipinfo -1 "$dir/$zip_name")" = "$(printf '%s\n' README.txt Velnora.dll Velnora.scr)" ] ||
    fail "$kind: zip entries $(zipinfo -1 "$dir/$zip_name" | tr '\n' ' ')"
  pass "$kind: the zip lists README.txt, Velnora.dll, Velnora.scr, side by side at its top"
  unzip -tq "$dir/$zip_name" >/dev/null || fail "$kind: the zip does not test clean"
  times=$(TZ=UTC zipinfo -T "$dir/$zip_name" | awk '/^-/ {print $7}' | sort -u)
  [ "$times" = "$(TZ=UTC date -d "@$SOURCE_DATE_EPOCH" +%Y%m%d.%H%M%S)" ] ||
    fail "$kind: entry times $times, not SOURCE_DATE_EPOCH $SOURCE_DATE_EPOCH"
  pass "$kind: the zip tests clean and every entry has the time SOURCE_DATE_EPOCH"

  x=$tmp/$kind
  mkdir -p "$x"
  unzip -q "$dir/$zip_name" -d "$x"
  for f in Velnora.scr Velnora.dll; do
    x86_64-w64-mingw32-objdump -f "$x/$f" | grep -q ' pei-x86-64$' || fail "$kind: $f is no 64-bit Windows program"
    if [ $kind = unsigned ]; then
      cmp -s "$x/$f" "$tmp/$f.stripped" || fail "$kind: $f is not the build's program"
    fi
  done
  x86_64-w64-mingw32-objdump -f "$dir/$setup_name" | grep -q ' pei-x86-64$' || fail "$kind: the installer is no 64-bit program"
  pass "$kind: both programs and the installer are 64-bit Windows programs"

  # Both sums, each matching its file, names as shipped.
  [ "$(awk '{print $2}' "$dir/SHA256SUMS")" = "$(printf '%s\n' "$zip_name" "$setup_name")" ] ||
    fail "$kind: SHA256SUMS names $(awk '{print $2}' "$dir/SHA256SUMS" | tr '\n' ' ')"
  (cd "$dir" && sha256sum --quiet -c SHA256SUMS) || fail "$kind: SHA256SUMS does not match"
  pass "$kind: SHA256SUMS names the zip and the installer and matches both"
done
pass "the unsigned zip holds exactly the build's programs, stripped"

# The read-me: UTF-8 with BOM, CRLF only, both languages, the four topics.
readme=$tmp/unsigned/README.txt
sed "s/@VERSION@/$version/g" "$VELNORA_SOURCE/packaging/README-ja-en.txt" | cmp -s "$readme" - ||
  fail "README.txt is not packaging/README-ja-en.txt naming version $version"
grep -q '@' "$readme" && fail "README.txt has a placeholder left"
[ "$(head -c 3 "$readme" | od -An -tx1 | tr -d ' ')" = efbbbf ] || fail "README.txt has no UTF-8 BOM"
iconv -f UTF-8 -t UTF-8 "$readme" >/dev/null || fail "README.txt is not UTF-8"
lf=$(tr -cd '\n' <"$readme" | wc -c)
crlf=$(grep -c $'\r$' "$readme" || true)
[ "$lf" -gt 0 ] && [ "$lf" = "$crlf" ] || fail "README.txt: $lf line ends, $crlf of them CRLF"
pass "README.txt: UTF-8 with BOM, every line ending CRLF"
text=$(tr -d '\r' <"$readme")
for want in "Velnora $version" "$setup_name" 'C:\Windows\System32' 'C:\q_dorn_temp' \
            インストール 音楽 アンインストール "How to install" "How to choose music" "How to uninstall" \
            Esc 音楽CD "MP3、WAV" '"Install"' \
            "Ondrel.alo" "終わると削除されます" "and deleted when" "readable by you alone"; do
  grep -q -F -- "$want" <<<"$text" || fail "README.txt does not mention '$want'"
done
grep -q -F "picture of the desktop from the last start" <<<"$text" && fail "README.txt says the snapshot stays"
pass "README.txt: what it is, the snapshot deleted at the end, install, music and uninstall, in Japanese and English, naming this version"

# Same programs, same time: the same bytes.
(unset VELNORA_SIGN_PFX VELNORA_SIGN_PASSWORD
 "$VELNORA_SOURCE/tools/release.sh" --build-dir "$VELNORA_BUILD" --no-build --out "$tmp/again" >/dev/null)
for f in "$zip_name" "$setup_name" SHA256SUMS; do
  cmp -s "$R/unsigned/$f" "$tmp/again/$f" || fail "a second unsigned release gave another $f"
done
pass "a second unsigned release gives byte-identical packages"
diff -r "$R/unsigned/site" "$tmp/again/site" >&2 || fail "a second unsigned release gave another site"
pass "a second unsigned release gives a byte-identical site"

# Whether the packages are signed, and by whom, as the pages say it.
for page in ja/index.html en/index.html; do
  grep -q 'class="note"' "$R/unsigned/site/$page" && ! grep -q 'class="signed"' "$R/unsigned/site/$page" ||
    fail "the unsigned release's $page does not say it is unsigned"
  grep -q 'class="signed".*<strong>Velnora Throw-away Signer</strong>' "$R/signed/site/$page" &&
    ! grep -q 'class="note"' "$R/signed/site/$page" || fail "the signed release's $page does not name its signer"
done
pass "the site says the unsigned release is unsigned and names the signed one's signer"

echo "archive checks passed: $checks"
