#!/usr/bin/env bash
# The real program's cues through a PulseAudio null sink: the first start on the shipped settings
# turns the cues on, so the greeting of the hour is heard at start and the closing cue at SIGTERM.
source "$(dirname "$0")/comum/ambiente.bash"

inicia_xvfb
inicia_pulse

# Records the sink's monitor into $1 until `para_gravacao`.
grava() {
    parecord --device=fumaca.monitor --file-format=wav --channels=1 --rate=22050 "$1" 2>>"$tmp/parecord.log" &
    gravador=$!
    pids+=($gravador)
    sleep 0.3
}
para_gravacao() {
    kill -INT "$gravador"
    wait "$gravador" 2>/dev/null || true
}
amplitude() {
    [[ -s $1 ]] || falha "nada gravado em ${1##*/}"
    sox "$1" -n stat 2>&1 | awk -F: '/^Maximum amplitude/ {gsub(/ /, "", $2); print $2}'
}
ouvido() { awk -v a="$1" 'BEGIN { exit !(a > 0.01) }'; }

grep -q '^Primeira Vez=1' "$tmp/programa/Config.ini" || falha "o Config.ini entregue não é de primeira partida"

grava "$tmp/saudacao.wav"
inicia_programa
janela_visivel >/dev/null || falha "janela não apareceu"
sleep 2.5
para_gravacao
saudacao=$(amplitude "$tmp/saudacao.wav")
ouvido "$saudacao" || falha "saudação não foi ouvida (amplitude $saudacao)"

grava "$tmp/fechamento.wav"
termina_programa
sleep 0.5
para_gravacao
fechamento=$(amplitude "$tmp/fechamento.wav")
ouvido "$fechamento" || falha "som de fechamento não foi ouvido (amplitude $fechamento)"

echo "sons: saudação $saudacao, fechamento $fechamento; 2 passed, 0 failed"
