#!/usr/bin/env bash
# The Debian package, tried as its maintainer would: built with dpkg-buildpackage from a copy of the
# source tree, passed by lintian without errors, warnings or info tags and by hardening-check,
# installed on this machine, started by two ordinary users under Xvfb with the system-wide defaults
# changed between their first starts, kept the administrator's edit over a reinstall, and purged
# leaving nothing. Installing and adding users needs root (./check runs as root in CI): without it
# the test fails and says so. The lintian and hardening-check reports go to standard output.

# The compiler cache of whoever runs the test, asked before the test's own HOME is set.
cache=()
if command -v ccache >/dev/null; then
    cache=("CCACHE_DIR=$(ccache -k cache_dir)" "CCACHE_MAXSIZE=$(ccache -k max_size)")
fi
source "$(dirname "$0")/comum/ambiente.bash"

fonte=$(cd "$(dirname "$0")/../.." && pwd)
pacote=e-telvanor
padroes=/etc/e-telvanor/Config.ini

[[ $(id -u) -eq 0 ]] || falha "é preciso ser root: o teste instala o pacote com dpkg -i e cria usuários"
estado=$(dpkg-query -W -f='${db:Status-Status}' "$pacote" 2>/dev/null || true)
if [[ -n $estado && $estado != not-installed ]] || [[ -e /etc/e-telvanor ]]; then
    falha "$pacote já está nesta máquina; o teste o instalaria e depois o removeria"
fi

# Whatever the test leaves on the machine goes when it ends, however it ends.
usuarios=()
instalado=0
desfaz() {
    local u
    for u in "${usuarios[@]}"; do userdel -r "$u" >/dev/null 2>&1 || true; done
    ((instalado == 0)) || dpkg --purge "$pacote" >/dev/null 2>&1 || true
}
trap 'desfaz; limpa' EXIT

# --- the package ---------------------------------------------------------------------------------
# The tracked files (and new ones not yet committed), as a clean clone would have them.
copia=$tmp/fonte/$pacote
mkdir -p "$copia"
(cd "$fonte" && git ls-files -z --cached --others --exclude-standard |
    xargs -0 sh -c 'for f; do [ -e "$f" ] && printf "%s\0" "$f"; done' sh |
    xargs -0 cp --parents -P -t "$copia") || falha "cópia da árvore"

