#!/usr/bin/env bash
# A screenshot of Arvex's windows under a virtual display (no desktop needed).
#   scripts/screenshot.sh OUT.png [ARVEX ARGUMENTS...]
# SIZE=1280x800 (screen size), WAIT=3 (seconds before the shot), KEYS="alt+f"
# (keys sent one by one first, xdotool names). Installs Xvfb, xdotool and
# ImageMagick from Debian's packages when they are missing. Uses a settings
# file and an application folder of its own, so nothing of yours changes.
set -euo pipefail
out=${1:?usage: scripts/screenshot.sh OUT.png [ARGS...]}; shift
cd "$(dirname "$0")/.."
need=()
command -v Xvfb >/dev/null || need+=(xvfb)
command -v xdotool >/dev/null || need+=(xdotool)
command -v import >/dev/null || need+=(imagemagick)
if [ ${#need[@]} -gt 0 ]; then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q "${need[@]}" >/dev/null
fi
[ -x build/arvex ] || { echo "build first: ./scripts/run.sh or cmake --build build" >&2; exit 1; }
work=$(mktemp -d)
trap 'kill $apid $xpid 2>/dev/null || true; rm -rf "$work"' EXIT
printf '[Arvex]\nSetupDone=-1\n' >"$work/settings.ini"
Xvfb -displayfd 3 -screen 0 "${SIZE:-1280x800}x24" -nolisten tcp 3>"$work/display" 2>/dev/null &
xpid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=:$(cat "$work/display")
[ $# -eq 0 ] && set -- --sample
ARVEX_SETTINGS_FILE="$work/settings.ini" ARVEX_APP_FOLDER="$work/app" env -u QT_QPA_PLATFORM ./build/arvex "$@" &
apid=$!
sleep "${WAIT:-3}"
for k in ${KEYS:-}; do xdotool key "$k"; sleep 1; done
import -window root "$out"
echo "wrote $out"
