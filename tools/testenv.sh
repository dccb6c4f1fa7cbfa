#!/usr/bin/env bash
# Runs a command inside the Velnora test environment:
#   tools/testenv.sh <build-dir> <command> [args...]
# - a private Wine prefix in <build-dir>/wineprefix (or VELNORA_WINEPREFIX,
#   which also wins over the monitors prefix below), created once, then
#   reused, with Wine's debugger and crash dialog disabled and Wine's
#   Marlett font (the close box and other window glyphs);
# - code page 932 (LC_ALL=ja_JP.UTF-8), Wine's chatter off;
# - a private Xvfb on a free display, VELNORA_SCREEN (default 1280x1024x24),
#   or with VELNORA_DISPLAY=current the display already in $DISPLAY when it answers;
# - the ALSA file sink: everything Wine plays lands in $VELNORA_AUDIO_SINK;
# - with VELNORA_MONITORS (sizes, "1280x1024 1024x768"), a desk of that many
#   monitors side by side instead: Xephyr screens joined by Xinerama inside
#   the private Xvfb, and a prefix of its own (<build-dir>/wineprefix-monitors)
#   where Wine takes its monitors from Xinerama (UseXRandR=N), so the
#   one-monitor prefix stays as it is;
# - with VELNORA_DESK=dummy, a desk whose monitors a test plugs, unplugs and
#   resizes with xrandr while programs run: Xorg's dummy driver (as root)
#   instead of Xvfb, DUMMY0 at VELNORA_SCREEN's size, and a prefix of its own
#   (<build-dir>/wineprefix-dummy) where Wine follows XRandR;
# - with VELNORA_GL=none, a desk without OpenGL: the X servers offer no GLX,
#   so Wine has no OpenGL pixel format;
# - with VELNORA_PREFIX_TEMPLATE, a prepared prefix (the run's own), the
#   prefix is a fresh copy of it, deleted at the end: each scenario runs
#   with a prefix, a wineserver and a display of its own, side by side with
#   the others.
# Everything started here is ended here, by process id.
set -euo pipefail

build=${1:?usage: testenv.sh <build-dir> <command...>}
shift
mkdir -p "$build"
build=$(cd "$build" && pwd)
here=$(cd "$(dirname "$0")" && pwd)

monitors=${VELNORA_MONITORS:-}
desk=${VELNORA_DESK:-}
suffix=${monitors:+-monitors}
[ "$desk" != dummy ] || suffix=-dummy
export WINEPREFIX="${VELNORA_WINEPREFIX:-$build/wineprefix$suffix}"
# Bump when the prefix's settings change, so that existing prefixes get them.
prefix_version=4
template=${VELNORA_PREFIX_TEMPLATE:-}
copied=0
if [ -n "$template" ] && [ "$template" != "$WINEPREFIX" ] &&
  [ "$(cat "$template/.velnora-ready" 2>/dev/null)" = "$prefix_version" ]; then
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX/drive_c/windows"
  # Wine's own programs and libraries, which nothing rewrites, are linked; the rest is copied.
  cp -al "$template/drive_c/windows/system32" "$template/drive_c/windows/winsxs" "$WINEPREFIX/drive_c/windows/"
  # NOTE: the Windows tests write into the run's prefix meanwhile; a file
  # changed or gone as it is read is taken as it was (tar exits 1), or left out.
  { tar -C "$template" --exclude=./drive_c/windows/system32 --exclude=./drive_c/windows/winsxs \
    --warning=no-file-changed --ignore-failed-read -cf - . 2>/dev/null || [ $? -eq 1 ]; } | tar -C "$WINEPREFIX" -xf -
  copied=1
  # As above for a prefix of several monitors, written before any Wine program reads it.
  [ -z "$monitors" ] || sed -i '/^\[Software\\\\Wine\\\\X11 Driver\]/a "UseXRandR"="N"' "$WINEPREFIX/user.reg"
fi
export WINEARCH=win64
export WINEDEBUG=-all
# No Mono/Gecko installers and no desktop menu entries in the test prefix.
export WINEDLLOVERRIDES="mscoree=d;mshtml=d;winemenubuilder.exe=d"
# ALSA reads ~/.asoundrc: give the tests a home of their own with the file sink.
export HOME="$build/testhome"
export VELNORA_AUDIO_SINK="$HOME/audio.raw"
mkdir -p "$HOME"
cat > "$HOME/.asoundrc" <<ASOUND
pcm.!default { type file; slave.pcm "null"; file "$VELNORA_AUDIO_SINK"; format "raw" }
ASOUND

