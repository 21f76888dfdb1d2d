// The ground of the simulated line's tests: the folders of PastasTeste, a clock that moves only when
// told, the default dial-up service, and short ways to make the five calls.
#pragma once

#include "pastas_teste.h"

#include "platform/ras.h"
#include "platform/relogio.h"

#include <chrono>
#include <memory>
#include <string>

class RelogioParado : public plataforma::Relogio {
public:
    plataforma::Instante Agora() const override { return agora; }
    plataforma::Instante agora = std::chrono::system_clock::from_time_t(1'700'000'000);
};

class LinhaSimuladaTeste : public PastasTeste {
protected:
    LinhaSimuladaTeste();
    ~LinhaSimuladaTeste() override;

    void Avanca(std::chrono::milliseconds passo) { relogio->agora += passo; }
    static std::string EntradaPadrao() { return "Provedor Simulado"; }
    std::string Catalogo() const { return PastaUsuario() + "/catalogo.ini"; }
    std::string ArquivoEstado() const { return Raiz() + "/run/e-Telvanor/linha-simulada"; }
    // Writes the phonebook from UTF-8 lines, stored as Windows-1252 with CR LF.
    void GravaCatalogo(std::initializer_list<const char*> linhas);

    std::uint32_t Disca(const std::string& entrada, const std::string& usuario = "",
                        const std::string& senha = "", plataforma::HRASCONN* conexao = nullptr);

    struct Estado {
        std::uint32_t codigo;
        plataforma::RASCONNSTATE estado;
        std::uint32_t erro;
    };
    Estado EstadoDe(plataforma::HRASCONN conexao);

    // The first listed connection's handle, 0 when none is listed.
    plataforma::HRASCONN PrimeiraConexao();
    // The phonebook's entries as listed, UTF-8.
    std::vector<std::string> Nomes();

    std::shared_ptr<RelogioParado> relogio = std::make_shared<RelogioParado>();
};
