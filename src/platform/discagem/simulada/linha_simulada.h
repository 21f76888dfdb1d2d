// The simulated line: the dial-up service `main` chooses unless told otherwise, so that the program does its
// whole job on a machine without a modem. One modem, a phonebook file, and a state file that every process of
// the user shares; each state is worked out from the stored times when asked, with no thread or timer.
#pragma once

#include "platform/discagem/ras.h"
#include "platform/discagem/simulada/arquivo_linha.h"

#include <string>

namespace plataforma {

class LinhaSimulada final : public ServicoDiscagem {
public:
    // `catalogo`: the phonebook (created with its default entry when missing); `estado`: the state
    // file, whose folder must exist.
    LinhaSimulada(std::string catalogo, const std::string& estado);

    std::uint32_t Disca(const RASDIALPARAMSA& parametros, HRASCONN* conexao) override;
    std::uint32_t Estado(HRASCONN conexao, RASCONNSTATUSA* estado) override;
    std::uint32_t Conexoes(RASCONNA* conexoes, std::uint32_t capacidade, std::uint32_t* quantas) override;
    std::uint32_t Desliga(HRASCONN conexao) override;
    std::uint32_t Entradas(RASENTRYNAMEA* entradas, std::uint32_t capacidade,
                           std::uint32_t* quantas) override;

    // Drops the line as a lost carrier would: it reads as disconnected until hung up. False when
    // there is no connection to drop.
    bool Derruba();

private:
    EstadoLinha EstadoAtual();

    std::string catalogo_;
    ArquivoLinha arquivo_;
};

// The simulated line of the user's folders: <per-user folder>/catalogo.ini and
// <runtime folder>/linha-simulada. Built again when the variables naming those folders change, so
// that each test case, with folders of its own, gets a line of its own.
LinhaSimulada& LinhaSimuladaDoUsuario();

// The dial-up service that follows LinhaSimuladaDoUsuario, as `main` and the tests choose it.
std::shared_ptr<ServicoDiscagem> ServicoLinhaSimulada();

} // namespace plataforma
