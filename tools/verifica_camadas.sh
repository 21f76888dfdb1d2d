#!/usr/bin/env bash
# Fails on an include in src/ that runs back up the layers:
#   platform  <-  settings, shape, dialup, mail  <-  app, dialogs  <-  main.cpp
# Folders of one layer may include each other. Also keeps the standard-library stand-ins free of their
# backends (the qt/ and networkmanager/ folders of platform/), and the choice of backends
# (platform/nucleo/escolha_backend.h) to main.cpp and to the dial-up service's choice that main makes
# (platform/discagem/networkmanager/escolha_discagem.cpp).
set -euo pipefail
cd "$(dirname "$0")/../src"

nivel() {
    case "$1" in
    platform) echo 0 ;;
    settings | shape | dialup | mail) echo 1 ;;
    app | dialogs) echo 2 ;;
    main.cpp) echo 3 ;;
    *) echo desconhecido ;;
    esac
}

falhas=0
while IFS= read -r linha; do
    arquivo=${linha%%:*}
    incluido=$(sed -E 's/.*#include "([^"]+)".*/\1/' <<<"${linha#*:}")
    de=${arquivo%%/*}
    para=${incluido%%/*}
    [[ $incluido == */* ]] || continue
    nde=$(nivel "$de")
    npara=$(nivel "$para")
    if [[ $nde == desconhecido || $npara == desconhecido ]]; then
        echo "camadas: $arquivo inclui $incluido, fora das pastas conhecidas" >&2
        falhas=$((falhas + 1))
    elif ((npara > nde)); then
        echo "camadas: $arquivo ($de) inclui $incluido, de uma camada acima" >&2
        falhas=$((falhas + 1))
    elif [[ $arquivo == platform/* && $arquivo != */qt/* && $arquivo != */networkmanager/* &&
        ($incluido == platform/*/qt/* || $incluido == platform/*/networkmanager/*) ]]; then
        echo "camadas: $arquivo inclui $incluido; as substitutas sem Qt não usam os backends" >&2
        falhas=$((falhas + 1))
    elif [[ $incluido == platform/nucleo/escolha_backend.h && $arquivo != main.cpp &&
        $arquivo != platform/discagem/networkmanager/escolha_discagem.cpp ]]; then
        echo "camadas: $arquivo escolhe backends; só main.cpp e os testes o fazem" >&2
        falhas=$((falhas + 1))
    fi
done < <(grep -rHE '^[[:space:]]*#[[:space:]]*include[[:space:]]+"' --include='*.h' --include='*.cpp' .  | sed 's#^\./##')

if ((falhas > 0)); then
    echo "camadas: $falhas inclusão(ões) fora da ordem" >&2
    exit 1
fi
echo "camadas: nenhuma inclusão sobe"
