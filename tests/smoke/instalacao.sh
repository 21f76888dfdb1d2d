#!/usr/bin/env bash
# The installed program. `cmake --install` with DESTDIR lays out the program folder, its data, the
# system-wide defaults, the commands, the menu entry, the icons, the AppStream data and the manual
# page, and the menu entry and AppStream data pass their validators. Two ordinary users then start the
# installed program from a read-only installation: each first start is a first start, each user's
# settings file starts from the defaults and lands with the hive, system-folder copy and autostart
# entry in that user's own folder, and nothing under the installation changes.
source "$(dirname "$0")/comum/ambiente.bash"

construcao=$(cd "$origem/.." && pwd)
raiz=$tmp/raiz
pasta=$raiz/usr/lib/e-telvanor
DESTDIR=$raiz cmake --install "$construcao" --prefix /usr >"$tmp/instalacao.log" 2>&1 ||
    falha "cmake --install falhou"

# The layout.
for f in e-Telvanor3Std e-telvanor-linha; do
    [[ -f $pasta/$f && -x $pasta/$f ]] || falha "falta o executável $f"
done
for f in e-telvanor-som e-telvanor-email.so Config.ini telvanor.rgn e-Telvanor3Std.hlp e-Telvanor3Std.reg instalado e-bomdia.wav e-boatarde.wav \
    e-boanoite.wav e-fim.wav e-tememail.wav e-conectado.wav e-desconectado.wav; do
    [[ -f $pasta/$f ]] || falha "falta $f na pasta do programa"
