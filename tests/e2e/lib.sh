# Shared helpers for the end-to-end scenarios. Source it first thing:
#   . "$VELNORA_SOURCE/tests/e2e/lib.sh"
# Runs inside tools/testenv.sh (WINEPREFIX, DISPLAY, audio sink) with the
# variables CTest sets: VELNORA_DIST, VELNORA_PROBE, VELNORA_SOURCE.
# Every wait is bounded; a failing check says what it saw and ends the scenario.
set -u

: "${WINEPREFIX:?run through tools/testenv.sh}" "${VELNORA_DIST:?}" "${VELNORA_PROBE:?}"
WORK_DIR="$WINEPREFIX/drive_c/q_dorn_temp"
INI_FILE="$WORK_DIR/Velnora.ini"
SNAPSHOT_FILE="$WORK_DIR/Ondrel.alo"
SCENARIO_TMP=$(mktemp -d)
STARTED_PIDS=()
CHECKS=0

_e2e_cleanup() {
  local pid
  for pid in "${STARTED_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$SCENARIO_TMP"
}
trap _e2e_cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }
pass() { CHECKS=$((CHECKS + 1)); echo "ok: $*"; }
note() { echo "   $*"; }

expect_eq() {  # actual expected what
  [ "$1" = "$2" ] || fail "$3: expected '$2', saw '$1'"
  pass "$3"
}

now_ms() { date +%s%3N; }

# start NAME [args...]: a dist program (or any path) under Wine, in the background.
# Sets LAST_PID. The run is bounded by START_TIMEOUT seconds (default 60).
start() {
  local prog=$1; shift
  [ -e "$prog" ] || prog="$VELNORA_DIST/$prog"
  timeout -k 5 "${START_TIMEOUT:-60}" wine "$prog" "$@" >>"$SCENARIO_TMP/wine.log" 2>&1 &
  LAST_PID=$!
  STARTED_PIDS+=("$LAST_PID")
}

# wait_until SECONDS WHAT COMMAND...: runs COMMAND until it succeeds; fails
# with "WHAT after SECONDS" once that time has passed. Sets WAITED_MS.
wait_until() {
  local limit=$1 what=$2 start_ms
  shift 2
  start_ms=$(now_ms)
  until "$@"; do
    [ $(( $(now_ms) - start_ms )) -lt $((limit * 1000)) ] || fail "$what after ${limit}s"
    sleep 0.05
  done
  WAITED_MS=$(( $(now_ms) - start_ms ))
}

not() { ! "$@"; }
running() { kill -0 "$1" 2>/dev/null; }

# wait_exit PID SECONDS: waits for the scenario's own process to end; sets EXIT_CODE, or fails.
wait_exit() {
  wait_until "$2" "process $1 still running" not running "$1"
  wait "$1"; EXIT_CODE=$?
}

# still_running PID SECONDS: fails if the process ends within that time.
still_running() {
  local pid=$1 secs=$2
  sleep "$secs"
  kill -0 "$pid" 2>/dev/null || fail "process $pid ended within ${secs}s"
}

probe() { timeout -k 2 20 wine "$VELNORA_PROBE" "$@" 2>/dev/null; }

# wine_setup WHAT ARGS...: a Wine command a scenario needs (a registry value),
# tried again a second later before failing with Wine's words: one such
# command once ended in 0.07 s, for no reason it printed.
wine_setup() {
  local what=$1; shift
  wine "$@" >/dev/null 2>"$SCENARIO_TMP/setup.err" && return 0
  sleep 1
  wine "$@" >/dev/null 2>"$SCENARIO_TMP/setup.err" || fail "$what: $(tail -n 5 "$SCENARIO_TMP/setup.err")"
}

# expect_cursor_shown WHAT: the cursor is shown once a program has ended.
# NOTE: asked in the moment the foreground's program has ended, Wine's
# GetCursorInfo has once failed (the probe said nothing); ask again, for up
# to 5 s, before calling it a fault.
cursor_shown() { [ "$(probe cursor)" = shown ]; }
expect_cursor_shown() { wait_until 5 "$1: the cursor is not shown" cursor_shown; pass "$1"; }

# has_window TITLE: true when a top-level window (hidden ones too) has that title.
has_window() { probe find "$1" >/dev/null; }

# wait_window TITLE SECONDS: waits until the window exists, or fails.
wait_window() { wait_until "$2" "no window '$1'" has_window "$1"; }

# wait_no_window TITLE SECONDS: waits until no window has that title, or fails.
wait_no_window() { wait_until "$2" "window '$1' still there" not has_window "$1"; }

# window_rect TITLE: prints "x y width height".
window_rect() { probe rect "$1"; }

# window_texts TITLE: "class<TAB>text" lines of the window and its children.
window_texts() { probe texts "$1"; }

