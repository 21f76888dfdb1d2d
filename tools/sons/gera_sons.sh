#!/bin/bash
# Makes the seven cues of the program as 16-bit mono PCM wave files at 22050 Hz:
# short chimes from sine tones, and the greetings spoken in Brazilian Portuguese after a chime.
# Needs sox and espeak-ng. Usage: tools/sons/gera_sons.sh [folder] (default: assets/programa).
set -euo pipefail

destino=${1:-$(dirname "$0")/../../assets/programa}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

formato=(-D -r 22050 -c 1 -b 16)

# nota <file> <seconds> <frequency> [volume]: a soft bell: quick attack, long decay, a quiet octave.
nota() {
    local vol=${4:-0.45}
    sox -n "${formato[@]}" "$tmp/f.wav" synth "$2" sine "$3" fade q 0.004 "$2" "$2"
    sox -n "${formato[@]}" "$tmp/o.wav" synth "$2" sine "$(echo "$3 * 2" | bc -l)" fade q 0.004 "$2" "$2" vol 0.25
    sox -m "${formato[@]}" "$tmp/f.wav" "$tmp/o.wav" "$1" vol "$vol"
}

# sequencia <out> <gap seconds> <note seconds> <frequencies...>: overlapping notes, one every gap.
sequencia() {
    local saida=$1 passo=$2 duracao=$3
    shift 3
    local partes=() atraso=0 i=0
    for f in "$@"; do
        nota "$tmp/n$i.wav" "$duracao" "$f"
        sox "$tmp/n$i.wav" "${formato[@]}" "$tmp/p$i.wav" pad "$atraso"
        partes+=("$tmp/p$i.wav")
        atraso=$(echo "$atraso + $passo" | bc -l)
        i=$((i + 1))
    done
    if [ ${#partes[@]} -eq 1 ]; then
        cp "${partes[0]}" "$saida"
    else
        sox -m "${formato[@]}" "${partes[@]}" "$saida" norm -4
    fi
}

# fala <out> <text> <pitch>: the words, trimmed of silence.
fala() {
    espeak-ng -v pt-br -s 145 -p "$3" -a 160 -w "$tmp/voz.wav" "$2"
    sox "$tmp/voz.wav" "${formato[@]}" "$1" silence 1 0.01 0.5% reverse silence 1 0.01 0.5% reverse norm -3
}

saudacao() {
    sequencia "$tmp/sino.wav" 0.12 0.45 "$3" "$4"
    fala "$tmp/fala.wav" "$2" "$5"
    sox "$tmp/sino.wav" "${formato[@]}" "$tmp/sino-curto.wav" trim 0 0.34 fade q 0 0.34 0.12
    sox "$tmp/sino-curto.wav" "$tmp/fala.wav" "${formato[@]}" "$destino/$1" pad 0 0.05
}

C4=261.63 E4=329.63 G4=392.00 A4=440.00 C5=523.25 E5=659.25 G5=783.99 A5=880.00 C6=1046.50

saudacao e-bomdia.wav "Bom dia!" "$C5" "$E5" 60
saudacao e-boatarde.wav "Boa tarde!" "$E5" "$G5" 50
saudacao e-boanoite.wav "Boa noite!" "$G4" "$E4" 40
sequencia "$destino/e-conectado.wav" 0.09 0.5 "$C5" "$E5" "$G5" "$C6"
sequencia "$destino/e-desconectado.wav" 0.18 0.5 "$G4" "$C4"
sequencia "$destino/e-tememail.wav" 0.14 0.4 "$A5" "$A5"
sequencia "$destino/e-fim.wav" 0.16 0.55 "$G5" "$E5" "$C5"
