#!/usr/bin/env bash
# The real program on a tray that speaks the D-Bus StatusNotifier protocol (a minimal watcher on a
# session bus of the test's own): started with "/bandeja" it registers one item, and the item's
# activation, the only one such a tray reports, brings the window back as the double-click does.
source "$(dirname "$0")/comum/ambiente.bash"

inicia_xvfb
dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$tmp/barramento" 2>"$tmp/dbus.log" &
pids+=($!)
espera 100 test -s "$tmp/barramento" || falha "o barramento de sessão não iniciou"
export DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$tmp/barramento")

/usr/bin/python3 "$(dirname "$0")/comum/observador_status_notifier.py" >"$tmp/itens.txt" 2>"$tmp/observador.log" &
pids+=($!)
espera 100 grep -qsx pronto "$tmp/itens.txt" || falha "o observador StatusNotifier não iniciou"

item() { grep -svx pronto "$tmp/itens.txt" | tail -n1; }
tem_item() { [[ -n $(item) ]]; }
janela_mapeada() { xwininfo -id "$janela" 2>/dev/null | grep -q 'Map State: IsViewable'; }

inicia_programa /bandeja
espera 150 tem_item || falha "o programa não registrou um item na bandeja"
janela=$(xdotool search --name '^e-Telvanor 3\.1$' | head -n1)
[[ -n $janela ]] || falha "a janela não existe"
janela_mapeada && falha "com /bandeja a janela apareceu"

dbus-send --session --type=method_call --dest="$(item)" /StatusNotifierItem \
    org.kde.StatusNotifierItem.Activate int32:0 int32:0 || falha "Activate não chegou ao item"
espera 100 janela_mapeada || falha "a ativação do item não trouxe a janela de volta"

termina_programa
echo "bandeja_status_notifier: the item's activation restored the window; 1 passed, 0 failed"
