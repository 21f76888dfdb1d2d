#!/usr/bin/env bash
# The real program under a file-size limit too small for its stores: a first start's writes fail as
# on a full disk (reported, the stores as they were, no temporary file beside them) instead of the
# limit's signal ending the program; SIGTERM still ends it normally.
source "$(dirname "$0")/comum/ambiente.bash"

inicia_xvfb
prlimit --fsize=200 "$tmp/programa/e-Telvanor3Std" >"$tmp/programa.log" 2>&1 &
programa=$!
pids+=($programa)
janela_visivel >/dev/null || falha "janela não apareceu"
kill -0 "$programa" 2>/dev/null || falha "o limite de tamanho encerrou o programa"
grep -q 'não foi possível gravar' "$tmp/programa.log" || falha "a gravação recusada não foi relatada"
termina_programa
sobras=$(find "$tmp/programa" "$XDG_CONFIG_HOME" -regextype posix-extended -regex '.*\.[A-Za-z0-9]{6}$')
[[ -z $sobras ]] || falha "arquivos temporários ficaram: $sobras"
echo "limite_tamanho: 1 passed, 0 failed"
