#!/usr/bin/env bash
# Fails when clang-format would change a tracked C++ file; lists the files it would change.
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t arquivos < <(git ls-files '*.cpp' '*.h')
if ! clang-format --dry-run --Werror "${arquivos[@]}" 2>"${TMPDIR:-/tmp}/formato.$$"; then
    grep -o '^[^:]*\.\(cpp\|h\):' "${TMPDIR:-/tmp}/formato.$$" | sort -u | sed 's/:$//; s/^/formato: /' >&2
    rm -f "${TMPDIR:-/tmp}/formato.$$"
    echo "formato: rode clang-format -i nos arquivos acima" >&2
    exit 1
fi
rm -f "${TMPDIR:-/tmp}/formato.$$"
echo "formato: nenhum arquivo fora do padrão"
