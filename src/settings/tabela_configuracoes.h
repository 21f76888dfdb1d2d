// The settings table: every setting of the settings file and of the per-user store as one row (its
// variable, store, section, key, text form, what an absent key reads as and its first-start value),
// and the reads and writes that move a row or a group of rows between its store and its variable.
#pragma once

#include "settings/quelza.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <iterator>
#include <span>
#include <string>
#include <variant>

namespace quelza {

// The per-user section of the mail accounts, one value per account; its records are the accounts'.
inline constexpr const char* SecaoContasEmail = "Email";

// The settings file Config.ini of the program folder, or the per-user store of "e-Telvanor".
enum class Armazem { ArquivoConfig, Usuario };

enum class FormaTexto {
    Texto,          // as held
    NumeroSimples,  // written "-5", "0", "1130"; read as a number
    NumeroAlinhado, // written " 5", "-5"; read as a number
    Hora,           // written "HH:mm:ss"; read as a time of day
    Booleano,       // "True" / "False"; any other text leaves the variable as it was
    Embaralhado,    // the plain text scrambled with the credentials key
};

// The module variable a row fills; none for a value that is written and never read back.
using VariavelConfiguracao =
    std::variant<std::monostate, bool Variaveis::*, std::uint8_t Variaveis::*, std::int16_t Variaveis::*,
                 std::int32_t Variaveis::*, std::string Variaveis::*, HoraDoDia Variaveis::*>;

// What the first start stores: nothing (the variable keeps what it holds), a fixed text, or a file
// name under the program folder.
struct ValorPrimeiraPartida {
    const char* texto = nullptr;
    bool naPastaPrograma = false;
};

// Who reads a row besides the code that uses it by name: the loader at start, and the first start and
// the migration, which save it.
enum UsoLinha : unsigned { LidaNaCarga = 1, SalvaNaPrimeiraPartida = 2 };

struct LinhaConfiguracao {
    VariavelConfiguracao variavel;
    Armazem armazem;
    const char* secao;
    const char* chave; // as written; reads match it regardless of case
    FormaTexto forma;
    unsigned uso = 0; // UsoLinha flags
    ValorPrimeiraPartida inicial{};
    const char* ausente = ""; // the text an absent key reads as
};

namespace tabela {

using enum Armazem;
using enum FormaTexto;
using V = Variaveis;

inline constexpr unsigned Carga = LidaNaCarga;
inline constexpr unsigned CargaEPrimeiraPartida = LidaNaCarga | SalvaNaPrimeiraPartida;

// Every row, once: the loader reads those it reads in this order, and the first start saves those it
// saves in this order.
inline constexpr LinhaConfiguracao Linhas[] = {
    {&V::RediscarLigado, ArquivoConfig, "Config", "Rediscar", Booleano},
    {&V::AgendarConexão, ArquivoConfig, "Config", "Agendar Conexão", NumeroAlinhado, Carga},
    {&V::HoraConexão, ArquivoConfig, "Config", "Hora da Conexão", Hora, Carga},
    {&V::ProgramaExecutar, ArquivoConfig, "Config", "Executar", Texto, Carga},
    {&V::AgendarDesconexão, ArquivoConfig, "Config", "Agendar Desconexão", NumeroAlinhado, Carga},
    {&V::HoraDesconexão, ArquivoConfig, "Config", "Hora da Desconexão", Hora, Carga},
    {&V::NãoDeixarAgendado, ArquivoConfig, "Config", "Não Deixar Agendado", NumeroAlinhado, Carga},
    {&V::DesligarComputador, ArquivoConfig, "Config", "Desligar Computador", NumeroAlinhado, Carga},
    {&V::PrimeiraVez, ArquivoConfig, "Config", "Primeira Vez", NumeroSimples, Carga},
    {&V::PáginaInicial, ArquivoConfig, "IE", "Página Inicial", Texto, Carga},
    {&V::PáginaTravada, ArquivoConfig, "IE", "Travada", Texto, Carga},
    {&V::SomLigado, Usuario, "Som", "Ligado", NumeroSimples, CargaEPrimeiraPartida, {"1"}},
    {&V::SomIniciando, Usuario, "Som", "Iniciando", NumeroSimples, CargaEPrimeiraPartida, {"1"}},
    {&V::SomBomDia, Usuario, "Som", "Bom Dia", Texto, CargaEPrimeiraPartida, {"e-bomdia.wav", true}},
    {&V::SomBoaTarde, Usuario, "Som", "Boa Tarde", Texto, CargaEPrimeiraPartida, {"e-boatarde.wav", true}},
    {&V::SomBoaNoite, Usuario, "Som", "Boa Noite", Texto, CargaEPrimeiraPartida, {"e-boanoite.wav", true}},
    {&V::SomFinalizando, Usuario, "Som", "Finalizando", Texto, CargaEPrimeiraPartida, {"e-fim.wav", true}},
    {&V::SomTemEmail, Usuario, "Som", "Tem Email", Texto, CargaEPrimeiraPartida, {"e-tememail.wav", true}},
    {&V::SomConectado, Usuario, "Som", "Conectado", Texto, CargaEPrimeiraPartida, {"e-conectado.wav", true}},
    {&V::SomDesconectado,
     Usuario,
     "Som",
     "Desconectado",
     Texto,
     CargaEPrimeiraPartida,
     {"e-desconectado.wav", true}},
    {&V::PosiçãoX, Usuario, "ini", "X", NumeroSimples, CargaEPrimeiraPartida, {"1130"}},
    {&V::PosiçãoY, Usuario, "ini", "Y", NumeroSimples, CargaEPrimeiraPartida, {"1130"}},
    {&V::IniciarComWindows, Usuario, "ini", "Iniciar Com Windows", Texto, CargaEPrimeiraPartida, {"1"}},
    // Saved at the first start as it stands.
    {&V::IniciarIE, Usuario, "ini", "IE", NumeroSimples, CargaEPrimeiraPartida},
    {&V::ChecarAoConectar, ArquivoConfig, "Pop3", "Cheque ao Conectar", NumeroAlinhado, Carga},
    {&V::TempoDeEspera, ArquivoConfig, "Pop3", "Tempo de Espera", NumeroAlinhado, Carga},
    {&V::ChecarPeriodicamente, ArquivoConfig, "Pop3", "Checar Periodicamente", NumeroAlinhado, Carga},
    // On unless switched off: an absent key reads as on.
    {&V::AvisarNovoEmail, ArquivoConfig, "Pop3", "Avisar Novo Email", NumeroAlinhado, Carga, {}, "1"},
    // Written and never read back.
    {std::monostate{}, Usuario, "ini", "Versão", Texto, SalvaNaPrimeiraPartida, {"31"}},
    {&V::AcessoDialUp, Usuario, "Acesso", "DialUp", Embaralhado},
    {&V::UsuárioAcesso, Usuario, "Acesso", "Usuário", Embaralhado},
    {&V::SenhaAcesso, Usuario, "Acesso", "Senha", Embaralhado},
    // Read by main, before the main window, to choose the dial-up service.
    {&V::Discagem, ArquivoConfig, "Linux", "Discagem", Texto},
};

// The one row of a variable (the one without a variable for std::monostate); a variable with no row
// or with two does not compile.
// The search runs on the rows' values, never on their addresses, which a position-independent build
// does not know while it compiles.
consteval std::size_t ÍndiceDaLinha(VariavelConfiguracao variavel) {
    std::size_t achada = std::size(Linhas);
    for (std::size_t i = 0; i < std::size(Linhas); ++i)
        if (std::variant(Linhas[i].variavel) == variavel) {
            if (achada != std::size(Linhas))
                throw "duas linhas para uma variável";
            achada = i;
        }
    if (achada == std::size(Linhas))
        throw "variável sem linha";
    return achada;
}
consteval const LinhaConfiguracao& Linha(VariavelConfiguracao variavel) {
    return Linhas[ÍndiceDaLinha(variavel)];
}

// The rows of one use, in the table's order.
template <unsigned Uso> consteval auto LinhasDoUso() {
    constexpr std::size_t total = std::count_if(std::begin(Linhas), std::end(Linhas),
                                                [](const LinhaConfiguracao& l) { return l.uso & Uso; });
    std::array<const LinhaConfiguracao*, total> grupo{};
    std::size_t i = 0;
    for (const LinhaConfiguracao& linha : Linhas)
        if (linha.uso & Uso)
            grupo[i++] = &linha;
    return grupo;
}

inline constexpr const LinhaConfiguracao& RediscarLigado = Linha(&V::RediscarLigado);
inline constexpr const LinhaConfiguracao& AgendarConexão = Linha(&V::AgendarConexão);
inline constexpr const LinhaConfiguracao& HoraConexão = Linha(&V::HoraConexão);
inline constexpr const LinhaConfiguracao& ProgramaExecutar = Linha(&V::ProgramaExecutar);
inline constexpr const LinhaConfiguracao& AgendarDesconexão = Linha(&V::AgendarDesconexão);
inline constexpr const LinhaConfiguracao& HoraDesconexão = Linha(&V::HoraDesconexão);
inline constexpr const LinhaConfiguracao& NãoDeixarAgendado = Linha(&V::NãoDeixarAgendado);
inline constexpr const LinhaConfiguracao& DesligarComputador = Linha(&V::DesligarComputador);
inline constexpr const LinhaConfiguracao& PrimeiraVez = Linha(&V::PrimeiraVez);
inline constexpr const LinhaConfiguracao& PáginaInicial = Linha(&V::PáginaInicial);
inline constexpr const LinhaConfiguracao& PáginaTravada = Linha(&V::PáginaTravada);
inline constexpr const LinhaConfiguracao& ChecarAoConectar = Linha(&V::ChecarAoConectar);
inline constexpr const LinhaConfiguracao& TempoDeEspera = Linha(&V::TempoDeEspera);
inline constexpr const LinhaConfiguracao& ChecarPeriodicamente = Linha(&V::ChecarPeriodicamente);
inline constexpr const LinhaConfiguracao& AvisarNovoEmail = Linha(&V::AvisarNovoEmail);
inline constexpr const LinhaConfiguracao& PosiçãoX = Linha(&V::PosiçãoX);
inline constexpr const LinhaConfiguracao& PosiçãoY = Linha(&V::PosiçãoY);
inline constexpr const LinhaConfiguracao& IniciarIE = Linha(&V::IniciarIE);
inline constexpr const LinhaConfiguracao& IniciarComWindows = Linha(&V::IniciarComWindows);
inline constexpr const LinhaConfiguracao& Versão = Linha(std::monostate{});
inline constexpr const LinhaConfiguracao& SomLigado = Linha(&V::SomLigado);
inline constexpr const LinhaConfiguracao& SomIniciando = Linha(&V::SomIniciando);
inline constexpr const LinhaConfiguracao& SomBomDia = Linha(&V::SomBomDia);
inline constexpr const LinhaConfiguracao& SomBoaTarde = Linha(&V::SomBoaTarde);
inline constexpr const LinhaConfiguracao& SomBoaNoite = Linha(&V::SomBoaNoite);
inline constexpr const LinhaConfiguracao& SomFinalizando = Linha(&V::SomFinalizando);
inline constexpr const LinhaConfiguracao& SomTemEmail = Linha(&V::SomTemEmail);
inline constexpr const LinhaConfiguracao& SomConectado = Linha(&V::SomConectado);
inline constexpr const LinhaConfiguracao& SomDesconectado = Linha(&V::SomDesconectado);
inline constexpr const LinhaConfiguracao& AcessoDialUp = Linha(&V::AcessoDialUp);
inline constexpr const LinhaConfiguracao& UsuárioAcesso = Linha(&V::UsuárioAcesso);
inline constexpr const LinhaConfiguracao& SenhaAcesso = Linha(&V::SenhaAcesso);
inline constexpr const LinhaConfiguracao& Discagem = Linha(&V::Discagem);

// What the loader reads, and what the first start and the migration save.
inline constexpr auto Carregadas = LinhasDoUso<LidaNaCarga>();
inline constexpr auto PadroesIniciais = LinhasDoUso<SalvaNaPrimeiraPartida>();

inline constexpr const LinhaConfiguracao* Acesso[] = {&AcessoDialUp, &UsuárioAcesso, &SenhaAcesso};

} // namespace tabela

using GrupoConfiguracoes = std::span<const LinhaConfiguracao* const>;

// The variable's value in the row's text form; a row without a variable gives its first-start text.
std::string TextoDaVariavel(const LinhaConfiguracao& linha);
// A stored text into the row's variable; throws FormaInvalida when it does not fit the form.
void DefineDoTexto(const LinhaConfiguracao& linha, const std::string& texto);

// The row's text in its store (the settings file through LeIni), or `ausente` when absent.
std::string LeTexto(const LinhaConfiguracao& linha);
// Reads the row from its store into its variable; throws FormaInvalida as DefineDoTexto.
void LeConfiguracao(const LinhaConfiguracao& linha);

// Stores a text as it is, leaving the variable alone (a one-shot schedule switched off, the marker of
// the first start). A refused write is not reported.
void GravaTexto(const LinhaConfiguracao& linha, const std::string& texto);
// Stores the variable in the row's form.
void GravaConfiguracao(const LinhaConfiguracao& linha);
// Stores every row of the group in its order; the per-user ones replace the store once, together.
void GravaConfiguracoes(GrupoConfiguracoes grupo);
void GravaConfiguracoes(std::initializer_list<const LinhaConfiguracao*> grupo);

// The first start's value of each row of the group that has one into its variable.
void DefineValoresIniciais(GrupoConfiguracoes grupo);

} // namespace quelza
