#!/usr/bin/env bash
# The real program natively on a headless Wayland compositor: the screen shows the window's outline
# as on X11, the desktop around it and never the skin's key colour in the cut-away corners; and a
# second start there shows its message and leaves the first running.
source "$(dirname "$0")/comum/ambiente.bash"
source "$(dirname "$0")/comum/weston.bash"

inicia_weston headless
inicia_programa_wayland

# The window has shown once something but the desktop is in the picture and stays the same.
caixa_weston() { foto_weston "$tmp/tela.png" && fora_do_fundo "$tmp/tela.png"; }
caixa=$(caixa_parada caixa_weston) || falha "a janela não apareceu no compositor"
kill -0 "$programa" 2>/dev/null || falha "o programa terminou"

pixel() { convert "$tmp/tela.png" -alpha off -format "%[pixel:p{$1,$2}]" info:; }
fundo=$(pixel 0 0)
[[ $fundo == "srgb(30,123,58)" ]] || falha "o fundo do compositor não ficou verde ($fundo)"

magenta=$(convert "$tmp/tela.png" -alpha off -fuzz 10% -fill black +opaque '#FF00FF' -fill white -opaque '#FF00FF' \
    -format '%[fx:round(mean*w*h)]' info:)
[[ $magenta == 0 ]] || falha "$magenta pixels da cor transparente aparecem na tela"

IFS='x+' read -r largura altura x y <<<"$caixa"
((largura > 130 && largura <= 151 && altura > 180 && altura <= 197)) ||
    falha "o que aparece tem ${largura}x${altura}, não o tamanho da janela (151x197)"
# The outline's rounded corners: the bounding box's corners show the desktop.
for canto in "$x $y" "$((x + largura - 1)) $y" "$x $((y + altura - 1))" "$((x + largura - 1)) $((y + altura - 1))"; do
    read -r cx cy <<<"$canto"
    [[ $(pixel "$cx" "$cy") == "$fundo" ]] || falha "o canto ($cx,$cy) da janela não mostra o fundo"
done
centro=$(pixel $((x + largura / 2)) $((y + altura / 2)))
[[ $centro != "$fundo" && $centro != "srgb(255,0,255)" ]] || falha "o centro da janela não mostra a pele"
vazado=$(convert "$tmp/tela.png" -alpha off -crop "${largura}x${altura}+${x}+${y}" +repage \
    -fill white -opaque '#1E7B3A' -fill black +opaque white -colorspace Gray -format '%[fx:mean]' info:)

# A second start: its message appears beside the first window, and the first keeps running.
primeiro=$programa
inicia_programa_wayland
segundo=$programa
programa=$primeiro
aviso=""
for _ in $(seq 60); do
    foto_weston "$tmp/tela2.png" || falha "weston-screenshooter falhou"
    aviso=$(fora_do_fundo "$tmp/tela2.png")
    [[ $aviso != "$caixa" ]] && break
    sleep 0.5
done
[[ $aviso != "$caixa" ]] || falha "a segunda partida não mostrou o aviso"
kill -0 "$primeiro" 2>/dev/null || falha "a primeira instância terminou"
kill -0 "$segundo" 2>/dev/null || falha "a segunda partida terminou sem que o aviso fosse respondido"
kill "$segundo"
wait "$segundo" 2>/dev/null || true

termina_programa
echo "wayland_recorte: janela ${largura}x${altura} em +$x+$y, fundo em $vazado do retângulo, 0 pixels magenta;" \
    "segunda partida mostrou o aviso ($aviso); 1 passed, 0 failed"
