// NetworkManager's types, states and reasons as dial-up entries, states and codes; the pace of
// redials on a real line; the stored choice of service.
#include "platform/discagem/networkmanager/escolha_discagem.h"
#include "platform/discagem/networkmanager/espera_rediscagem.h"
#include "platform/discagem/networkmanager/estado_nm.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

using namespace plataforma;
using namespace plataforma::nm;
using namespace std::chrono_literals;

// PPPoE, VPN, Ethernet and Bluetooth profiles are met on the bus mock; here mobile broadband, a type
// never dialled, a Bluetooth profile of no type and a type's spelling.
TEST(EstadoNm, SoOsTiposDeDiscagemSaoEntradas) {
    const struct {
        const char* tipo;
        const char* bluetooth;
        bool discavel;
    } casos[] = {
        {"gsm", "", true},
        {"bluetooth", "", false},
        {"wireguard", "", false},
        {"PPPOE", "", false},
    };
    for (const auto& c : casos)
        EXPECT_EQ(TipoDiscavel(c.tipo, c.bluetooth), c.discavel) << c.tipo << " " << c.bluetooth;
}

// The active connection's state decides before its device's; the device's ranges at their edges.
TEST(EstadoNm, EstadosDaAtivaEDoDispositivo) {
    const struct {
        std::uint32_t ativa, dispositivo;
        RASCONNSTATE esperado;
    } casos[] = {
        {AtivaAtivando, 0, RASCS_ConnectDevice},     // no device known yet
        {AtivaAtivando, 40, RASCS_OpenPort},         // preparing
        {AtivaAtivando, 60, RASCS_Authenticate},     // needs secrets, first of the range
        {AtivaAtivando, 90, RASCS_Authenticate},     // secondaries, last of the range
        {AtivaAtivando, 100, RASCS_ConnectDevice},   // a VPN over a device already up
        {AtivaAtivando, 120, RASCS_Disconnected},    // failed
        {AtivaAtivada, 0, RASCS_Connected},          // a VPN
        {AtivaDesativando, 100, RASCS_Disconnected}, // the device still up
        {AtivaDesativada, 30, RASCS_Disconnected},   //
    };
    for (const auto& c : casos)
        EXPECT_EQ(EstadoRas(c.ativa, c.dispositivo), c.esperado) << c.ativa << "/" << c.dispositivo;
}

// One reason for each code the user is told of (NetworkManager's numbers, looked up apart from the
// code); the device's reason before the active connection's; and what a reason that names nothing
// precise falls back on.
TEST(EstadoNm, CodigosDasRazoes) {
    const struct {
        std::uint32_t razaoDispositivo, razaoAtiva;
        bool conectou;
        std::uint32_t codigo;
    } casos[] = {
        {7, 0, false, ERROR_AUTHENTICATION_FAILURE}, // no secrets
        {23, 0, false, ERROR_BUSY},
        {24, 0, false, ERROR_NO_DIALTONE},
        {25, 0, false, ERROR_NO_CARRIER},
        {26, 0, false, ERROR_NO_ANSWER},
        {57, 0, false, ERROR_FROM_DEVICE},
        {43, 0, false, ERROR_DEVICE_DOES_NOT_EXIST},
        {13, 0, true, ERROR_DISCONNECTION},
        {39, 0, true, ERROR_USER_DISCONNECTION},
        {39, 10, false, ERROR_USER_DISCONNECTION},    // the device's reason decides
        {1, 10, false, ERROR_AUTHENTICATION_FAILURE}, // login failed, with an imprecise device reason
        {0, 2, true, ERROR_USER_DISCONNECTION},
        {0, 0, true, ERROR_DISCONNECTION}, // nothing precise: a line that was up was lost
        {1, 1, false, ERROR_FROM_DEVICE},  // nothing precise: the attempt failed
    };
    for (const auto& c : casos)
        EXPECT_EQ(CodigoDoFim(c.razaoDispositivo, c.razaoAtiva, c.conectou), c.codigo)
            << c.razaoDispositivo << "/" << c.razaoAtiva;
}

// The code the user is told of when NetworkManager has gone from the bus (a refusal and no answer are
// met on the bus mock); any other refusal is a failure of the device.
TEST(EstadoNm, CodigosDosErrosDoBarramento) {
    const struct {
        const char* erro;
        std::uint32_t codigo;
    } casos[] = {
        {"org.freedesktop.DBus.Error.ServiceUnknown", ERROR_RASMAN_CANNOT_INITIALIZE},
        {"org.freedesktop.NetworkManager.ConnectionActivating", ERROR_FROM_DEVICE},
    };
    for (const auto& c : casos)
        EXPECT_EQ(CodigoDoErroDbus(c.erro), c.codigo) << c.erro;
}

// Each step: what happened `depois` after the previous one, and the wait it leaves.
TEST(EsperaRediscagem, DobraAteDezMinutosEVoltaACincoSegundosDepoisDeUmaLinhaEstavel) {
    EsperaRediscagem espera;
    const InstanteMonotono t0{std::chrono::hours(1000)};
    EXPECT_LE(espera.Liberada(), t0) << "the first dial waits for nothing";
    InstanteMonotono agora = t0;
    const std::chrono::seconds esperadas[] = {5s, 10s, 20s, 40s, 80s, 160s, 320s, 600s, 600s};
    for (const auto esperada : esperadas) {
        espera.Falhou(agora);
        EXPECT_EQ(espera.Liberada() - agora, esperada);
        agora = espera.Liberada();
    }
    // A line lost after 44 s still counts as a failure; one that held 45 s starts over.
    espera.Caiu(agora, agora + 44s);
    EXPECT_EQ(espera.Liberada() - (agora + 44s), 600s);
    agora += 1h;
    espera.Caiu(agora, agora + 45s);
    EXPECT_EQ(espera.Liberada() - (agora + 45s), 5s);
    espera.Falhou(agora + 1min);
    EXPECT_EQ(espera.Liberada() - (agora + 1min), 10s);
}

TEST(EsperaRediscagem, CredenciaisRecusadasFicamRetidasDezMinutos) {
    EsperaRediscagem espera;
    const InstanteMonotono t0{std::chrono::hours(1000)};
    espera.Recusou(42, t0);
    EXPECT_EQ(espera.Liberada() - t0, 5s) << "a refusal is also a failed attempt";
    const struct {
        std::size_t credenciais;
        std::chrono::seconds depois;
        bool retida;
    } casos[] = {{42, 0s, true}, {42, 599s, true}, {42, 600s, false}, {43, 1s, false}};
    for (const auto& c : casos)
        EXPECT_EQ(espera.Retida(c.credenciais, t0 + c.depois), c.retida)
            << c.credenciais << " " << c.depois.count();
}

TEST(EscolhaDiscagem, SoNetworkManagerEscolheNetworkManager) {
    const struct {
        const char* valor;
        bool escolhe;
    } casos[] = {{"networkmanager", true},
                 {"NetworkManager", true},
                 {"  networkmanager ", true},
                 {"", false},
                 {"   ", false},
                 {"simulada", false},
                 {"networkmanagers", false},
                 {"network manager", false}};
    for (const auto& c : casos)
        EXPECT_EQ(EscolheNetworkManager(c.valor), c.escolhe) << '"' << c.valor << '"';
}

} // namespace