# shellcheck source=tools/xvfb.sh
. "$here/xvfb.sh"
XVFB_PID=""
XEPHYR_PID=""
XORG_PID=""
[ "${VELNORA_GL:-}" != none ] || X_SERVER_ARGS=(-extension GLX)
trap 'status=$?; wineserver -k 2>/dev/null || true; [ "$copied" = 0 ] || { wineserver -w 2>/dev/null; rm -rf "$WINEPREFIX"; }; [ -z "$XEPHYR_PID" ] || xvfb_stop "$XEPHYR_PID"
  [ -z "$XVFB_PID" ] || xvfb_stop "$XVFB_PID"; [ -z "$XORG_PID" ] || { xvfb_stop "$XORG_PID"; rm -rf "$XORG_DIR"; }
  exit $status' EXIT
if [ -n "$monitors" ]; then
  export VELNORA_PRIVATE_DISPLAY=1
  # shellcheck disable=SC2086
  read -r host_w host_h <<<"$(printf '%s\n' $monitors | awk -Fx '{w += $1; if ($2 > h) h = $2} END {print w, h}')"
  xvfb_start "${host_w}x${host_h}x24"
  # shellcheck disable=SC2086
  DISPLAY="$XVFB_DISPLAY" xephyr_start $monitors
  export DISPLAY="$XEPHYR_DISPLAY"
elif [ "$desk" = dummy ]; then
  export VELNORA_PRIVATE_DISPLAY=1
  screen=${VELNORA_SCREEN:-1280x1024x24}
  xorg_dummy_start "${screen%x*}"
  export DISPLAY="$XORG_DISPLAY"
elif [ "${VELNORA_DISPLAY:-}" = current ] && [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  echo "testenv: using display $DISPLAY"
  export VELNORA_PRIVATE_DISPLAY=0
else
  export VELNORA_PRIVATE_DISPLAY=1
  xvfb_start "${VELNORA_SCREEN:-1280x1024x24}"
  export DISPLAY="$XVFB_DISPLAY"
fi
trap 'exit 130' INT TERM

if [ "$(cat "$WINEPREFIX/.velnora-ready" 2>/dev/null)" != "$prefix_version" ]; then
  echo "testenv: preparing Wine prefix $WINEPREFIX"
  timeout 180 wineboot -i >/dev/null 2>&1 || true
  # A crash must end the process, never wait in winedbg or a dialog.
  wine reg delete 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /f >/dev/null 2>&1 || true
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  # XRandR shows Xephyr's screens as one output; Xinerama lists each.
  [ -z "$monitors" ] || wine reg add 'HKCU\Software\Wine\X11 Driver' /v UseXRandR /d N /f >/dev/null 2>&1
  # The virtual screens have no window manager: Wine itself must give the
  # keyboard focus, also to a window that covers the whole screen.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  # The dialog's face "ＭＳ Ｐゴシック" is drawn with its metric twin from
  # fonts-ipafont-gothic. A UTF-16 .reg file carries the Japanese name
  # whatever the locale of this shell.
  fonts_reg="$WINEPREFIX/velnora-fonts.reg"
  { printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE <<'REG'
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"ＭＳ Ｐゴシック"="IPAPGothic"
REG
  } >"$fonts_reg"
  wine regedit /S "$fonts_reg" >/dev/null 2>&1
  # Window captions draw their close box with Marlett; without it Wine falls
  # back to a text face and shows the letter "r". Wine ships the font.
  marlett=/usr/share/wine/fonts/marlett.ttf
  if [ -f "$marlett" ]; then
    cp "$marlett" "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf"
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\Fonts' /v 'Marlett (TrueType)' \
      /d marlett.ttf /f >/dev/null 2>&1
  else
    echo "testenv: no $marlett: window captions show letters for their boxes" >&2
  fi
  wineserver -w
  echo "$prefix_version" >"$WINEPREFIX/.velnora-ready"
fi

# One wineserver for the whole run instead of one per test program, and
# Wine's own services started now with no output of ours: started by a test
# instead, they would inherit its pipes and hold them open.
wineserver -p
timeout 60 wine cmd /c exit </dev/null >/dev/null 2>&1 || true

# Code page 932, the system's own (set for the command only: bash itself has no such locale).
env LC_ALL=ja_JP.UTF-8 "$@"
