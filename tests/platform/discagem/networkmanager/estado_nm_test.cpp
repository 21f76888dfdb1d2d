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

TEST(EstadoNm, SoOsTiposDeDiscagemSaoEntradas) {
    const struct {
        const char* tipo;
        const char* bluetooth;
        bool discavel;
    } casos[] = {
        {"pppoe", "", true},
        {"gsm", "", true},
        {"cdma", "", true},
        {"vpn", "", true},
        {"adsl", "", true},
        {"bluetooth", "dun", true},
        {"bluetooth", "panu", false},
        {"bluetooth", "", false},
        {"802-3-ethernet", "", false},
        {"802-11-wireless", "", false},
        {"wireguard", "", false},
        {"PPPOE", "", false},
    };
    for (const auto& c : casos)
        EXPECT_EQ(TipoDiscavel(c.tipo, c.bluetooth), c.discavel) << c.tipo << " " << c.bluetooth;
}

TEST(EstadoNm, EstadosDaAtivaEDoDispositivo) {
    const struct {
        std::uint32_t ativa, dispositivo;
        RASCONNSTATE esperado;
    } casos[] = {
        {AtivaAtivando, 0, RASCS_ConnectDevice},     // no device known yet
        {AtivaAtivando, 30, RASCS_ConnectDevice},    // disconnected device, not yet taken
        {AtivaAtivando, 40, RASCS_OpenPort},         // preparing
        {AtivaAtivando, 50, RASCS_ConnectDevice},    // configuring
        {AtivaAtivando, 60, RASCS_Authenticate},     // needs secrets
        {AtivaAtivando, 70, RASCS_Authenticate},     // IP configuration
        {AtivaAtivando, 80, RASCS_Authenticate},     // IP checks
        {AtivaAtivando, 90, RASCS_Authenticate},     // secondaries
        {AtivaAtivando, 100, RASCS_ConnectDevice},   // a VPN over a device already up
        {AtivaAtivando, 120, RASCS_Disconnected},    // failed
        {AtivaAtivada, 100, RASCS_Connected},        //
        {AtivaAtivada, 0, RASCS_Connected},          // a VPN
        {AtivaDesativando, 110, RASCS_Disconnected}, //
        {AtivaDesativada, 30, RASCS_Disconnected},   //
    };
    for (const auto& c : casos)
        EXPECT_EQ(EstadoRas(c.ativa, c.dispositivo), c.esperado) << c.ativa << "/" << c.dispositivo;
}

TEST(EstadoNm, CodigosDasRazoes) {
    const struct {
        std::uint32_t razaoDispositivo, razaoAtiva;
        bool conectou;
        std::uint32_t codigo;
    } casos[] = {
        {7, 0, false, ERROR_AUTHENTICATION_FAILURE}, // no secrets
        {0, 9, false, ERROR_AUTHENTICATION_FAILURE}, // the active connection's no secrets
        {0, 10, false, ERROR_AUTHENTICATION_FAILURE},
        {23, 0, false, ERROR_BUSY},
        {24, 0, false, ERROR_NO_DIALTONE},
        {25, 0, false, ERROR_NO_CARRIER},
        {26, 0, false, ERROR_NO_ANSWER},
        {57, 0, false, ERROR_FROM_DEVICE},
        {14, 0, false, ERROR_FROM_DEVICE},
        {43, 0, false, ERROR_DEVICE_DOES_NOT_EXIST},
        {36, 0, true, ERROR_DEVICE_DOES_NOT_EXIST},
        {13, 0, true, ERROR_DISCONNECTION},
        {40, 3, true, ERROR_DISCONNECTION},
        {39, 0, true, ERROR_USER_DISCONNECTION},
        {0, 2, true, ERROR_USER_DISCONNECTION},
        {0, 6, false, ERROR_NO_ANSWER},
        {0, 0, true, ERROR_DISCONNECTION}, // nothing precise: a line that was up was lost
        {1, 1, false, ERROR_FROM_DEVICE},  // nothing precise: the attempt failed
    };
    for (const auto& c : casos)
        EXPECT_EQ(CodigoDoFim(c.razaoDispositivo, c.razaoAtiva, c.conectou), c.codigo)
            << c.razaoDispositivo << "/" << c.razaoAtiva;
}

TEST(EstadoNm, CodigosDosErrosDoBarramento) {
    const struct {
        const char* erro;
        std::uint32_t codigo;
    } casos[] = {
        {"org.freedesktop.DBus.Error.NoReply", ERROR_REQUEST_TIMEOUT},
        {"org.freedesktop.DBus.Error.ServiceUnknown", ERROR_RASMAN_CANNOT_INITIALIZE},
        {"org.freedesktop.NetworkManager.PermissionDenied", ERROR_ACCESS_DENIED_RAS},
        {"org.freedesktop.DBus.Error.AccessDenied", ERROR_ACCESS_DENIED_RAS},
        {"org.freedesktop.NetworkManager.UnknownConnection", ERROR_CANNOT_FIND_PHONEBOOK_ENTRY},
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
