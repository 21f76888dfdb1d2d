#!/usr/bin/env bash
# The real program as a user with nothing configured meets it: F5 opens the configuration on the
# access tab, the access typed there is applied with Alt+A (stored scrambled, shown on the main
# window), Alt+O closes the dialog, and F2 then connects on the simulated line with that access.
source "$(dirname "$0")/comum/ambiente.bash"

inicia_xvfb
inicia_programa
janela=$(janela_visivel) || falha "janela não apareceu"
linha=$tmp/programa/e-telvanor-linha

xdotool windowfocus --sync "$janela" key F5
dialogo=$(timeout 30 xdotool search --sync --onlyvisible --name '^Configurar$' | head -n1) ||
    falha "F5 não abriu Configurar"
xdotool windowfocus --sync "$dialogo"
# The focus starts on the access box; Tab goes on to the user and the password.
digita_campos 'Provedor Simulado' ana segredo
xdotool key alt+a

colmeia=$XDG_CONFIG_HOME/e-Telvanor/registro.reg
aplicado() { grep -q '^\[HKEY_CURRENT_USER\\Software\\e-Telvanor\\Acesso\]' "$colmeia"; }
espera 100 aplicado || falha "Alt+A não gravou o acesso"
grep -q 'Provedor Simulado\|"segredo"' "$colmeia" && falha "o acesso foi gravado sem embaralhar"
xdotool key alt+o
fechado() { ! xdotool search --onlyvisible --name '^Configurar$' >/dev/null 2>&1; }
espera 100 fechado || falha "Alt+O não fechou o diálogo"

xdotool windowfocus --sync "$janela" key F2
conectado() { "$linha" estado | grep -q 'RASCS_Connected, entrada "Provedor Simulado"'; }
espera 200 conectado || falha "F2 não conectou: $("$linha" estado)"

"$linha" derruba >/dev/null
termina_programa
echo "configuracao: 1 passed, 0 failed"
