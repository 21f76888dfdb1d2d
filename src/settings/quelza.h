// The shared module's variables: every setting, flag and list that lives for the whole run.
// All of them sit in one record so that ReiniciaQuelza can put every one back to its initial value;
// the names below are references into it.
#pragma once

#include "platform/bandeja/icone_notificacao.h"
#include "platform/discagem/ras.h"
#include "platform/nucleo/aplicacao.h"
#include "settings/conta_email.h"
#include "settings/hora_do_dia.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace quelza {

inline constexpr const char* ChaveCredenciais = "TOMAR O SE BRISA 518204736 H46KRT952M";
using plataforma::TituloAplicacao;

struct Variaveis {
    // Settings (loaded at start, written back by the configuration dialog).
    bool RediscarLigado = false;
    std::int16_t AgendarConexão = 0;
    HoraDoDia HoraConexão;
    std::string ProgramaExecutar;
    std::int16_t AgendarDesconexão = 0;
    HoraDoDia HoraDesconexão;
    std::int16_t NãoDeixarAgendado = 0;
    std::int16_t DesligarComputador = 0;
    std::int16_t PrimeiraVez = 0;
    std::string PáginaInicial;
    std::string PáginaTravada;
    std::int16_t IniciarIE = 0;
    std::uint8_t SomLigado = 0;
    std::uint8_t SomIniciando = 0;
    std::string SomBomDia;
    std::string SomBoaTarde;
    std::string SomBoaNoite;
    std::string SomFinalizando;
    std::string SomTemEmail;
    std::string SomConectado;
    std::string SomDesconectado;
    std::int32_t PosiçãoX = 0;
    std::int32_t PosiçãoY = 0;
    std::string IniciarComWindows;
    std::uint8_t ChecarAoConectar = 0;
    std::int16_t TempoDeEspera = 0;
    std::int16_t ChecarPeriodicamente = 0;
    std::uint8_t AvisarNovoEmail = 0;
    std::string AcessoDialUp;
    std::string UsuárioAcesso;
    std::string SenhaAcesso;
    // Which service dials: "networkmanager", or anything else for the simulated line.
    std::string Discagem;
    std::string BufferIni;
    std::string DiretórioSistema;

    // Connection flags of the status poller.
    std::int16_t ConexãoAnunciada = 0;
    std::int16_t DesconexãoAnunciada = 0;
    std::int16_t EmailVerificado = 0;
    bool AgendamentoPendente = false;

    // Dialing engine.
    plataforma::HRASCONN hConexão = 0;
    // Left to the record's zero fill as a static object (and to ReiniciaQuelza's): cleared by the
    // constructor, its 68 KB would stay resident while the program rests.
    std::array<plataforma::RASENTRYNAMEA, 257> EntradasDialUp;
    std::array<std::string, 257> NomesEntradas;
    std::int16_t TotalEntradas = 0;
    bool FalhaEnumeraçãoAvisada = false; // the "Problemas " box of the current run of failures is shown

    // Mail accounts and the mail check.
    std::vector<ContaEmail> ContasEmail;
    bool TemContasEmail = false;
    std::string ServidorPop3;
    std::string UsuárioPop3;
    std::string SenhaPop3;
    std::int16_t TotalDeMensagens = 0;
    // The total of the connection's last run: a desktop notice needs more than that.
    std::int16_t TotalAnteriorEmail = 0;
    double TempoCorrido = 0;

    // The notification-area icon record, kept between calls.
    plataforma::NOTIFYICONDATAA DadosÍcone{};
};

inline Variaveis variaveis;

// Every variable back to its initial value (0, False, empty, 00:00:00).
inline void ReiniciaQuelza() { variaveis = Variaveis{}; }