# hold_window TITLE SECONDS: a hidden marker window from another process; returns when it exists.
hold_window() {
  timeout -k 2 $(( ${2%.*} + 10 )) wine "$VELNORA_PROBE" hold "$1" "$2" >"$SCENARIO_TMP/hold.out" 2>/dev/null &
  HOLD_PID=$!
  STARTED_PIDS+=("$HOLD_PID")
  wait_until 10 "marker window '$1' not up" grep -q ready "$SCENARIO_TMP/hold.out"
}

send_key() { xdotool key "$@"; }

# escape_ends_session HOST_PID: types Escape; the renderer's window goes and
# the host (exit code in EXIT_CODE) follows within one check of it: half a
# second promised, a second allowed for a machine half as fast. The moment
# the window is gone is known to within one probe (~0.1 s).
escape_ends_session() {
  local gone_ms lag
  send_key Escape
  wait_no_window Ondrel_VC 10
  gone_ms=$(now_ms)
  wait_exit "$1" 5
  lag=$(( $(now_ms) - gone_ms ))
  note "host ended ${lag} ms after the renderer's window was gone"
  [ "$lag" -le 1000 ] || fail "the host took ${lag} ms to notice the renderer had gone"
}

# screenshot FILE: the whole X screen as PNG.
screenshot() { import -window root "$1"; }

# pixel FILE X Y: "RRGGBB" of one pixel of a screenshot or picture.
pixel() { convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- | tail -n 1 | grep -o '#[0-9A-Fa-f]\{6\}' | head -n 1 | tr -d '#' | tr 'a-f' 'A-F'; }

# ini_write TEXT: replaces the settings file with TEXT (UTF-8 here, CP932 on disk, CRLF).
ini_write() {
  mkdir -p "$WORK_DIR"
  printf '%s' "$1" | iconv -f UTF-8 -t CP932 | sed 's/$/\r/' >"$INI_FILE"
}

