#!/usr/bin/env bash
# The real program under Xvfb: a second start is refused with its message while the first keeps
# running and no setting changes, and SIGTERM ends the first as a shutdown would, redial reset.
set -euo pipefail
origem=$1
tmp=$(mktemp -d)
pids=()
limpa() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    for p in "${pids[@]}"; do wait "$p" 2>/dev/null || true; done
    rm -rf "$tmp"
}
trap limpa EXIT
falha() { echo "FALHOU: $*" >&2; exit 1; }

cp -r "$origem" "$tmp/programa"
export HOME=$tmp/home XDG_CONFIG_HOME=$tmp/config XDG_RUNTIME_DIR=$tmp/run
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM

Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3>"$tmp/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [[ -s $tmp/display ]] && break; sleep 0.1; done
[[ -s $tmp/display ]] || falha "Xvfb não iniciou"
export DISPLAY=:$(cat "$tmp/display")

"$tmp/programa/e-Telvanor3Std" >"$tmp/primeiro.log" 2>&1 &
primeiro=$!
pids+=($primeiro)
timeout 30 xdotool search --sync --onlyvisible --name '^e-Telvanor 3\.1$' >/dev/null || falha "janela não apareceu"

config_antes=$(md5sum <"$tmp/programa/Config.ini")
colmeia_antes=$(md5sum <"$XDG_CONFIG_HOME/e-Telvanor/registro.reg")

"$tmp/programa/e-Telvanor3Std" >"$tmp/segundo.log" 2>&1 &
segundo=$!
pids+=($segundo)
caixa=$(timeout 30 xdotool search --sync --onlyvisible --name '^e-Telvanor 3\.1 Standard$' | head -n1) ||
    falha "a segunda partida não mostrou o aviso"
xdotool windowfocus --sync "$caixa" key Return
for _ in $(seq 200); do kill -0 "$segundo" 2>/dev/null || break; sleep 0.1; done
kill -0 "$segundo" 2>/dev/null && falha "a segunda partida não terminou"
wait "$segundo" || falha "a segunda partida terminou com erro"
kill -0 "$primeiro" 2>/dev/null || falha "a primeira instância terminou"
[[ $(md5sum <"$tmp/programa/Config.ini") == "$config_antes" ]] || falha "a segunda partida mudou Config.ini"
[[ $(md5sum <"$XDG_CONFIG_HOME/e-Telvanor/registro.reg") == "$colmeia_antes" ]] ||
    falha "a segunda partida mudou a colmeia"

# A redial left on by the running program must read False once SIGTERM has ended it.
sed -i 's/^Rediscar=.*\r$/Rediscar=True\r/' "$tmp/programa/Config.ini"
grep -q '^Rediscar=True' "$tmp/programa/Config.ini" || falha "Config.ini sem Rediscar"
kill -TERM "$primeiro"
for _ in $(seq 200); do kill -0 "$primeiro" 2>/dev/null || break; sleep 0.1; done
kill -0 "$primeiro" 2>/dev/null && falha "SIGTERM não encerrou o programa"
wait "$primeiro" || falha "o programa terminou com erro depois de SIGTERM"
grep -q $'^Rediscar=False\r$' "$tmp/programa/Config.ini" || falha "Rediscar não ficou False"
echo "instancia_e_sinal: 1 passed, 0 failed"
