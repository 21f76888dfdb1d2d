#!/usr/bin/env bash
# Start-up time, idle memory and idle CPU of the program against a bare Qt window of the same size
# built the same way (bench/janela_nua), both under an Xvfb of their own, in one run so that the
# ratios hold on a shared, loaded machine. Prints figures; it passes or fails nothing.
#
#   bench/inicio_memoria.sh [build folder, default build] [rounds, default 7]
#   CPU_SEGUNDOS=60   how long the idle CPU is measured (0 skips it)
#   CPU_JANELAS=6     how many windows that time is cut into for the spread
#   SOM=1             a PulseAudio of its own with a null sink, as a desktop with sound has
#
# Start to shown: from the moment the process is started until a viewable window of its name exists,
# as seen by one X client that wakes on the server's events (bench/espera_janela); starting a window
# search every few milliseconds instead took as much processor time as the program being timed.
# Memory: VmRSS once the window has stood a few seconds.
# CPU: time on a processor of all the process's threads (schedstat, in nanoseconds) over the period,
# with the window shown and no connection; beside it the bare window, which never wakes, and the
# bare window with an empty timer of the poller's ten ticks a second (janela-nua --tique), the least
# any Qt program that ticks as often costs on this machine.
set -euo pipefail

build=$(realpath "${1:-build}")
rodadas=${2:-7}
cpu_segundos=${CPU_SEGUNDOS:-60}
assentamento=3

[[ -x $build/programa/e-Telvanor3Std ]] || { echo "falta $build/programa/e-Telvanor3Std" >&2; exit 2; }
nua=$build/bench/janela_nua/janela-nua
[[ -x $nua ]] || { echo "falta $nua (cmake --build $build --target janela-nua)" >&2; exit 2; }
espera=$build/bench/espera_janela/espera-janela
[[ -x $espera ]] || { echo "falta $espera (cmake --build $build --target espera-janela)" >&2; exit 2; }

tmp=$(mktemp -d)
execucao=$tmp/run
pids=()
limpa() {
    local p
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    for p in "${pids[@]}"; do wait "$p" 2>/dev/null || true; done
    rm -rf "$tmp" "$execucao"
}
trap limpa EXIT

# A pause without a process of its own: a read that times out on a pipe nobody writes.
mkfifo "$tmp/pausa"
exec {pausa}<>"$tmp/pausa"
pausa() { read -r -t "$1" -u "$pausa" _ || true; }

# The program's folders, as the smoke tests lay them: nothing of the user's is read or written.
cp -r "$build/programa" "$tmp/programa"
source "$(dirname "$0")/comum/pasta_execucao.bash"
memoria=$(pasta_execucao_em_memoria)
[[ -z $memoria ]] || execucao=$memoria
export HOME=$tmp/home XDG_CONFIG_HOME=$tmp/config XDG_RUNTIME_DIR=$execucao
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM PULSE_SERVER
export DBUS_SESSION_BUS_ADDRESS=unix:path=$tmp/sem-barramento

Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp -noreset 3>"$tmp/display" 2>"$tmp/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do [[ -s $tmp/display ]] && break; pausa 0.1; done
export DISPLAY=:$(cat "$tmp/display")

if [[ ${SOM:-0} == 1 ]]; then
    pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit --use-pid-file=no \
        -L "module-native-protocol-unix" -L "module-null-sink sink_name=banco" \
        -L "module-always-sink" >"$tmp/pulse.log" 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; pausa 0.1; done
    pactl set-default-sink banco
fi

programa_cmd=("$tmp/programa/e-Telvanor3Std")
programa_nome='^e-Telvanor 3\.1'
nua_cmd=("$nua")
nua_nome='^janela nua$'
tique_cmd=("$nua" --tique)
tique_nome='^janela nua com tique$'

# Starts "$qual" (programa, nua or tique), waits for its window; sets pid and ms (start to shown).
inicia() {
    local -n cmd=${1}_cmd
    local -n nome=${1}_nome
    local t0 t1
    t0=$EPOCHREALTIME
    "${cmd[@]}" >>"$tmp/$1.log" 2>&1 &
    pid=$!
    pids+=("$pid")
    # Whichever ends first: the watcher on the window, or the program before it showed one.
    "$espera" "$nome" 20000 &
    local vigia=$! terminou estado=0
    pids+=("$vigia")
    wait -n -p terminou "$vigia" "$pid" || estado=$?
    t1=$EPOCHREALTIME
    if [[ $terminou != "$vigia" ]]; then
        echo "$1 terminou sem mostrar a janela:" >&2
        tail -n 20 "$tmp/$1.log" >&2
        exit 1
    fi
    if ((estado != 0)); then
        echo "$1 não mostrou a janela em 20 s:" >&2
        tail -n 20 "$tmp/$1.log" >&2
        exit 1
    fi
    ms=$(awk -v a="$t0" -v b="$t1" 'BEGIN { printf "%.1f", (b - a) * 1000 }')
}

termina() {
    kill -TERM "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status"; }

