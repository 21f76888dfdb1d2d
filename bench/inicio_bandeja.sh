#!/usr/bin/env bash
# Start-up time and idle memory of the program, shown and started in the tray ("/bandeja"), against
# a bare Qt window (bench/janela_nua) and a small tray program for NetworkManager (nm-tray), in one
# run with the order rotated so that a drift of the machine's load falls on all alike. nm-tray gets
# the NetworkManager of python3-dbusmock on a system bus of its own; the tray host is trayer. Prints
# figures; it passes or fails nothing.
#
#   bench/inicio_bandeja.sh [build folder, default build] [rounds, default 15]
#   OCIOSO=10   seconds from the start to the memory reading
#
# Start to shown: until a viewable top-level window of its name exists (bench/espera_janela), or, for
# the tray starts, until a viewable window of its class is docked in the tray's panel; the panel is
# looked at every 20 ms, which costs the machine a little while the program starts.
# Memory: VmRSS and RssAnon of /proc/PID/status, OCIOSO seconds after the start; beside them whether
# the process's maps then hold the network, Kerberos or proxy libraries.
set -euo pipefail

build=$(realpath "${1:-build}")
rodadas=${2:-15}
ocioso=${OCIOSO:-10}
raiz=$(cd "$(dirname "$0")/.." && pwd)

[[ -x $build/programa/e-Telvanor3Std ]] || { echo "falta $build/programa/e-Telvanor3Std" >&2; exit 2; }
nua=$build/bench/janela_nua/janela-nua
[[ -x $nua ]] || { echo "falta $nua (cmake --build $build --target janela-nua)" >&2; exit 2; }
espera=$build/bench/espera_janela/espera-janela
[[ -x $espera ]] || { echo "falta $espera (cmake --build $build --target espera-janela)" >&2; exit 2; }
command -v nm-tray >/dev/null || { echo "falta nm-tray (tools/dependencias.sh testes)" >&2; exit 2; }

# The program folder copied, the user's folders temporary and no session bus, as the smoke tests lay
# them; so the tray icons dock by XEmbed in trayer's panel.
source "$raiz/tests/smoke/comum/ambiente.bash" "$build/programa"
source "$raiz/bench/comum/pasta_execucao.bash"
memoria=$(pasta_execucao_em_memoria)
if [[ -n $memoria ]]; then
    XDG_RUNTIME_DIR=$memoria
    trap 'limpa; rm -rf "$XDG_RUNTIME_DIR"' EXIT
fi

mkfifo "$tmp/pausa"
exec {pausa}<>"$tmp/pausa"
pausa() { read -r -t "$1" -u "$pausa" _ || true; }

# The system bus of this run, with NetworkManager on it.
dbus-daemon --config-file="$raiz/tests/support/barramento_privado.conf" --address="unix:path=$tmp/sistema" \
    --nofork --print-address=3 3>"$tmp/sistema.endereco" 2>"$tmp/dbus.log" &
pids+=($!)
for _ in $(seq 100); do [[ -s $tmp/sistema.endereco ]] && break; pausa 0.1; done
export DBUS_SYSTEM_BUS_ADDRESS=unix:path=$tmp/sistema
/usr/bin/python3 -m dbusmock --system --template networkmanager >"$tmp/nm.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    dbus-send --system --print-reply --dest=org.freedesktop.NetworkManager /org/freedesktop/NetworkManager \
        org.freedesktop.DBus.Peer.Ping >/dev/null 2>&1 && break
    pausa 0.1
done

inicia_xvfb
trayer --edge bottom --align right --widthtype pixel --width 120 --height 24 >"$tmp/trayer.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do xdotool search --classname '^panel$' >/dev/null 2>&1 && break; pausa 0.1; done
painel=$(xdotool search --classname '^panel$' | head -n1)

# What each one is: its command, and the window name or the docked icon's class it is waited for by.
programa_cmd=("$tmp/programa/e-Telvanor3Std") programa_janela='^e-Telvanor 3\.1'
bandeja_cmd=("$tmp/programa/e-Telvanor3Std" /bandeja) bandeja_icone=e-Telvanor3Std
nua_cmd=("$nua") nua_janela='^janela nua$'
nmtray_cmd=(nm-tray) nmtray_icone=nm-tray
todos=(programa bandeja nua nmtray)

icone_docado() {
    local w
    for w in $(xwininfo -tree -id "$painel" | awk -v c="\"$1\"" 'index($0, c) { print $1 }'); do
        xwininfo -id "$w" 2>/dev/null | grep -q 'Map State: IsViewable' && return 0
    done
    return 1
}

