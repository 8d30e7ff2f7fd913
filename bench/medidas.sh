#!/bin/sh
# Measures of the real program from outside, on a display of its own:
# processor use at the opening screen and while a question waits for its
# answer, and the peak memory over a whole exam (time sped up ten times).
#
#   bench/medidas.sh PASTA_DO_PROGRAMA [TELA]
#
# The program folder is copied to a temporary folder, so the marks of the
# killed runs never touch the build. Needs Xvfb, xdotool and libfaketime;
# SDL_AUDIODRIVER=dummy gives a working, silent sound device.
set -eu
ORIGEM=$(cd "$1" && pwd)
TELA=${2:-:98}
FAKETIME_LIB=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1
: "${SDL_AUDIODRIVER:=dummy}"
export SDL_AUDIODRIVER
export DISPLAY="$TELA"
TICKS=$(getconf CLK_TCK)

PASTA=$(mktemp -d)
XVFB=""
PROG=""
encerra() {
    [ -n "$PROG" ] && kill "$PROG" 2>/dev/null || true
    [ -n "$XVFB" ] && kill "$XVFB" 2>/dev/null || true
    rm -rf "$PASTA"
}
trap encerra EXIT
cp -a "$ORIGEM"/. "$PASTA"/
rm -f "$PASTA"/tolvane.mdb.lock*

if ! xdpyinfo >/dev/null 2>&1; then
    Xvfb "$TELA" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB=$!
    sleep 1
fi

# utime + stime of the whole process, in clock ticks.
cpu() { awk '{print $14 + $15}' "/proc/$1/stat"; }
# Percent of one core used by process $1 over $2 seconds.
uso() {
    a=$(cpu "$1"); sleep "$2"; b=$(cpu "$1")
    awk -v d=$((b - a)) -v s="$2" -v t="$TICKS" 'BEGIN { printf "%.2f", 100 * d / t / s }'
}
inicia() {
    "$@" "$PASTA/tolvane" >/dev/null 2>&1 &
    PROG=$!
    JANELA=$(timeout 20 xdotool search --sync --onlyvisible --pid "$PROG" | head -1)
}
# Types a name and presses Enter; the quiz screen's window then replaces
# the opening's.
comeca_prova() {
    xdotool windowfocus --sync "$JANELA"
    xdotool type --delay 30 "Medida"
    xdotool key Return
    sleep 1
    JANELA=$(xdotool search --onlyvisible --pid "$PROG" | tail -1)
}
# Processor time of each thread of process $1 over $2 seconds, by name.
por_thread() {
    for t in /proc/"$1"/task/*; do echo "$(basename "$t") $(awk '{print $14 + $15}' "$t/stat") $(tr " " _ < "$t/comm")"; done > "$PASTA/antes"
    sleep "$2"
    for t in /proc/"$1"/task/*; do echo "$(basename "$t") $(awk '{print $14 + $15}' "$t/stat") $(tr " " _ < "$t/comm")"; done > "$PASTA/depois"
    join "$PASTA/antes" "$PASTA/depois" | awk -v s="$2" -v t="$TICKS" \
        '{ printf "    %-16s %.2f %%\n", $3, 100 * ($4 - $2) / t / s }'
}
termina() { kill "$PROG"; wait "$PROG" 2>/dev/null || true; PROG=""; sleep 1; }

# 1. Real time: the opening animation, then a question waiting for its answer.
inicia
sleep 3
echo "abertura (30 s):             $(uso "$PROG" 30) % de um núcleo"
comeca_prova
sleep 3
echo "questão esperando (30 s):    $(uso "$PROG" 30) % de um núcleo"
echo "  por thread, nos 20 s seguintes:"
por_thread "$PROG" 20
grep VmHWM "/proc/$PROG/status" | awk '{printf "pico de memória até aqui:    %.1f MiB\n", $2 / 1024}'
termina

# 2. A whole exam with time ten times as fast: the first answer of every
# question is clicked until the exam ends with its verdict (21 errors or 40
# answers); the peak resident size is read while the verdict's box is open.
# The answer sits at (258, 255) on the 800 x 600 design, scaled with the window.
inicia env LD_PRELOAD="$FAKETIME_LIB" FAKETIME="+0 x10"
sleep 2
grep VmHWM "/proc/$PROG/status" | awk '{printf "pico na abertura:            %.1f MiB\n", $2 / 1024}'
comeca_prova
eval "$(xdotool getwindowgeometry --shell "$JANELA")"
X=$((258 * HEIGHT / 600))
Y=$((255 * HEIGHT / 600))
inicio=$(date +%s)
while [ "$(xdotool search --onlyvisible --pid "$PROG" 2>/dev/null | wc -l)" -lt 2 ]; do
    if [ $(( $(date +%s) - inicio )) -gt 480 ]; then
        echo "a prova não terminou em 8 minutos" >&2
        exit 1
    fi
    xdotool mousemove --window "$JANELA" "$X" "$Y" click 1
    sleep 0.5
done
echo "prova inteira:               $(( $(date +%s) - inicio )) s de relógio"
grep VmHWM "/proc/$PROG/status" | awk '{printf "pico de memória na prova:    %.1f MiB\n", $2 / 1024}'
termina