inline bool& RediscarLigado = variaveis.RediscarLigado;
inline std::int16_t& AgendarConexão = variaveis.AgendarConexão;
inline HoraDoDia& HoraConexão = variaveis.HoraConexão;
inline std::string& ProgramaExecutar = variaveis.ProgramaExecutar;
inline std::int16_t& AgendarDesconexão = variaveis.AgendarDesconexão;
inline HoraDoDia& HoraDesconexão = variaveis.HoraDesconexão;
inline std::int16_t& NãoDeixarAgendado = variaveis.NãoDeixarAgendado;
inline std::int16_t& DesligarComputador = variaveis.DesligarComputador;
inline std::int16_t& PrimeiraVez = variaveis.PrimeiraVez;
inline std::string& PáginaInicial = variaveis.PáginaInicial;
inline std::string& PáginaTravada = variaveis.PáginaTravada;
inline std::int16_t& IniciarIE = variaveis.IniciarIE;
inline std::uint8_t& SomLigado = variaveis.SomLigado;
inline std::uint8_t& SomIniciando = variaveis.SomIniciando;
inline std::string& SomBomDia = variaveis.SomBomDia;
inline std::string& SomBoaTarde = variaveis.SomBoaTarde;
inline std::string& SomBoaNoite = variaveis.SomBoaNoite;
inline std::string& SomFinalizando = variaveis.SomFinalizando;
inline std::string& SomTemEmail = variaveis.SomTemEmail;
inline std::string& SomConectado = variaveis.SomConectado;
inline std::string& SomDesconectado = variaveis.SomDesconectado;
inline std::int32_t& PosiçãoX = variaveis.PosiçãoX;
inline std::int32_t& PosiçãoY = variaveis.PosiçãoY;
inline std::string& IniciarComWindows = variaveis.IniciarComWindows;
inline std::uint8_t& ChecarAoConectar = variaveis.ChecarAoConectar;
inline std::int16_t& TempoDeEspera = variaveis.TempoDeEspera;
inline std::int16_t& ChecarPeriodicamente = variaveis.ChecarPeriodicamente;
inline std::uint8_t& AvisarNovoEmail = variaveis.AvisarNovoEmail;
inline std::string& AcessoDialUp = variaveis.AcessoDialUp;
inline std::string& UsuárioAcesso = variaveis.UsuárioAcesso;
inline std::string& SenhaAcesso = variaveis.SenhaAcesso;
inline std::string& Discagem = variaveis.Discagem;
inline std::string& BufferIni = variaveis.BufferIni;
inline std::string& DiretórioSistema = variaveis.DiretórioSistema;

inline std::int16_t& ConexãoAnunciada = variaveis.ConexãoAnunciada;
inline std::int16_t& DesconexãoAnunciada = variaveis.DesconexãoAnunciada;
inline std::int16_t& EmailVerificado = variaveis.EmailVerificado;
inline bool& AgendamentoPendente = variaveis.AgendamentoPendente;

inline plataforma::HRASCONN& hConexão = variaveis.hConexão;
inline std::array<plataforma::RASENTRYNAMEA, 257>& EntradasDialUp = variaveis.EntradasDialUp;
inline std::array<std::string, 257>& NomesEntradas = variaveis.NomesEntradas;
inline std::int16_t& TotalEntradas = variaveis.TotalEntradas;
inline bool& FalhaEnumeraçãoAvisada = variaveis.FalhaEnumeraçãoAvisada;

inline std::vector<ContaEmail>& ContasEmail = variaveis.ContasEmail;
inline bool& TemContasEmail = variaveis.TemContasEmail;
inline std::string& ServidorPop3 = variaveis.ServidorPop3;
inline std::string& UsuárioPop3 = variaveis.UsuárioPop3;
inline std::string& SenhaPop3 = variaveis.SenhaPop3;
inline std::int16_t& TotalDeMensagens = variaveis.TotalDeMensagens;
inline std::int16_t& TotalAnteriorEmail = variaveis.TotalAnteriorEmail;
inline double& TempoCorrido = variaveis.TempoCorrido;

inline plataforma::NOTIFYICONDATAA& DadosÍcone = variaveis.DadosÍcone;

} // namespace quelza