# Starts "$1", waits for its window or icon; sets pid and ms (start to shown).
inicia() {
    local -n cmd=${1}_cmd
    local t0 t1 nome=${1}_janela icone=${1}_icone
    t0=$EPOCHREALTIME
    "${cmd[@]}" >>"$tmp/$1.log" 2>&1 &
    pid=$!
    pids+=("$pid")
    if [[ -v $nome ]]; then
        "$espera" "${!nome}" 20000 || { echo "$1 não mostrou a janela:" >&2; tail -n 20 "$tmp/$1.log" >&2; exit 1; }
    else
        local i
        for ((i = 0; i < 1000; i++)); do
            icone_docado "${!icone}" && break
            kill -0 "$pid" 2>/dev/null || { echo "$1 terminou:" >&2; tail -n 20 "$tmp/$1.log" >&2; exit 1; }
            pausa 0.02
        done
        ((i < 1000)) || { echo "$1 não pôs o ícone na bandeja" >&2; exit 1; }
    fi
    t1=$EPOCHREALTIME
    ms=$(awk -v a="$t0" -v b="$t1" 'BEGIN { printf "%.1f", (b - a) * 1000 }')
    espera_ate=$(awk -v a="$t0" -v s="$ocioso" 'BEGIN { printf "%.6f", a + s }')
}

termina() {
    kill -TERM "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

campo_kb() { awk -v c="$2:" '$1 == c { print $2 }' "/proc/$1/status"; }
bibliotecas_rede() {
    { grep -oE 'lib(Qt6Network|krb5|gssapi_krb5|proxy)\.so' "/proc/$1/maps" || true; } | sed 's/\.so$//' | sort -u | paste -sd, -
}

resumo() { sort -g | awk '{ v[NR] = $1 } END { m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "%s %s\n", v[1], m }'; }

# One warm-up start of each, not counted.
for qual in "${todos[@]}"; do
    inicia "$qual"
    pausa 1
    termina "$pid"
    : >"$tmp/$qual.ms"; : >"$tmp/$qual.rss"; : >"$tmp/$qual.anon"
done

for r in $(seq "$rodadas"); do
    # Each round starts one place further along the list.
    linha="rodada $r:"
    for k in "${!todos[@]}"; do
        qual=${todos[$(((k + r) % ${#todos[@]}))]}
        inicia "$qual"
        echo "$ms" >>"$tmp/$qual.ms"
        pausa "$(awk -v f="$espera_ate" -v a="$EPOCHREALTIME" 'BEGIN { d = f - a; printf "%.3f", (d > 0 ? d : 0) }')"
        campo_kb "$pid" VmRSS >>"$tmp/$qual.rss"
        campo_kb "$pid" RssAnon >>"$tmp/$qual.anon"
        rede=$(bibliotecas_rede "$pid")
        echo "${rede:-nenhuma}" >"$tmp/$qual.rede"
        termina "$pid"
        linha+=" $qual $ms ms $(tail -n1 "$tmp/$qual.rss") kB"
    done
    echo "$linha"
done

echo
printf '%-10s %21s %21s %21s  %s\n' "" "início (ms) min/med" "RSS (MB) min/med" "Anon (MB) min/med" "rede/Kerberos/proxy ociosos"
for qual in "${todos[@]}"; do
    read -r ms_min ms_med < <(resumo <"$tmp/$qual.ms")
    read -r rss_min rss_med < <(resumo <"$tmp/$qual.rss")
    read -r anon_min anon_med < <(resumo <"$tmp/$qual.anon")
    awk -v q="$qual" -v a="$ms_min" -v b="$ms_med" -v c="$rss_min" -v d="$rss_med" -v e="$anon_min" -v f="$anon_med" \
        -v r="$(cat "$tmp/$qual.rede")" 'BEGIN {
        printf "%-10s %10.1f %10.1f %10.1f %10.1f %10.1f %10.1f  %s\n", q, a, b, c / 1024, d / 1024, e / 1024, f / 1024, r }'
    eval "${qual}_rss=$rss_med ${qual}_ms=$ms_med"
done
echo
awk -v p="$programa_rss" -v b="$bandeja_rss" -v n="$nua_rss" -v t="$nmtray_rss" -v pm="$programa_ms" -v nm="$nua_ms" 'BEGIN {
    printf "medianas: /bandeja RSS %.2f× nm-tray; janela RSS %.2f× janela nua; início %.2f× janela nua\n", b / t, p / n, pm / nm }'
# The same ratio taken within each round, where the two starts are seconds apart: a drift of the
# machine's load over the run falls out of it.
read -r _ par_med < <(paste "$tmp/programa.ms" "$tmp/nua.ms" | awk '{ print $1 / $2 }' | resumo)
echo "início ÷ janela nua, mediana das rodadas: $par_med"
