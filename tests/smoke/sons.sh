#!/usr/bin/env bash
# The real program's cues through a PulseAudio null sink: the first start on the shipped settings
# turns the cues on, so the greeting of the hour is heard at start and the closing cue at SIGTERM.
source "$(dirname "$0")/comum/ambiente.bash"

inicia_xvfb
inicia_pulse

# One recording of the sink's monitor for the whole run, raw 16-bit mono: a recording stream takes
# a moment to start delivering, and would miss the closing cue if it were started at the close.
taxa=22050
gravacao=$tmp/gravacao.raw
parecord --device=fumaca.monitor --raw --format=s16le --channels=1 --rate=$taxa --latency-msec=20 \
    "$gravacao" 2>"$tmp/parecord.log" &
gravador=$!
pids+=($gravador)
amostras() { echo $(($(stat -c %s "$gravacao") / 2)); }
gravando() { [[ $(amostras) -gt $((taxa / 10)) ]]; }
espera 200 gravando || falha "parecord não grava"

# Largest amplitude between two sample positions of the recording (to its end without the second).
amplitude() {
    local trecho="trim ${1}s"
    [[ -n ${2:-} ]] && trecho="trim ${1}s =${2}s"
    sox -t raw -r $taxa -e signed -b 16 -c 1 "$gravacao" -n $trecho stat 2>&1 |
        awk -F: '/^Maximum amplitude/ {gsub(/ /, "", $2); print $2}'
}
ouvido() { awk -v a="${1:-0}" 'BEGIN { exit !(a > 0.01) }'; }

grep -q '^Primeira Vez=1' "$tmp/programa/Config.ini" || falha "o Config.ini entregue não é de primeira partida"

inicio=$(amostras)
inicia_programa
janela_visivel >/dev/null || falha "janela não apareceu"
# The greeting is heard, then the line falls quiet again before the program is ended.
saudacao_ouvida() { ouvido "$(amplitude "$inicio")"; }
silencio() {
    local fim
    fim=$(amostras)
    ! ouvido "$(amplitude $((fim - taxa / 2)) "$fim")"
}
espera 100 saudacao_ouvida || falha "saudação não foi ouvida (amplitude $(amplitude "$inicio"))"
saudacao=$(amplitude "$inicio")
espera 100 silencio || falha "a saudação não terminou"
# Once it has played, the sound process rests a moment and ends; the closing cue starts it anew.
processo_som() { pgrep -P "$programa" -x e-telvanor-som >/dev/null; }
sem_processo_som() { ! processo_som; }
espera 100 sem_processo_som || falha "o processo de som não terminou depois da saudação"

fechamento_inicio=$(amostras)
termina_programa
sleep 0.5
kill -INT "$gravador"
wait "$gravador" 2>/dev/null || true
fechamento=$(amplitude "$fechamento_inicio")
ouvido "$fechamento" || falha "som de fechamento não foi ouvido (amplitude $fechamento)"

# A program folder that lost its sound process still starts and ends; it says once why it is silent.
rm "$tmp/programa/e-telvanor-som"
inicia_programa
janela_visivel >/dev/null || falha "sem o processo de som, a janela não apareceu"
termina_programa
[[ $(grep -c 'sem som: .*e-telvanor-som: ' "$tmp/programa.log") == 1 ]] ||
    falha "sem o processo de som, o motivo não foi dito uma vez: $(cat "$tmp/programa.log")"

echo "sons: saudação $saudacao, fechamento $fechamento; 4 passed, 0 failed"
