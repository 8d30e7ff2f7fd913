#!/usr/bin/env bash
# Takes the screenshots that the software-centre description (AppStream
# metainfo) points to, from the real program on a virtual 800 x 600 screen:
#   abertura.png  the opening screen with a name typed in
#   questao.png   the first question of an exam
# Usage: packaging/capturas.sh PASTA-DE-SAIDA [PROGRAMA]
# PROGRAMA defaults to build/bin/tolvane; an installed copy (tolvane) works
# too. Needs Xvfb, xdotool and ImageMagick's import. The pictures are then
# published under the address given to CMake as TOLVANE_CAPTURAS_URL.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
OUT=${1:?"uso: $0 PASTA-DE-SAIDA [PROGRAMA]"}
PROGRAM=${2:-$ROOT/build/bin/tolvane}
NAME=${TOLVANE_NOME:-Marina}

for tool in Xvfb xdotool import; do
  command -v "$tool" >/dev/null || { echo "$tool não encontrado" >&2; exit 1; }
done
mkdir -p "$OUT"

# A free display number.
display=90
while [[ -e /tmp/.X11-unix/X$display || -e /tmp/.X$display-lock ]]; do
  display=$((display + 1))
done
export DISPLAY=:$display

work=$(mktemp -d)
server=""
program=""
cleanup() {
  local status=$?
  [[ -n $program ]] && kill "$program" 2>/dev/null && { wait "$program" 2>/dev/null || true; }
  [[ -n $server ]] && kill "$server" 2>/dev/null && { wait "$server" 2>/dev/null || true; }
  rm -rf "$work"
  exit "$status"
}
trap cleanup EXIT

Xvfb "$DISPLAY" -screen 0 800x600x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
server=$!
for _ in $(seq 50); do
  xdotool getdisplaygeometry >/dev/null 2>&1 && break
  sleep 0.1
done

# A copy of the program folder, so the question drawn leaves no mark in the
# real bank when the program is stopped; a home of its own, so the pictures
# show a first run and add nothing to the player's history.
folder=$(dirname "$(readlink -f "$(command -v "$PROGRAM")")")
cp -a "$folder" "$work/programa"
HOME=$work XDG_DATA_HOME=$work/data SDL_AUDIODRIVER=dummy "$work/programa/tolvane" >"$work/tolvane.log" 2>&1 &
program=$!

window=""
for _ in $(seq 100); do
  window=$(xdotool search --onlyvisible --pid "$program" 2>/dev/null | head -1) && [[ -n $window ]] && break
  kill -0 "$program" 2>/dev/null || { cat "$work/tolvane.log" >&2; echo "o programa terminou antes de abrir a janela" >&2; exit 1; }
  sleep 0.1
done
[[ -n $window ]] || { echo "a janela não apareceu em 10 s" >&2; exit 1; }

# The opening animation settles, the name goes into the box.
sleep 3
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool type --delay 60 "$NAME"
sleep 0.5
import -window root "$OUT/abertura.png"

# Enter starts the exam: the quiz screen, "prepare-se", then the question.
xdotool key Return
sleep 6
import -window root "$OUT/questao.png"
echo "Capturas gravadas em $OUT: abertura.png, questao.png"