done
[[ -d $pasta/sistema ]] || falha "falta a pasta sistema"
# The data lies in share/, each file reached through a relative link from the program folder.
for f in Config.ini telvanor.rgn e-Telvanor3Std.hlp e-Telvanor3Std.reg e-bomdia.wav sistema/1.ins sistema/6.ins; do
    [[ -L $pasta/$f && $(readlink "$pasta/$f") != /* && $(readlink -f "$pasta/$f") == "$raiz/usr/share/e-telvanor/$f" &&
        -f $raiz/usr/share/e-telvanor/$f && ! -L $raiz/usr/share/e-telvanor/$f ]] ||
        falha "$f não é um vínculo relativo para usr/share/e-telvanor"
done
# The system-wide defaults, where a build with the default sysconfdir puts them (<prefix>/etc); the
# administrator's change reaches each user's first start.
padroes=$raiz/usr/etc/e-telvanor/Config.ini
[[ -f $padroes ]] || falha "faltam os padrões do sistema"
sed -i 's/^Tempo de Espera= 30\r$/Tempo de Espera= 45\r/' "$padroes"
grep -aq $'^Tempo de Espera= 45\r$' "$padroes" || falha "a edição dos padrões"
for par in e-telvanor:e-Telvanor3Std e-telvanor-linha:e-telvanor-linha; do
    [[ -L $raiz/usr/bin/${par%%:*} && $(readlink -f "$raiz/usr/bin/${par%%:*}") == "$pasta/${par#*:}" ]] ||
        falha "/usr/bin/${par%%:*} não leva a ${par#*:}"
done
compartilhado=$raiz/usr/share
desktop-file-validate "$compartilhado/applications/e-telvanor.desktop" >"$tmp/desktop.log" 2>&1 ||
    falha "entrada de menu inválida"
metainfo=("$compartilhado"/metainfo/*.metainfo.xml)
[[ ${#metainfo[@]} -eq 1 && -f ${metainfo[0]} ]] || falha "metainfo ausente"
# The placeholder domain's top level is unknown to the validator; that hint is all it may say.
appstreamcli validate --no-net --strict --override=cid-maybe-not-rdns=pedantic "${metainfo[0]}" \
    >"$tmp/appstream.log" 2>&1 ||
    falha "metainfo inválida"
for lado in 16 22 24 32 48 64 128 256; do
    icone=$compartilhado/icons/hicolor/${lado}x$lado/apps/e-telvanor.png
    [[ $(identify -format '%wx%h' "$icone" 2>/dev/null) == "${lado}x$lado" ]] || falha "ícone de $lado px"
done
# The scalable icon is the same drawing as the pictures: rendered at 64 px it differs from the 64 px
# picture by no more than anti-aliasing does.
rsvg-convert -w 64 -h 64 "$compartilhado/icons/hicolor/scalable/apps/e-telvanor.svg" -o "$tmp/svg-64.png" ||
    falha "o ícone SVG não se desenha"
# compare's status tells only whether the pictures differ at all.
diferenca=$({ compare -metric RMSE "$tmp/svg-64.png" "$compartilhado/icons/hicolor/64x64/apps/e-telvanor.png" \
    null: 2>&1 || true; } | sed -n 's/.*(\(.*\))/\1/p')
awk -v d="$diferenca" 'BEGIN { exit !(d != "" && d <= 0.06) }' ||
    falha "o ícone SVG não é o desenho dos PNG (diferença $diferenca)"
zcat "$compartilhado/man/man1/e-telvanor.1.gz" | grep -q '^\.TH E-TELVANOR 1' || falha "página de manual"
[[ $(readlink "$compartilhado/man/man1/e-telvanor-linha.1.gz") == e-telvanor.1.gz ]] ||
    falha "página de manual do e-telvanor-linha"

# From here the installation is read-only, and must stay exactly as installed.
chmod -R a-w "$raiz"
trap 'chmod -R u+w "$raiz"; limpa' EXIT
retrato() { (cd "$raiz" && find . -printf '%p %m %s %l\n' | sort && find . -type f -exec md5sum {} + | sort); }
instalada=$(retrato)

# An ordinary user: root, whom no permission stops, hands the program to nobody.
como=()
if [[ $(id -u) -eq 0 ]]; then
    como=(setpriv --reuid=65534 --regid=65534 --clear-groups)
    chmod 755 "$tmp"
fi

# Starts the installed command as user $1 (a folder name), waits for the window, ends it as a
# session end would.
usa() {
    local u=$tmp/$1
    mkdir -p "$u/home" "$u/config" "$u/run"
    chmod 700 "$u/run"
    [[ ${#como[@]} -eq 0 ]] || chown -R 65534:65534 "$u"
    HOME=$u/home XDG_CONFIG_HOME=$u/config XDG_RUNTIME_DIR=$u/run "${como[@]}" \
        "$raiz/usr/bin/e-telvanor" >"$tmp/programa-$1.log" 2>&1 &
    programa=$!
    pids+=($programa)
    janela_visivel >/dev/null || falha "a janela de $1 não apareceu"
    termina_programa
    # No sound server here: standard error holds the program's own lines only.
    ! grep -qv '^e-Telvanor: ' "$tmp/programa-$1.log" || falha "$1: saída de erro que não é do programa"
}

# Where each write of user $1 landed.
confere() {
    local c=$tmp/$1/config
    local config=$c/e-Telvanor/Config.ini
    [[ -f $config ]] || falha "$1: Config.ini não está na pasta do usuário"
    grep -aq $'^Primeira Vez=0\r$' "$config" || falha "$1: a primeira partida não marcou Primeira Vez=0"
    grep -aq $'^Rediscar=False\r$' "$config" || falha "$1: o fechamento não gravou Rediscar=False"
    diff <(grep -av -e '^Primeira Vez=' -e '^Rediscar=' "$padroes") \
        <(grep -av -e '^Primeira Vez=' -e '^Rediscar=' "$config") >/dev/null ||
        falha "$1: a cópia de Config.ini não começou dos padrões do sistema"
    cmp -s "$pasta/e-Telvanor3Std.reg" "$c/e-Telvanor/sistema/e-Telvanor3Std.reg" ||
        falha "$1: a cópia de e-Telvanor3Std.reg não está na pasta do usuário"
    grep -qF "\"e-Telvanor\"=\"$pasta/e-Telvanor3Std /bandeja\"" "$c/e-Telvanor/registro.reg" ||
        falha "$1: o valor Run não aponta o programa instalado"
    grep -qF "\"Bom Dia\"=\"$pasta/e-bomdia.wav\"" "$c/e-Telvanor/registro.reg" ||
        falha "$1: os sons não apontam a pasta instalada"
    grep -qxF "Exec=$pasta/e-Telvanor3Std /bandeja" "$c/autostart/e-Telvanor.desktop" ||
        falha "$1: a entrada de início automático não aponta o programa instalado"
}

inicia_xvfb
usa ana
confere ana
ana=$(cd "$tmp/ana" && find . -type f -exec md5sum {} + | sort)
usa bruno
confere bruno
[[ $(cd "$tmp/ana" && find . -type f -exec md5sum {} + | sort) == "$ana" ]] ||
    falha "a partida de bruno mudou os arquivos de ana"
[[ $(HOME=$tmp/ana/home XDG_CONFIG_HOME=$tmp/ana/config XDG_RUNTIME_DIR=$tmp/ana/run "${como[@]}" \
    "$raiz/usr/bin/e-telvanor-linha" estado 2>&1) ]] || falha "e-telvanor-linha não respondeu"
[[ $(retrato) == "$instalada" ]] || falha "algo mudou na instalação: $(diff <(echo "$instalada") <(retrato))"

echo "instalacao: 1 passed, 0 failed"
