#!/usr/bin/env bash
# Dragging the skin natively on Wayland: weston runs in a window of its own on Xvfb and the pointer
# is driven there with xdotool. A press on the skin, a move and a release move the window by the
# pointer's offset, found in pictures of the screen before and after; a second start's message is
# answered there from the keyboard.
source "$(dirname "$0")/comum/ambiente.bash"
source "$(dirname "$0")/comum/weston.bash"

# weston's 640x480 window lies at the top left of a larger screen, so that the pointer can come into
# it from outside. weston draws its own cursor; it is parked in the output's last corner, which the
# pictures paint over.
inicia_xvfb 800x600
inicia_weston x11
canto_x=639 canto_y=479

foto() { import -window root -crop 640x480+0+0 +repage "$tmp/tela.png"; }

# The bounding box WxH+X+Y of the skin in the last picture, and in a fresh one.
caixa_pele() {
    convert "$tmp/tela.png" -fill '#1E7B3A' -draw "rectangle $((canto_x - 7)),$((canto_y - 7)) $canto_x,$canto_y" \
        "$tmp/sem_cursor.png"
    fora_do_fundo "$tmp/sem_cursor.png"
}
caixa_nova() { foto && caixa_pele; }

# The desktop is painted and weston's cursor is all that shows on it, in the corner.
so_cursor_no_canto() {
    local l a cx cy
    foto
    IFS='x+' read -r l a cx cy <<<"$(fora_do_fundo "$tmp/tela.png")"
    ((l > 0 && cx >= canto_x - 7 && cy >= canto_y - 7))
}

# The pointer comes in from outside weston's window; weston's cursor then shows in the corner, no
# longer where it stood before it knew of a pointer.
xdotool mousemove 700 550
xdotool mousemove "$canto_x" "$canto_y"
espera 50 so_cursor_no_canto || falha "weston não desenhou o cursor onde o ponteiro entrou"

inicia_programa_wayland
antes=$(caixa_parada caixa_nova) || falha "a janela não apareceu no compositor"
IFS='x+' read -r largura altura x y <<<"$antes"
((largura > 130 && altura > 180)) || falha "o que aparece tem ${largura}x${altura}, não a janela"

# A press on the skin's title, then a move towards the middle of the output in ten steps.
px=$((x + 55)) py=$((y + 14))
dx=$((x + largura / 2 < 320 ? 100 : -100)) dy=$((y + altura / 2 < 240 ? 60 : -60))
xdotool mousemove "$px" "$py" mousedown 1
for passo in $(seq 10); do
    xdotool mousemove $((px + dx * passo / 10)) $((py + dy * passo / 10))
done
# Whether a box WxH+X+Y is the skin's, moved by the pointer's offset within two pixels.
seguiu_o_ponteiro() {
    local l a nx ny
    IFS='x+' read -r l a nx ny <<<"$1"
    nx=$((${nx:-9999} - x - dx)) ny=$((${ny:-9999} - y - dy))
    [[ ${l}x$a == "${largura}x$altura" ]] && ((nx >= -2 && nx <= 2 && ny >= -2 && ny <= 2))
}
# The compositor's move begins when the program asks for it, maybe after the last step: each look
# while the button is held moves the pointer off the end by a pixel and back, which it follows.
alvo_x=$((px + dx)) alvo_y=$((py + dy))
segue_enquanto_pressionado() {
    xdotool mousemove "$alvo_x" $((alvo_y + 1)) mousemove "$alvo_x" "$alvo_y"
    seguiu_o_ponteiro "$(caixa_nova)"
}
espera 50 segue_enquanto_pressionado || {
    xdotool mouseup 1
    falha "com o botão pressionado, a janela não seguiu o ponteiro ($dx,$dy) desde $antes"
}
xdotool mouseup 1
xdotool mousemove "$canto_x" "$canto_y"

depois=$(caixa_parada caixa_nova) || falha "a janela não parou depois de solta"
seguiu_o_ponteiro "$depois" || falha "solta, a janela está em $depois; estava em $antes, o ponteiro moveu ($dx,$dy)"
IFS='x+' read -r _ _ x2 y2 <<<"$depois"
kill -0 "$programa" 2>/dev/null || falha "o programa terminou"

# A second start with a token shows its message; answered from the keyboard it ends, the first keeps
# running and its window stays where the drag left it once the message has gone.
primeiro=$programa
XDG_ACTIVATION_TOKEN=token-da-segunda-partida inicia_programa_wayland
segundo=$programa programa=$primeiro
aviso_na_tela() { [[ $(caixa_nova) != "$depois" ]]; }
espera 100 aviso_na_tela || falha "a segunda partida não mostrou o aviso"
# Enter goes to the message while it shows, never on to the first window.
responde() {
    kill -0 "$segundo" 2>/dev/null || return 0
    aviso_na_tela && xdotool key Return
    return 1
}
espera 100 responde || falha "o aviso da segunda partida não se fechou com Enter"
wait "$segundo" || falha "a segunda partida terminou com erro"
[[ $(caixa_parada caixa_nova) == "$depois" ]] || falha "fechado o aviso, a janela não está mais em $depois"
kill -0 "$primeiro" 2>/dev/null || falha "a primeira instância terminou"

termina_programa
echo "wayland_arrasto: janela ${largura}x${altura} de +$x+$y a +$x2+$y2, moveu ($((x2 - x)),$((y2 - y)))" \
    "com o ponteiro ($dx,$dy); segunda partida respondida; 1 passed, 0 failed"
