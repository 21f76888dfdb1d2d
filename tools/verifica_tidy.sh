#!/usr/bin/env bash
# Runs clang-tidy (.clang-tidy) on every source in src/ with the build's compile_commands.json and
# fails on any finding. Usage: tools/verifica_tidy.sh <build folder> [jobs]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:?build folder}
jobs=${2:-$(nproc)}

[[ -f $build/compile_commands.json ]] || { echo "tidy: $build/compile_commands.json não existe" >&2; exit 1; }
# g++-only warning options in the compile commands mean nothing to clang. The generated moc sources
# are the build's, not ours: run-clang-tidy takes a regex of the files to check.
estado=0
/usr/bin/python3 "$(command -v run-clang-tidy)" -quiet -p "$build" -j "$jobs" -extra-arg=-Wno-unknown-warning-option "$PWD/src/.*\.cpp$" \
    >"$build/clang-tidy.log" 2>&1 || estado=$?
if ((estado != 0)) || grep -qE '(warning|error): ' "$build/clang-tidy.log"; then
    grep -E '(warning|error): ' "$build/clang-tidy.log" | sort -u >&2 || true
    echo "tidy: achados ou falha acima (registro completo em $build/clang-tidy.log)" >&2
    exit 1
fi
echo "tidy: nenhum achado"
