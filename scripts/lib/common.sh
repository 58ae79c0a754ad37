# shellcheck shell=bash
# Helpers shared by scripts/run and scripts/test: the packages the build needs, the project's own
# Wine prefix, a private X server, a persistent wineserver, the build itself, and a trap that stops
# whatever was started. Sourced by scripts that have already set `set -euo pipefail`.

FR_REPO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

# A prefix of our own keeps ~/.wine untouched and can be thrown away and rebuilt at any time.
FR_WINE_PREFIX="${XDG_CACHE_HOME:-$HOME/.cache}/folder-renamer/wine"
# Written last, so a prefix whose creation was interrupted is recognised and rebuilt.
FR_PREFIX_MARKER="$FR_WINE_PREFIX/.folder-renamer-ready"

FR_PACKAGES=(wine wine64 g++-mingw-w64-x86-64 xvfb x11-utils xauth xdotool fonts-wqy-microhei
  locales cmake ninja-build libgtest-dev clang libclang-rt-14-dev)
# Its recommends (Ghostscript, netpbm, extra coders) are not needed to take a PNG screenshot.
FR_PACKAGES_NO_RECOMMENDS=(imagemagick)

FR_XVFB_PID=""
FR_WINESERVER_STARTED=""
FR_STOP_PIDS=()

log() { printf '==> %s\n' "$*" >&2; }
die() {
  printf 'error: %s\n' "$*" >&2
  exit 1
}

as_root() {
  if [[ $EUID -eq 0 ]]; then "$@"; else sudo "$@"; fi
}

# Prints those of the given packages that are not installed.
missing_packages() {
  local pkg
  for pkg in "$@"; do
    [[ $(dpkg-query -W -f='${db:Status-Status}' "$pkg" 2>/dev/null) == installed ]] ||
      printf '%s\n' "$pkg"
  done
}

