#include "platform/discagem/ras.h"

namespace plataforma {
namespace {

// No service was chosen: as when the system's dial-up service does not run.
class ServicoAusente final : public ServicoDiscagem {
public:
    std::uint32_t Disca(const RASDIALPARAMSA&, HRASCONN*) override { return ERROR_RASMAN_CANNOT_INITIALIZE; }
    std::uint32_t Estado(HRASCONN, RASCONNSTATUSA*) override { return ERROR_RASMAN_CANNOT_INITIALIZE; }
    std::uint32_t Conexoes(RASCONNA*, std::uint32_t, std::uint32_t*) override {
        return ERROR_RASMAN_CANNOT_INITIALIZE;
    }
    std::uint32_t Desliga(HRASCONN) override { return ERROR_RASMAN_CANNOT_INITIALIZE; }
    std::uint32_t Entradas(RASENTRYNAMEA*, std::uint32_t, std::uint32_t*) override {
        return ERROR_RASMAN_CANNOT_INITIALIZE;
    }
};

ServicoDiscagem& Servico() { return Backend<ServicoDiscagem>::Atual(); }

// The shared shape of both listings: check the buffer, let the service fill it, then either publish
// the records or refuse them all when they did not fit.
template <typename Registro, typename Preenche>
std::uint32_t Lista(Registro* registros, std::uint32_t* bytes, std::uint32_t* quantas, Preenche preenche) {
    if (!bytes || !quantas)
        return ERROR_INVALID_PARAMETER_RAS;
    if (registros && registros->dwSize != sizeof(Registro))
        return ERROR_INVALID_SIZE;
    const std::uint32_t capacidade = registros ? *bytes / sizeof(Registro) : 0;
    std::uint32_t total = 0;
    const std::uint32_t codigo = preenche(registros, capacidade, &total);
    if (codigo != 0) {
        *quantas = 0;
        return codigo;
    }
    *bytes = total * sizeof(Registro);
    if (total > capacidade) {
        *quantas = 0;
        return ERROR_BUFFER_TOO_SMALL;
    }
    for (std::uint32_t i = 0; i < total; ++i)
        registros[i].dwSize = sizeof(Registro);
    *quantas = total;
    return 0;
}

} // namespace

std::uint32_t RasDialA(const void*, const char*, const RASDIALPARAMSA* parametros, std::uint32_t, const void*,
                       HRASCONN* conexao) {
    if (!parametros || !conexao)
        return ERROR_INVALID_PARAMETER_RAS;
    if (parametros->dwSize != sizeof(RASDIALPARAMSA))
        return ERROR_INVALID_SIZE;
    // The record's texts may lack their NUL; the service reads them only through a terminated copy.
    RASDIALPARAMSA copia = *parametros;
    copia.szEntryName[RAS_MaxEntryName] = '\0';
    copia.szPhoneNumber[RAS_MaxPhoneNumber] = '\0';
    copia.szCallbackNumber[RAS_MaxCallbackNumber] = '\0';
    copia.szUserName[UNLEN] = '\0';
    copia.szPassword[PWLEN] = '\0';
    copia.szDomain[DNLEN] = '\0';
    *conexao = 0;
    return Servico().Disca(copia, conexao);
}

std::uint32_t RasGetConnectStatusA(HRASCONN conexao, RASCONNSTATUSA* estado) {
    if (!estado)
        return ERROR_INVALID_PARAMETER_RAS;
    if (estado->dwSize != sizeof(RASCONNSTATUSA))
        return ERROR_INVALID_SIZE;
    return Servico().Estado(conexao, estado);
}

std::uint32_t RasEnumConnectionsA(RASCONNA* conexoes, std::uint32_t* bytes, std::uint32_t* quantas) {
    return Lista(conexoes, bytes, quantas, [](RASCONNA* r, std::uint32_t capacidade, std::uint32_t* total) {
        return Servico().Conexoes(r, capacidade, total);
    });
}

std::uint32_t RasHangUpA(HRASCONN conexao) { return Servico().Desliga(conexao); }

std::uint32_t RasEnumEntriesA(const char* reservado, const char*, RASENTRYNAMEA* entradas,
                              std::uint32_t* bytes, std::uint32_t* quantas) {
    if (reservado)
        return ERROR_INVALID_PARAMETER_RAS;
    return Lista(entradas, bytes, quantas,
                 [](RASENTRYNAMEA* r, std::uint32_t capacidade, std::uint32_t* total) {
                     return Servico().Entradas(r, capacidade, total);
                 });
}

template <> std::shared_ptr<ServicoDiscagem> BackendPadrao<ServicoDiscagem>() {
    return std::make_shared<ServicoAusente>();
}

} // namespace plataforma
