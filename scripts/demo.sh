#!/usr/bin/env bash
# make demo: the window program against a simulated radio, from a fresh clone.
#
# Installs the missing Debian packages, builds pl63, pl63-radiosim and
# pl63-gui, starts a simulated radio loaded with examples/sample.DAT on a
# pseudo-terminal, points port COM1 at it through a `ports` file in a demo
# settings folder and opens pl63-gui: Read, edit, Save and Write at once.
# Without a display the same session runs with `pl63` in the terminal.
# Closing the window (or Ctrl-C) stops the simulated radio too.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-build}
case "$build" in /*) ;; *) build="$root/$build" ;; esac
jobs=${JOBS:-$(nproc)}
sample="$root/examples/sample.DAT"

bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$jobs" --target pl63 pl63-radiosim pl63-gui

pl63="$build/tools/pl63"
radiosim="$build/tools/pl63-radiosim"
gui="$build/src/app/pl63-gui"

# The sample codeplug is made from examples/sample_channels.csv by the same
# rules as typing into the grid; PL63_REBUILD_SAMPLE=1 makes it again.
if [ ! -f "$sample" ] || [ "${PL63_REBUILD_SAMPLE:-0}" = 1 ]; then
  "$pl63" new - | "$pl63" import "$root/examples/sample_channels.csv" --base - -o "$sample"
fi

demo=$(mktemp -d "${TMPDIR:-/tmp}/pl63-demo.XXXXXX")
export PL63_SETTINGS_DIR="$demo/settings"
mkdir -p "$PL63_SETTINGS_DIR"

radio_pid=""
gui_pid=""
finish() {
  trap - EXIT INT TERM
  for pid in $gui_pid $radio_pid; do
    kill "$pid" 2>/dev/null || true
  done
  wait 2>/dev/null || true
  echo "demo: stopped; the radio's memory after the last session is in $demo/radio.DAT"
}
trap finish EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

"$radiosim" --load "$sample" --save "$demo/radio.DAT" --link "$demo/radio" >"$demo/radio.log" 2>&1 &
radio_pid=$!
for _ in $(seq 100); do
  [ -e "$demo/radio" ] && break
  kill -0 "$radio_pid" 2>/dev/null || { cat "$demo/radio.log" >&2; exit 1; }
  sleep 0.1
done
[ -e "$demo/radio" ] || { echo "demo: the simulated radio did not start" >&2; exit 1; }

# COM1 is the simulated radio; the other numbers point at nothing, so the
# machine's own serial ports stay out of the demo.
{
  echo "COM1=$(readlink -f "$demo/radio")"
  for n in $(seq 2 20); do echo "COM$n=$demo/no-port-$n"; done
} >"$PL63_SETTINGS_DIR/ports"

echo "demo: simulated radio on $(readlink -f "$demo/radio") as COM1, loaded with examples/sample.DAT"

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  echo "demo: opening pl63-gui; Programming > Read Frequency reads the simulated radio."
  echo "demo: close the window to end the demo."
  "$gui" &
  gui_pid=$!
  # Whichever ends first, the other follows (the trap stops it).
  wait -n "$gui_pid" "$radio_pid" || true
  exit 0
fi

echo "demo: no display (neither DISPLAY nor WAYLAND_DISPLAY is set), so the same session"
echo "demo: runs with the command-line tool instead of the window."
echo
echo "\$ pl63 read --port 1 -o $demo/read.DAT"
"$pl63" read --port 1 -o "$demo/read.DAT"
echo
echo "\$ pl63 show $demo/read.DAT"
"$pl63" show "$demo/read.DAT"
echo
echo "\$ pl63 export ... | (channel 10 gets a TX frequency) | pl63 import ... && pl63 write --port 1 --verify"
"$pl63" export "$demo/read.DAT" -o "$demo/channels.csv"
sed -i "s/^10,.*/10,430.12500,Off,430.12500,Off,Low,Off,Wide,No/" "$demo/channels.csv"
"$pl63" import "$demo/channels.csv" --base "$demo/read.DAT" -o "$demo/edited.DAT"
"$pl63" write --port 1 --verify "$demo/edited.DAT"