ensure_packages() {
  local -a missing missing_no_recommends
  mapfile -t missing < <(missing_packages "${FR_PACKAGES[@]}")
  mapfile -t missing_no_recommends < <(missing_packages "${FR_PACKAGES_NO_RECOMMENDS[@]}")
  if ((${#missing[@]} + ${#missing_no_recommends[@]} > 0)); then
    log "installing: ${missing[*]}${missing[*]:+ }${missing_no_recommends[*]}"
    as_root env DEBIAN_FRONTEND=noninteractive apt-get update -q
    if ((${#missing[@]} > 0)); then
      as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
    fi
    if ((${#missing_no_recommends[@]} > 0)); then
      as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
        "${missing_no_recommends[@]}"
    fi
  fi
  ensure_zh_cn_locale
}

has_zh_cn_locale() {
  # `locale -a` spells it zh_CN.utf8; grep reads all of it, so pipefail sees no SIGPIPE.
  locale -a 2>/dev/null | grep -ix 'zh_CN\.utf-\?8' >/dev/null
}

# Wine takes its ANSI code page from the locale; without a generated zh_CN.UTF-8 it may still
# report 936 while handing back garbled file names.
ensure_zh_cn_locale() {
  has_zh_cn_locale && return 0
  log "generating the zh_CN.UTF-8 locale"
  as_root sed -i 's/^# *zh_CN.UTF-8 UTF-8/zh_CN.UTF-8 UTF-8/' /etc/locale.gen
  as_root locale-gen
  has_zh_cn_locale || die "locale-gen did not produce zh_CN.UTF-8 (is it listed in /etc/locale.gen?)"
}

# The environment of every wine call: code page 936 and no debug chatter.
use_wine_env() {
  export WINEPREFIX="$FR_WINE_PREFIX"
  export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
  export WINEDEBUG=-all
}

# Settings a fresh prefix lacks: Chinese glyphs in captions and message boxes (SimSun is not
# there), an unthemed look (the theme makes edit boxes very slow), no crash dialog that would wait
# forever, and Wine-drawn title bars because Xvfb has no window manager.
write_prefix_settings() {
  cat >"$1" <<'EOF'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"SimSun"="WenQuanYi Micro Hei"

[HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\ThemeManager]
"ThemeActive"="0"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"
EOF
}

ensure_wine_prefix() {
  use_wine_env
  [[ -f $FR_PREFIX_MARKER ]] && return 0
  log "creating the Wine prefix $WINEPREFIX"
  rm -rf "${WINEPREFIX:?}"
  mkdir -p "$WINEPREFIX"
  timeout 300 wineboot -i </dev/null >/dev/null 2>&1 ||
    die "wineboot -i failed for $WINEPREFIX"
  local settings="$WINEPREFIX/drive_c/folder-renamer-settings.reg"
  write_prefix_settings "$settings"
  timeout 120 wine regedit /S "$settings" </dev/null >/dev/null 2>&1 ||
    die "could not import the registry settings into $WINEPREFIX"
  rm -f "$settings"
  # Tahoma, and Marlett for the glyphs of the caption buttons.
  cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
  # The wineserver writes the registry to disk when it exits; only then is the prefix complete.
  timeout 120 wineserver -w || die "the wineserver of $WINEPREFIX did not exit"
  touch "$FR_PREFIX_MARKER"
}

# A private X server on the first free display from :90 up; exports DISPLAY.
start_xvfb() {
  local n
  for ((n = 90; n < 190; n++)); do
    [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
    FR_XVFB_PID=$!
    if wait_for_xvfb ":$n"; then
      export DISPLAY=":$n"
      log "Xvfb is on :$n (pid $FR_XVFB_PID)"
      return 0
    fi
    # Another run took this number between the check and the start; try the next one.
    stop_xvfb
  done
  die "found no free X display between :90 and :189"
}

wait_for_xvfb() {
  local tries
  for ((tries = 0; tries < 100; tries++)); do
    kill -0 "$FR_XVFB_PID" 2>/dev/null || return 1
    xdpyinfo -display "$1" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}

stop_xvfb() {
  [[ -n $FR_XVFB_PID ]] || return 0
  kill "$FR_XVFB_PID" 2>/dev/null || true
  wait "$FR_XVFB_PID" 2>/dev/null || true
  FR_XVFB_PID=""
}

# One wineserver for the whole run: each wine call then starts in milliseconds instead of half a
# second, and no server lingers in the background afterwards.
start_wineserver() {
  use_wine_env
  # A server left over from a wine call that just ended goes away within seconds by itself.
  timeout 15 wineserver -w ||
    die "a program is still using $WINEPREFIX; end it, or stop it all with: WINEPREFIX=$WINEPREFIX wineserver -k"
  timeout 30 wineserver -p || die "could not start a wineserver for $WINEPREFIX"
  FR_WINESERVER_STARTED=1
  timeout 120 wineboot </dev/null >/dev/null 2>&1 || die "wineboot failed in $WINEPREFIX"
}

stop_wineserver() {
  [[ -n $FR_WINESERVER_STARTED ]] || return 0
  FR_WINESERVER_STARTED=""
  timeout 30 wineserver -k 2>/dev/null || true
  timeout 30 wineserver -w || log "warning: the wineserver of $WINEPREFIX is still running"
}

# Registers a background process to be ended by the cleanup trap if it is still running then.
stop_on_exit() {
  FR_STOP_PIDS+=("$1")
}

# For when those processes have been waited for: their PIDs may already belong to others.
forget_stop_on_exit() {
  FR_STOP_PIDS=()
}

stop_everything() {
  local pid
  for pid in "${FR_STOP_PIDS[@]}"; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  FR_STOP_PIDS=()
  stop_wineserver
  stop_xvfb
}

# Ctrl-C, a kill or a failing command all end in the EXIT trap, which stops what was started.
install_cleanup_trap() {
  trap stop_everything EXIT
  trap 'exit 130' INT
  trap 'exit 143' TERM
}

# Configures the preset once, then builds it; cmake re-configures by itself when needed.
build_preset() {
  local preset=$1
  log "building the $preset preset"
  (
    cd "$FR_REPO_ROOT" || exit
    [[ -f build/$preset/build.ninja ]] || cmake --preset "$preset"
    cmake --build --preset "$preset"
  )
}
