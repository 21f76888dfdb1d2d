#!/usr/bin/env bash
# Measures how many single-point faults the tests catch where a fault would hurt most: the poller's
# schedule, the redial watcher, the mail check's step labels and the hive's edges. Each change below
# is applied alone to the working tree, the one test program it names is rebuilt and run, and the
# file is put back (always, also on ^C). A change no test catches is listed at the end.
#
#   tools/mutacoes.sh [build folder]        (default: build, configured with TELVANOR_TESTS=ON)
#
# Each line of the list: test program, file, exact text (found once in the file), replacement,
# separated by tabs; "\n" in a text stands for a line end.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

read -r -d '' LISTA <<'FIM' || true
test_app	src/app/frm_telvanor01_temporizadores.cpp	!ConexãoAtiva() && AgendarConexão == 1 && 	!ConexãoAtiva() && 
test_app	src/app/frm_telvanor01_temporizadores.cpp	ConexãoAtiva() && AgendarDesconexão == 1 && 	ConexãoAtiva() && 
test_app	src/app/frm_telvanor01_temporizadores.cpp	SegundosDoDia(plataforma::Agora()) == hora.segundos	SegundosDoDia(plataforma::Agora()) >= hora.segundos
test_app	src/app/frm_telvanor01_temporizadores.cpp	SegundosDoDia(plataforma::Agora()) == hora.segundos	SegundosDoDia(plataforma::Agora()) == hora.segundos + 1
test_app	src/app/frm_telvanor01_temporizadores.cpp	if (!RediscarLigado)\n                img_Click(51);	if (RediscarLigado)\n                img_Click(51);
test_app	src/app/frm_telvanor01_temporizadores.cpp	if (RediscarLigado)\n            Protegido([&] { img_Click(9); });	Protegido([&] { img_Click(9); });
test_app	src/app/frm_telvanor01_temporizadores.cpp	if (NãoDeixarAgendado == 1) {	if (true) {
test_app	src/app/frm_telvanor01_temporizadores.cpp	if (DesligarComputador == 1)	if (true)
test_app	src/app/frm_telvanor01_temporizadores.cpp	ConexãoAtiva() && AgendamentoPendente && legendaÉ(Conectado)	ConexãoAtiva() && legendaÉ(Conectado)
test_app	src/app/frm_telvanor01_temporizadores.cpp	if (RediscarLigado && CaptionIgual(lblStatus, SemConexão) && 	if (CaptionIgual(lblStatus, SemConexão) && 
test_app	src/app/frm_telvanor01_temporizadores.cpp	RediscarLigado && CaptionIgual(lblStatus, SemConexão) && CaptionIgual	RediscarLigado && CaptionIgual
test_app	src/app/frm_telvanor01_temporizadores.cpp	CaptionIgual(lblCodStatus, "6")	CaptionIgual(lblCodStatus, "7")
test_mail	src/mail/dialogo_pop3.cpp	{"Autenticando...", "PASS "	{"Autenticando..", "PASS "
test_mail	src/mail/dialogo_pop3.cpp	{"Verificando Usuário...", "USER "	{"Conectando... ", "USER "
test_mail	src/mail/dialogo_imap.cpp	acrescenta(usuario_, nullptr);	acrescenta(usuario_, "Autenticando...");
test_mail	src/mail/dialogo_imap.cpp	{"Verificando Usuário..."}	{"Verificando Usuário.."}
test_platform	src/platform/registro/colmeia_texto.cpp	if (chave.Valores().empty() && colmeia.TemSubchaves	if (colmeia.TemSubchaves
test_platform	src/platform/registro/colmeia_dados.cpp	if (!pai.empty() && !Existe(pai)) {	if (!pai.empty() && false) {
test_platform	src/platform/registro/colmeia_dados.cpp	if (valor.tipo == tipo && valor.dados == dados	if (valor.dados == dados
test_platform	src/platform/registro/colmeia_dados.cpp	caminho.size() > acima.size() && caminho[acima.size()] == '\\' &&	caminho.size() > acima.size() &&
test_platform	src/platform/registro/colmeia_texto.cpp	return c < 32 || c == 127 ||	return c < 31 || c == 127 ||
test_platform	src/platform/registro/colmeia_texto.cpp	c == 127 || c == 0x81	c == 126 || c == 0x81
test_platform	src/platform/registro/colmeia_texto.cpp	c == 0x90 || c == 0x9D;	c == 0x90 || c == 0x9E;
test_platform	src/platform/registro/colmeia_dados.cpp	[](char c) { return static_cast<unsigned char>(c) < 32; }	[](char c) { return static_cast<unsigned char>(c) < 31; }
FIM

pasta=$(mktemp -d)
chmod 700 "$pasta"
atual=""
restaura() {
    if [[ -n $atual ]]; then
        # A new time stamp, so that the next build compiles the file as it is again.
        cat "$pasta/original" >"$atual"
        atual=""
    fi
}
trap 'restaura; rm -rf "$pasta"' EXIT
trap 'exit 130' INT TERM

# Exact text replacement, once; fails when the text is not found exactly once.
aplica() {
    python3 - "$1" "$2" "$3" <<'PY'
import sys
arquivo, texto, troca = sys.argv[1], sys.argv[2].replace("\\n", "\n"), sys.argv[3].replace("\\n", "\n")
conteudo = open(arquivo, encoding="utf-8").read()
if conteudo.count(texto) != 1:
    sys.exit(1)
open(arquivo, "w", encoding="utf-8").write(conteudo.replace(texto, troca))
PY
}

total=0
apanhadas=0
escapes=()
while IFS=$'\t' read -r programa arquivo texto troca; do
    [[ -n $programa ]] || continue
    total=$((total + 1))
    rotulo="$arquivo: '$texto' -> '$troca'"
    cp "$arquivo" "$pasta/original"
    atual=$arquivo
    if ! aplica "$arquivo" "$texto" "$troca"; then
        restaura
        echo "mutações: texto não encontrado uma vez só: $rotulo" >&2
        exit 2
    fi
    if ! cmake --build "$build" -j2 --target "$programa" >"$pasta/build.log" 2>&1; then
        resultado="não compila"
        apanhadas=$((apanhadas + 1))
    elif QT_QPA_PLATFORM=offscreen timeout 600 "$build/tests/$programa" --gtest_brief=1 >"$pasta/testes.log" 2>&1; then
        resultado="ESCAPOU"
        escapes+=("$rotulo")
    else
        resultado="apanhada"
        apanhadas=$((apanhadas + 1))
    fi
    restaura
    echo "mutações: [$total] $resultado: $rotulo"
done <<<"$LISTA"

# The build left as the tree is.
cmake --build "$build" -j2 --target $(cut -f1 <<<"$LISTA" | sort -u) >/dev/null 2>&1 || true

echo "mutações: $apanhadas de $total apanhadas"
for e in "${escapes[@]}"; do
    echo "mutações: escapou: $e"
done