# debhelper gives the build a HOME of its own, where ccache would find neither its settings nor its
# cache: both go by the environment, and paths inside the copy count as relative, so the next copy,
# in another temporary folder, hits the same cache.
((${#cache[@]} == 0)) || cache+=("CCACHE_BASEDIR=$copia" CCACHE_NOHASHDIR=1)
(cd "$copia" && env "${cache[@]}" DEB_BUILD_OPTIONS=parallel=2 dpkg-buildpackage -us -uc -b) \
    >"$tmp/dpkg-buildpackage.log" 2>&1 || falha "dpkg-buildpackage falhou"
deb=$(echo "$tmp"/fonte/"$pacote"_*_*.deb)
changes=$(echo "$tmp"/fonte/"$pacote"_*.changes)
[[ -f $deb && -f $changes ]] || falha "dpkg-buildpackage não fez o .deb e o .changes"

echo "== lintian --info --display-info ${deb##*/} ${changes##*/}"
estado=0
lintian --info --display-info --fail-on error,warning "$deb" "$changes" >"$tmp/lintian.txt" 2>&1 || estado=$?
cat "$tmp/lintian.txt"
# An info tag that stays is fixed or overridden in debian/ with the reason, as errors and warnings are.
((estado == 0)) && ! grep -qE '^[EWI]: ' "$tmp/lintian.txt" ||
    falha "lintian achou erros, avisos ou informações (estado $estado)"

# Every ELF file of the package. Debian 12's C start-up files carry no IBT/SHSTK marks, so no program
# linked on it can have control-flow protection whatever its own code was built with
# (-fcf-protection is on): that one check is left out.
dpkg-deb -x "$deb" "$tmp/conteudo"
elfs=()
while IFS= read -r -d '' f; do
    if [[ $(head -c4 "$f" | tr -d '\0') == $'\x7fELF' ]]; then elfs+=("$f"); fi
done < <(find "$tmp/conteudo" -type f -print0 | sort -z)
((${#elfs[@]} >= 3)) || falha "o pacote tem ${#elfs[@]} arquivos ELF"
echo "== hardening-check --nocfprotection"
{ hardening-check --nocfprotection "${elfs[@]}" 2>&1 || true; } | sed "s|$tmp/conteudo||" | tee "$tmp/hardening.txt"
# The sound process's C-library calls (the string copies of its file reading) all have sizes known only
# at run time, which _FORTIFY_SOURCE cannot check: it shows no protected call, though it is built with
# the flags that give the other binaries theirs. Its fortification alone is not asked.
for f in "${elfs[@]}"; do
    opcoes=(--nocfprotection)
    [[ $f != */e-telvanor-som ]] || opcoes+=(--nofortify)
    hardening-check "${opcoes[@]}" --quiet "$f" >/dev/null 2>&1 || falha "hardening-check falhou: ${f#"$tmp/conteudo"}"
done

# --- installed -----------------------------------------------------------------------------------
instalado=1
dpkg -i "$deb" </dev/null >"$tmp/dpkg-i.log" 2>&1 || falha "dpkg -i falhou (dependências que faltam?)"
[[ -z $(dpkg -V "$pacote") ]] || falha "dpkg -V: $(dpkg -V "$pacote")"
dpkg-query -W -f='${Conffiles}\n' "$pacote" | grep -q "^ $padroes " || falha "$padroes não é um conffile"

inicia_xvfb
# Starts the installed program as a new ordinary user $1, waits for the window, ends it as a
# session end would, and checks that standard error held only the program's own lines.
usa() {
    local nome=etelvanor-$1-$$ casa
    useradd --create-home --shell /bin/sh "$nome" || falha "useradd $nome"
    usuarios+=("$nome")
    casa=$(getent passwd "$nome" | cut -d: -f6)
    install -d -m 700 -o "$nome" -g "$nome" "$casa/run"
    env -i PATH=/usr/bin:/bin HOME="$casa" USER="$nome" LOGNAME="$nome" DISPLAY="$DISPLAY" \
        XDG_RUNTIME_DIR="$casa/run" DBUS_SESSION_BUS_ADDRESS="$DBUS_SESSION_BUS_ADDRESS" \
        setpriv --reuid="$nome" --regid="$nome" --init-groups /usr/bin/e-telvanor \
        >"$tmp/programa-$1.log" 2>&1 &
    programa=$!
    pids+=($programa)
    janela_visivel >/dev/null || falha "a janela de $1 não apareceu"
    termina_programa
    ! grep -qv '^e-Telvanor: ' "$tmp/programa-$1.log" || falha "$1: saída de erro que não é do programa"
    config=$casa/.config/e-Telvanor/Config.ini
    [[ -f $config ]] && grep -aq $'^Primeira Vez=0\r$' "$config" ||
        falha "$1: a primeira partida não fez Config.ini"
}

usa ana
grep -aq $'^Tempo de Espera= 30\r$' "$config" || falha "ana: Config.ini não começou dos padrões"
ana=$config
# The administrator changes the defaults: the next new user starts from the change, ana keeps hers.
sed -i 's/^Tempo de Espera= 30\r$/Tempo de Espera= 45\r/' "$padroes"
grep -aq $'^Tempo de Espera= 45\r$' "$padroes" || falha "a edição de $padroes"
usa bruno
grep -aq $'^Tempo de Espera= 45\r$' "$config" || falha "bruno: Config.ini não começou dos padrões mudados"
grep -aq $'^Tempo de Espera= 30\r$' "$ana" || falha "ana: a mudança dos padrões mudou o arquivo de ana"
# A reinstall, as an upgrade does, keeps the administrator's edit.
dpkg -i "$deb" </dev/null >"$tmp/dpkg-i.log" 2>&1 || falha "dpkg -i (de novo) falhou"
grep -aq $'^Tempo de Espera= 45\r$' "$padroes" || falha "a reinstalação desfez a edição de $padroes"

# --- purged --------------------------------------------------------------------------------------
mapfile -t arquivos < <(dpkg -L "$pacote")
dpkg --purge "$pacote" >"$tmp/dpkg-purge.log" 2>&1 || falha "dpkg --purge falhou"
instalado=0
for f in "${arquivos[@]}"; do
    [[ -d $f && ! -L $f ]] && continue
    [[ ! -e $f && ! -L $f ]] || falha "a remoção deixou $f"
done
for d in /usr/lib/e-telvanor /usr/share/e-telvanor /etc/e-telvanor /usr/share/doc/e-telvanor; do
    [[ ! -e $d ]] || falha "a remoção deixou $d"
done

echo "pacote: 1 passed, 0 failed"
