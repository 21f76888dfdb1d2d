#!/usr/bin/env bash
# The real program on NetworkManager (python-dbusmock's, on a private system bus): a connection
# scheduled a few seconds ahead activates the profile named as the access, and the scheduled
# disconnection deactivates it.
source "$(dirname "$0")/comum/ambiente.bash" "$1"

dbus-daemon --nofork --print-address=1 --address="unix:path=$tmp/barramento" \
    --config-file="$(dirname "$0")/../support/barramento_privado.conf" >"$tmp/endereco" 2>"$tmp/dbus.log" &
pids+=($!)
espera 100 test -s "$tmp/endereco" || falha "dbus-daemon não iniciou"
export DBUS_SYSTEM_BUS_ADDRESS=$(head -n1 "$tmp/endereco")

/usr/bin/python3 -m dbusmock --template networkmanager -l "$tmp/nm.log" >"$tmp/mock.log" 2>&1 &
pids+=($!)
# A dial-up device (so a deactivation has a device to leave) and the profile the program dials.
/usr/bin/python3 - <<'PY' >>"$tmp/mock.log" 2>&1 || falha "o NetworkManager simulado não ficou pronto"
import time
import dbus
barramento = dbus.SystemBus()
for _ in range(200):
    if barramento.name_has_owner('org.freedesktop.NetworkManager'):
        break
    time.sleep(0.05)
principal = barramento.get_object('org.freedesktop.NetworkManager', '/org/freedesktop')
principal.AddEthernetDevice('ppp0', 'ppp0', 30, dbus_interface='org.freedesktop.DBus.Mock')
configuracoes = barramento.get_object('org.freedesktop.NetworkManager', '/org/freedesktop/NetworkManager/Settings')
configuracoes.AddConnection({'connection': {'id': 'Provedor', 'type': 'pppoe'}}, dbus_interface='org.freedesktop.NetworkManager.Settings')
configuracoes.AddConnection({'connection': {'id': 'Cabo', 'type': '802-3-ethernet'}}, dbus_interface='org.freedesktop.NetworkManager.Settings')
PY

# The access "Provedor", with no user name, as the program stores it (scrambled), in the per-user hive.
mkdir -p "$XDG_CONFIG_HOME/e-Telvanor"
printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\e-Telvanor\\Acesso]\n"DialUp"="%s"\n"Usuário"=""\n"Senha"=""\n' \
    'Ÿ¿°È…³\x8fÅ' >"$XDG_CONFIG_HOME/e-Telvanor/registro.reg"

agora=$(date +%s)
conecta=$((agora + 15))
desconecta=$((agora + 25))
config=$tmp/programa/Config.ini
sed -i -e $'s/^Agendar Conex\xe3o=.*\r$/Agendar Conex\xe3o=1\r/' \
    -e $'s/^Hora da Conex\xe3o=.*\r$/Hora da Conex\xe3o='"$(date -d "@$conecta" +%T)"$'\r/' \
    -e $'s/^Agendar Desconex\xe3o=.*\r$/Agendar Desconex\xe3o=1\r/' \
    -e $'s/^Hora da Desconex\xe3o=.*\r$/Hora da Desconex\xe3o='"$(date -d "@$desconecta" +%T)"$'\r/' "$config"
printf '\r\n[Linux]\r\nDiscagem=networkmanager\r\n' >>"$config"
grep -q $'^Agendar Conex\xe3o=1\r$' "$config" || falha "Config.ini sem o agendamento"

inicia_xvfb
inicia_programa
[[ -n $(janela_visivel) ]] || falha "a janela não apareceu"

chamada() { grep -m1 " $1 " "$tmp/nm.log" | cut -d' ' -f1 | cut -d. -f1; }
espera 400 grep -q ' ActivateConnection ' "$tmp/nm.log" || falha "o perfil não foi ativado"
grep -q ' ActivateConnection "/org/freedesktop/NetworkManager/Settings/0" ' "$tmp/nm.log" ||
    falha "ativou outro perfil: $(grep ' ActivateConnection ' "$tmp/nm.log")"
(($(chamada ActivateConnection) >= conecta)) || falha "ativou antes da hora da conexão"
espera 400 grep -q ' DeactivateConnection ' "$tmp/nm.log" || falha "a conexão não foi desativada"
(($(chamada DeactivateConnection) >= desconecta)) || falha "desativou antes da hora da desconexão"
(($(grep -c ' ActivateConnection ' "$tmp/nm.log") == 1)) || falha "ativou mais de uma vez"
kill -0 "$programa" 2>/dev/null || falha "o programa terminou"
termina_programa
echo "networkmanager: 1 passed, 0 failed"
