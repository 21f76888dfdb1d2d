// The settings table: every setting of the settings file and of the per-user store as one row (its
// variable, store, section, key, text form, what an absent key reads as and its first-start value),
// and the reads and writes that move a row or a group of rows between its store and its variable.
#pragma once

#include "settings/quelza.h"

#include <initializer_list>
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

struct LinhaConfiguracao {
    VariavelConfiguracao variavel;
    Armazem armazem;
    const char* secao;
    const char* chave; // as written; reads match it regardless of case
    FormaTexto forma;
    ValorPrimeiraPartida inicial{};
    const char* ausente = ""; // the text an absent key reads as
};

// One row per setting, named after its variable.
namespace tabela {

using enum Armazem;
using enum FormaTexto;
using V = Variaveis;

inline constexpr LinhaConfiguracao RediscarLigado{&V::RediscarLigado, ArquivoConfig, "Config", "Rediscar",
                                                  Booleano};
inline constexpr LinhaConfiguracao AgendarConexão{&V::AgendarConexão, ArquivoConfig, "Config",
                                                  "Agendar Conexão", NumeroAlinhado};
inline constexpr LinhaConfiguracao HoraConexão{&V::HoraConexão, ArquivoConfig, "Config", "Hora da Conexão",
                                               Hora};
inline constexpr LinhaConfiguracao ProgramaExecutar{&V::ProgramaExecutar, ArquivoConfig, "Config", "Executar",
                                                    Texto};
inline constexpr LinhaConfiguracao AgendarDesconexão{&V::AgendarDesconexão, ArquivoConfig, "Config",
                                                     "Agendar Desconexão", NumeroAlinhado};
inline constexpr LinhaConfiguracao HoraDesconexão{&V::HoraDesconexão, ArquivoConfig, "Config",
                                                  "Hora da Desconexão", Hora};
inline constexpr LinhaConfiguracao NãoDeixarAgendado{&V::NãoDeixarAgendado, ArquivoConfig, "Config",
                                                     "Não Deixar Agendado", NumeroAlinhado};
inline constexpr LinhaConfiguracao DesligarComputador{&V::DesligarComputador, ArquivoConfig, "Config",
                                                      "Desligar Computador", NumeroAlinhado};
inline constexpr LinhaConfiguracao PrimeiraVez{&V::PrimeiraVez, ArquivoConfig, "Config", "Primeira Vez",
                                               NumeroSimples};

inline constexpr LinhaConfiguracao PáginaInicial{&V::PáginaInicial, ArquivoConfig, "IE", "Página Inicial",
                                                 Texto};
inline constexpr LinhaConfiguracao PáginaTravada{&V::PáginaTravada, ArquivoConfig, "IE", "Travada", Texto};

inline constexpr LinhaConfiguracao ChecarAoConectar{&V::ChecarAoConectar, ArquivoConfig, "Pop3",
                                                    "Cheque ao Conectar", NumeroAlinhado};
inline constexpr LinhaConfiguracao TempoDeEspera{&V::TempoDeEspera, ArquivoConfig, "Pop3", "Tempo de Espera",
                                                 NumeroAlinhado};
inline constexpr LinhaConfiguracao ChecarPeriodicamente{&V::ChecarPeriodicamente, ArquivoConfig, "Pop3",
                                                        "Checar Periodicamente", NumeroAlinhado};
// On unless switched off: an absent key reads as on.
inline constexpr LinhaConfiguracao AvisarNovoEmail{
    &V::AvisarNovoEmail, ArquivoConfig, "Pop3", "Avisar Novo Email", NumeroAlinhado, {}, "1"};

inline constexpr LinhaConfiguracao PosiçãoX{&V::PosiçãoX, Usuario, "ini", "X", NumeroSimples, {"1130"}};
inline constexpr LinhaConfiguracao PosiçãoY{&V::PosiçãoY, Usuario, "ini", "Y", NumeroSimples, {"1130"}};
inline constexpr LinhaConfiguracao IniciarIE{&V::IniciarIE, Usuario, "ini", "IE", NumeroSimples};
inline constexpr LinhaConfiguracao IniciarComWindows{&V::IniciarComWindows, Usuario, "ini",
                                                     "Iniciar Com Windows", Texto,   {"1"}};
inline constexpr LinhaConfiguracao Versão{std::monostate{}, Usuario, "ini", "Versão", Texto, {"31"}};

inline constexpr LinhaConfiguracao SomLigado{&V::SomLigado, Usuario, "Som", "Ligado", NumeroSimples, {"1"}};
inline constexpr LinhaConfiguracao SomIniciando{&V::SomIniciando, Usuario,       "Som",
                                                "Iniciando",      NumeroSimples, {"1"}};
inline constexpr LinhaConfiguracao SomBomDia{&V::SomBomDia, Usuario, "Som",
                                             "Bom Dia",     Texto,   {"e-bomdia.wav", true}};
inline constexpr LinhaConfiguracao SomBoaTarde{&V::SomBoaTarde, Usuario, "Som",
                                               "Boa Tarde",     Texto,   {"e-boatarde.wav", true}};
inline constexpr LinhaConfiguracao SomBoaNoite{&V::SomBoaNoite, Usuario, "Som",
                                               "Boa Noite",     Texto,   {"e-boanoite.wav", true}};
inline constexpr LinhaConfiguracao SomFinalizando{&V::SomFinalizando, Usuario, "Som",
                                                  "Finalizando",      Texto,   {"e-fim.wav", true}};
inline constexpr LinhaConfiguracao SomTemEmail{&V::SomTemEmail, Usuario, "Som",
                                               "Tem Email",     Texto,   {"e-tememail.wav", true}};
inline constexpr LinhaConfiguracao SomConectado{&V::SomConectado, Usuario, "Som",
                                                "Conectado",      Texto,   {"e-conectado.wav", true}};
inline constexpr LinhaConfiguracao SomDesconectado{
    &V::SomDesconectado, Usuario, "Som", "Desconectado", Texto, {"e-desconectado.wav", true}};

inline constexpr LinhaConfiguracao AcessoDialUp{&V::AcessoDialUp, Usuario, "Acesso", "DialUp", Embaralhado};
inline constexpr LinhaConfiguracao UsuárioAcesso{&V::UsuárioAcesso, Usuario, "Acesso", "Usuário",
                                                 Embaralhado};
inline constexpr LinhaConfiguracao SenhaAcesso{&V::SenhaAcesso, Usuario, "Acesso", "Senha", Embaralhado};
// Read by main, before the main window, to choose the dial-up service.
inline constexpr LinhaConfiguracao Discagem{&V::Discagem, ArquivoConfig, "Linux", "Discagem", Texto};

// Every row: the loader's in the order it reads them, then the ones it leaves to others.
inline constexpr const LinhaConfiguracao* Todas[] = {
    &RediscarLigado,
    &AgendarConexão,
    &HoraConexão,
    &ProgramaExecutar,
    &AgendarDesconexão,
    &HoraDesconexão,
    &NãoDeixarAgendado,
    &DesligarComputador,
    &PrimeiraVez,
    &PáginaInicial,
    &PáginaTravada,
    &IniciarIE,
    &SomLigado,
    &SomIniciando,
    &SomBomDia,
    &SomBoaTarde,
    &SomBoaNoite,
    &SomFinalizando,
    &SomTemEmail,
    &SomConectado,
    &SomDesconectado,
    &PosiçãoX,
    &PosiçãoY,
    &IniciarComWindows,
    &ChecarAoConectar,
    &TempoDeEspera,
    &ChecarPeriodicamente,
    &AvisarNovoEmail,
    &Versão,
    &AcessoDialUp,
    &UsuárioAcesso,
    &SenhaAcesso,
    &Discagem,
};

// What the first start and the migration save, in their order.
inline constexpr const LinhaConfiguracao* PadroesIniciais[] = {
    &SomLigado,      &SomIniciando,      &SomBomDia,    &SomBoaTarde,     &SomBoaNoite,
    &SomFinalizando, &SomTemEmail,       &SomConectado, &SomDesconectado, &PosiçãoX,
    &PosiçãoY,       &IniciarComWindows, &IniciarIE,    &Versão,
};

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
