#!/usr/bin/env bash
# The real program's window on a plain coloured screen: the skin is painted inside the window's
# rectangle, and the root window's colour shows through the parts the outline cuts away.
source "$(dirname "$0")/comum/ambiente.bash"

inicia_xvfb
inicia_programa
janela=$(janela_visivel) || falha "janela não apareceu"
sleep 1
eval "$(xdotool getwindowgeometry --shell "$janela")"
import -window root "$tmp/tela.png"

pixel() { convert "$tmp/tela.png" -format "%[pixel:p{$1,$2}]" info:; }
fundo=$(pixel 0 0)
[[ $fundo == "srgb(30,123,58)" ]] || falha "o fundo da tela não ficou verde ($fundo)"

# Share of the window's rectangle where the screen's colour shows: the outline cuts some away,
# the skin covers the rest.
vazado=$(convert "$tmp/tela.png" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage \
    -fill white -opaque '#1E7B3A' -fill black +opaque white -colorspace Gray -format '%[fx:mean]' info:)
awk -v v="$vazado" 'BEGIN { exit !(v >= 0.05) }' ||
    falha "nada do fundo aparece pela janela (fração $vazado): sem recorte"
awk -v v="$vazado" 'BEGIN { exit !(v <= 0.6) }' ||
    falha "a maior parte da janela mostra o fundo (fração $vazado): pele ausente"
centro=$(pixel $((X + WIDTH / 2)) $((Y + HEIGHT / 2)))
[[ $centro != "$fundo" ]] || falha "o centro da janela mostra o fundo"

echo "janela_recortada: ${WIDTH}x${HEIGHT} em +$X+$Y, fundo em $vazado da janela; 1 passed, 0 failed"