# ini_value SECTION KEY: the value as the file holds it (CP932 decoded to UTF-8), blanks kept.
ini_value() {
  [ -f "$INI_FILE" ] || return 0
  iconv -f CP932 -t UTF-8 "$INI_FILE" | tr -d '\r' | awk -v s="[$1]" -v k="$2" '
    /^\[/ { insec = ($0 == s); next }
    insec && index($0, k "=") == 1 { print substr($0, length(k) + 2); exit }'
}

screen_size() { probe metrics | awk '{print $1 " " $2}'; }

# snapshot_gone WHAT: neither the snapshot nor its temporary file is left.
snapshot_gone() {
  [ ! -e "$SNAPSHOT_FILE" ] && [ ! -L "$SNAPSHOT_FILE" ] || fail "$1: the snapshot is still there"
  [ ! -e "$SNAPSHOT_FILE.new" ] && [ ! -L "$SNAPSHOT_FILE.new" ] || fail "$1: the snapshot's temporary file is still there"
  pass "$1: the snapshot and its temporary file are gone"
}

# colour_count COLOUR FILE: pixels of exactly that colour (RRGGBB) in a picture.
colour_count() {
  convert "$2" -format %c histogram:info:- | grep -i "#$1 " | awk -F: '{s += $1} END {print s + 0}'
}

finish() { echo "scenario passed: $CHECKS checks"; }

# desktop_picture FILE: shows a picture on the X root window, the desktop
# that Wine's screen grab sees.
desktop_picture() { timeout 10 display -window root "$1" >/dev/null 2>&1 || true; }

# unix_pid_of TEXT: the Unix process id of the newest Wine process of this
# scenario's prefix whose command line holds TEXT (for a program started
# inside Wine, not by the scenario). Other test runs on the machine have
# programs of the same names in prefixes of their own.
unix_pid_of() {
  local d found=""
  for d in $(ls -d /proc/[0-9]* 2>/dev/null | sort -t/ -k3 -n); do
    alive "${d#/proc/}" || continue
    tr '\0' ' ' <"$d/cmdline" 2>/dev/null | grep -q -F -- "$1" || continue
    tr '\0' '\n' <"$d/environ" 2>/dev/null | grep -q -x -F -- "WINEPREFIX=$WINEPREFIX" && found=${d#/proc/}
  done
  [ -n "$found" ] && echo "$found"
}

# alive PID: the process exists and has not merely ended unreaped (a zombie
# whose parent has not collected it yet counts as ended).
alive() {
  local state
  state=$(awk '{print $3}' "/proc/$1/stat" 2>/dev/null) || return 1
  [ -n "$state" ] && [ "$state" != Z ] && [ "$state" != X ]
}

# wait_pid_gone PID SECONDS: for a process that is not the scenario's child.
wait_pid_gone() { wait_until "$2" "process $1 still running" not alive "$1"; }

# sink_size: bytes the ALSA file sink has received so far.
sink_size() { stat -c %s "$VELNORA_AUDIO_SINK" 2>/dev/null || echo 0; }

# has_focus TITLE: the X window with that title has the keyboard focus.
has_focus() { [ "$(xdotool getwindowfocus getwindowname 2>/dev/null)" = "$1" ]; }

# wait_focus TITLE SECONDS: waits until that window has the keyboard focus, or fails.
wait_focus() { wait_until "$2" "'$1' without the focus" has_focus "$1"; }

# sink_audible FROM: share (0-100) of 16-bit words from byte FROM on in the
# sound sink whose magnitude exceeds 512; silence is all zero bytes whether
# the player writes 16-bit integers or 32-bit floats.
sink_audible() {
  local from=$1 size
  size=$(sink_size)
  [ "$size" -gt "$from" ] || { echo 0; return; }
  # Read in one piece: od and awk took seconds of a busy machine's time.
  perl -e 'open(my $f, "<", $ARGV[0]) or die; binmode $f; seek($f, $ARGV[1], 0); local $/; my $d = <$f>;
    my ($n, $l) = (0, 0); for my $v (unpack("s<*", $d)) { $n++; $l++ if $v > 512 || $v < -512 }
    print $n ? int($l * 100 / $n) : 0, "\n"' "$VELNORA_AUDIO_SINK" "$from"
}

# keep_screenshot NAME FILE: keeps a picture of what a user sees for the
# README (tools/screenshots.sh collects them from <build>/screenshots/).
keep_screenshot() {
  mkdir -p "$VELNORA_BUILD/screenshots"
  cp "$2" "$VELNORA_BUILD/screenshots/$1.png"
}

# read_only FILE / writable FILE: a file the programs cannot change, and back.
# NOTE: as root, Wine writes through a file's missing write bits (its
# read-only attribute): only the immutable flag stops root. read_only fails
# where that flag cannot be set.
read_only() {
  chmod a-w "$1"
  [ "$(id -u)" != 0 ] || chattr +i "$1" 2>/dev/null
}
writable() {
  [ "$(id -u)" != 0 ] || chattr -i "$1" 2>/dev/null || true
  chmod u+w "$1"
}

# keep_wallpaper_settings [CLEANUP]: the prefix is shared: its wallpaper
# settings are put back as they were when the scenario ends, and CLEANUP run.
DESKTOP_KEY='HKCU\Control Panel\Desktop' COLORS_KEY='HKCU\Control Panel\Colors'
keep_wallpaper_settings() {
  wine reg export "$DESKTOP_KEY" "$SCENARIO_TMP/desktop.reg" /y >/dev/null 2>&1
  wine reg export "$COLORS_KEY" "$SCENARIO_TMP/colors.reg" /y >/dev/null 2>&1
  trap "{ wine reg delete '$DESKTOP_KEY' /v WallpaperStyle /f; wine reg delete '$DESKTOP_KEY' /v TileWallpaper /f
    wine reg import '$SCENARIO_TMP/desktop.reg'; wine reg import '$SCENARIO_TMP/colors.reg'; } >/dev/null 2>&1
    ${1:-}; _e2e_cleanup" EXIT
}

# wallpaper PATH STYLE TILE: the user's wallpaper as the display settings set it, over a dark blue (102030).
wallpaper() {
  printf 'REGEDIT4\r\n\r\n[%s]\r\n"Wallpaper"="%s"\r\n"WallpaperStyle"="%s"\r\n"TileWallpaper"="%s"\r\n\r\n[%s]\r\n"Background"="16 32 48"\r\n' \
    "${DESKTOP_KEY/HKCU/HKEY_CURRENT_USER}" "${1//\\/\\\\}" "$2" "$3" "${COLORS_KEY/HKCU/HKEY_CURRENT_USER}" >"$SCENARIO_TMP/wall.reg"
  wine regedit /S "$SCENARIO_TMP/wall.reg" >/dev/null 2>&1
}

# x_window_rect TITLE: "x y width height" of the window as X has it; unlike
# window_rect, it sees windows on another desktop too.
# NOTE: xdotool's search stops at a window that goes while it looks (BadWindow): asked again, it answers.
x_window_rect() {
  xdotool search --name "^$1\$" getwindowgeometry --shell 2>/dev/null | grep -E '^(X|Y|WIDTH|HEIGHT)=' |
    cut -d= -f2 | xargs
}

# curtain_rects: "x y width height" of each shown panel of the host's curtain, as X has them.
curtain_rects() {
  local id
  for id in $(xdotool search --onlyvisible --name '^Ondrel_Curtain$' 2>/dev/null); do
    xdotool getwindowgeometry --shell "$id" 2>/dev/null | grep -E '^(X|Y|WIDTH|HEIGHT)=' | cut -d= -f2 | xargs
  done | sort | paste -sd,
}

# on_dummy_desk: the scenario runs again on Xorg's dummy desk, whose cables
# xrandr plugs and pulls, unless it already does.
on_dummy_desk() {
  [ "${VELNORA_DESK:-}" != dummy ] || return 0
  trap - EXIT
  _e2e_cleanup
  VELNORA_DESK=dummy exec "$VELNORA_SOURCE/tools/testenv.sh" "$VELNORA_SCENARIO_DIR" bash "$0"
}

# plug ARGS...: an xrandr change, then the probe a driver's hotplug report makes.
plug() { xrandr "$@" && xrandr >/dev/null; }
