// A dial-up service for tests: the connections, their states and every result code are set by the
// test, and every dial record and hang-up it receives is kept for the test to read.
#pragma once

#include "platform/discagem/ras.h"

#include <string>
#include <vector>

class ServicoDiscagemRoteirizado : public plataforma::ServicoDiscagem {
public:
    struct Conexao {
        plataforma::HRASCONN handle = 0;
        std::string entrada; // UTF-8
        plataforma::RASCONNSTATE estado = plataforma::RASCS_OpenPort;
    };

    std::uint32_t Disca(const plataforma::RASDIALPARAMSA& parametros, plataforma::HRASCONN* conexao) override;
    std::uint32_t Estado(plataforma::HRASCONN conexao, plataforma::RASCONNSTATUSA* estado) override;
    std::uint32_t Conexoes(plataforma::RASCONNA* conexoes, std::uint32_t capacidade,
                           std::uint32_t* quantas) override;
    std::uint32_t Desliga(plataforma::HRASCONN conexao) override;
    std::uint32_t Entradas(plataforma::RASENTRYNAMEA* entradas, std::uint32_t capacidade,
                           std::uint32_t* quantas) override;

    // Listed in this order; the status query answers 6 for a handle not among them, 0 for the others.
    std::vector<Conexao> conexoes;
    // Phonebook names, UTF-8, in the order the listing reports them.
    std::vector<std::string> entradas;

    // A dial returns codigoDiscagem and handleDiscagem.
    std::uint32_t codigoDiscagem = 0;
    plataforma::HRASCONN handleDiscagem = 0;
    // Non-zero: the connection listing fails with this code.
    std::uint32_t codigoListagem = 0;

    std::vector<plataforma::RASDIALPARAMSA> discagens;
    std::vector<plataforma::HRASCONN> desligamentos;
};