# Nanoseconds on a processor of every thread of the process.
cpu_ns() { cat /proc/"$1"/task/*/schedstat | awk '{ s += $1 } END { printf "%d", s }'; }
# The same from utime+stime, in clock ticks.
cpu_tiques() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

# min and median of the numbers on standard input.
resumo() { sort -g | awk '{ v[NR] = $1 } END { m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "%s %s\n", v[1], m }'; }

# One warm-up start of each, not counted: the first start writes the settings and fills the caches.
for qual in programa nua; do
    inicia "$qual"
    pausa 1
    termina "$pid"
done

: >"$tmp/programa.ms"; : >"$tmp/nua.ms"; : >"$tmp/programa.kb"; : >"$tmp/nua.kb"
for r in $(seq "$rodadas"); do
    # Alternate who goes first, so a drift of the machine's load falls on both alike.
    if ((r % 2)); then ordem=(programa nua); else ordem=(nua programa); fi
    for qual in "${ordem[@]}"; do
        inicia "$qual"
        echo "$ms" >>"$tmp/$qual.ms"
        pausa "$assentamento"
        rss_kb "$pid" >>"$tmp/$qual.kb"
        termina "$pid"
    done
    printf 'rodada %d: programa %s ms %s kB, nua %s ms %s kB\n' "$r" \
        "$(tail -n1 "$tmp/programa.ms")" "$(tail -n1 "$tmp/programa.kb")" \
        "$(tail -n1 "$tmp/nua.ms")" "$(tail -n1 "$tmp/nua.kb")"
done

read -r pms_min pms_med < <(resumo <"$tmp/programa.ms")
read -r nms_min nms_med < <(resumo <"$tmp/nua.ms")
read -r pkb_min pkb_med < <(resumo <"$tmp/programa.kb")
read -r nkb_min nkb_med < <(resumo <"$tmp/nua.kb")
echo
echo "                        programa        janela nua      razão"
awk -v a="$pms_min" -v b="$nms_min" -v c="$pms_med" -v d="$nms_med" 'BEGIN {
    printf "início a janela (ms)    min %6.1f      min %6.1f      %.2f×\n", a, b, a / b
    printf "                        med %6.1f      med %6.1f      %.2f×\n", c, d, c / d }'
awk -v a="$pkb_min" -v b="$nkb_min" -v c="$pkb_med" -v d="$nkb_med" 'BEGIN {
    printf "memória ociosa (MB)     min %6.1f      min %6.1f      %.2f×\n", a / 1024, b / 1024, a / b
    printf "                        med %6.1f      med %6.1f      %.2f×\n", c / 1024, d / 1024, c / d }'

((cpu_segundos > 0)) || exit 0
# Both idle side by side over the same period, cut into windows: one window's figure moves by a fifth
# from one minute to the next on a shared machine, so the spread is printed with the whole.
janelas=${CPU_JANELAS:-6}
inicia programa
pprog=$pid
inicia nua
pnua=$pid
inicia tique
ptique=$pid
pausa 5
: >"$tmp/cpu"
p0=$(cpu_ns "$pprog") n0=$(cpu_ns "$pnua") q0=$(cpu_ns "$ptique") pt0=$(cpu_tiques "$pprog")
t0=$EPOCHREALTIME
pj=$p0 tj=$t0
for _ in $(seq "$janelas"); do
    pausa "$(awk -v s="$cpu_segundos" -v j="$janelas" 'BEGIN { print s / j }')"
    p=$(cpu_ns "$pprog") t=$EPOCHREALTIME
    awk -v p="$((p - pj))" -v a="$tj" -v b="$t" 'BEGIN { printf "%.3f\n", p / 1e7 / (b - a) }' >>"$tmp/cpu"
    pj=$p tj=$t
done
p1=$(cpu_ns "$pprog") n1=$(cpu_ns "$pnua") q1=$(cpu_ns "$ptique") pt1=$(cpu_tiques "$pprog")
t1=$EPOCHREALTIME
read -r cpu_min cpu_med < <(resumo <"$tmp/cpu")
awk -v p="$((p1 - p0))" -v n="$((n1 - n0))" -v q="$((q1 - q0))" -v t="$((pt1 - pt0))" -v hz="$(getconf CLK_TCK)" \
    -v a="$t0" -v b="$t1" -v j="$janelas" -v mn="$cpu_min" -v md="$cpu_med" 'BEGIN {
    s = b - a
    printf "CPU ociosa em %.0f s      programa %.3f %% de um núcleo (%d tiques de utime+stime: %.2f %%), janela nua %.3f %%\n",
        s, p / 1e7 / s, t, t / hz * 100 / s, n / 1e7 / s
    printf "                        programa em %d janelas: min %.3f %%, med %.3f %%\n", j, mn, md
    printf "                        janela nua com tique %.3f %%: o programa está a %.2f× dela\n",
        q / 1e7 / s, (q > 0 ? p / q : 0) }'
termina "$pprog"
termina "$pnua"
termina "$ptique"
