#!/usr/bin/env bash
# The mail check of the real program: an account typed into the account dialog is asked once the
# simulated line connects, through the mail module of the program folder, against a POP3 server on
# loopback. Before that check the program has not loaded the network libraries.
source "$(dirname "$0")/comum/ambiente.bash"

/usr/bin/python3 "$(dirname "$0")/comum/servidor_pop3.py" "$tmp/porta" >"$tmp/pop3.log" 2>&1 &
pids+=($!)
espera 100 test -s "$tmp/porta" || falha "o servidor POP3 não iniciou"

inicia_xvfb
inicia_programa
janela=$(janela_visivel) || falha "janela não apareceu"
linha=$tmp/programa/e-telvanor-linha
rede() { grep -E 'libQt6Network|libkrb5|libgssapi|libproxy' "/proc/$programa/maps"; }

# F5 opens the configuration dialog, its access tab in front.
configura() {
    xdotool windowfocus --sync "$janela" key F5
    dialogo=$(timeout 30 xdotool search --sync --onlyvisible --name '^Configurar$' | head -n1) ||
        falha "F5 não abriu Configurar"
    xdotool windowfocus --sync "$dialogo"
}
fechada() { ! xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }

# The access, applied on its tab.
configura
digita_campos 'Provedor Simulado' ana segredo
xdotool key alt+a
aplicado() { grep -q '^\[HKEY_CURRENT_USER\\Software\\e-Telvanor\\Acesso\]' "$XDG_CONFIG_HOME/e-Telvanor/registro.reg"; }
espera 100 aplicado || falha "Alt+A não gravou o acesso"
xdotool key alt+o
espera 100 fechada '^Configurar$' || falha "Alt+O não fechou o diálogo"

# The account, added on the mail tab with its first button; the dialog saves it.
configura
xdotool key ctrl+Tab Tab space
conta=$(timeout 30 xdotool search --sync --onlyvisible --name '^Configuração de E-mail$' | head -n1) ||
    falha "Adicionar não abriu a conta"
xdotool windowfocus --sync "$conta"
digita_campos Casa "127.0.0.1:$(cat "$tmp/porta")" bia senha1
xdotool key alt+a
espera 100 fechada '^Configuração de E-mail$' || falha "Alt+A não gravou a conta"
xdotool windowfocus --sync "$dialogo" key alt+o
espera 100 fechada '^Configurar$' || falha "Alt+O não fechou o diálogo"
! rede >/dev/null || falha "as bibliotecas de rede carregaram antes da verificação: $(rede | head -n3)"

xdotool windowfocus --sync "$janela" key F2
conectado() { "$linha" estado | grep -q 'RASCS_Connected, entrada "Provedor Simulado"'; }
espera 200 conectado || falha "F2 não conectou: $("$linha" estado)"
verificada() { grep -q '^QUIT$' "$tmp/pop3.log"; }
espera 300 verificada || falha "a conta não foi verificada ao conectar"
[[ $(cat "$tmp/pop3.log") == $'USER bia\nPASS senha1\nSTAT \nQUIT' ]] ||
    falha "o diálogo com o servidor: $(cat "$tmp/pop3.log")"
grep -q "$tmp/programa/e-telvanor-email.so" "/proc/$programa/maps" || falha "o módulo de email não está carregado"

"$linha" derruba >/dev/null
termina_programa
echo "email: 3 passed, 0 failed"
