// The dial-up service on NetworkManager over the system bus. Entries are the dial-up profiles; a dial
// activates one (or a one-activation copy carrying the dial's user name), its password reaching
// NetworkManager through the program's secret agent. The status query and the listings answer from
// the cache of NetworkManager's profiles and connections (CacheNm). Connections started by other
// tools are listed too and can be hung up. A failed attempt delays the next one (EsperaRediscagem).
#pragma once

#include "platform/discagem/networkmanager/agente_segredos.h"
#include "platform/discagem/networkmanager/barramento_nm.h"
#include "platform/discagem/networkmanager/cache_nm.h"
#include "platform/discagem/networkmanager/espera_rediscagem.h"
#include "platform/discagem/ras.h"

#include <QDBusConnection>

#include <optional>
#include <string>

namespace plataforma::nm {

class DiscagemNetworkManager final : public ServicoDiscagem, private ObservadorLigacoes {
public:
    static constexpr int PrazoPadraoMs = 2000;

    // `prazoMs`: how long any call to NetworkManager may go unanswered.
    explicit DiscagemNetworkManager(QDBusConnection barramento, int prazoMs = PrazoPadraoMs);
    ~DiscagemNetworkManager() override;

    std::uint32_t Disca(const RASDIALPARAMSA& parametros, HRASCONN* conexao) override;
    std::uint32_t Estado(HRASCONN conexao, RASCONNSTATUSA* estado) override;
    std::uint32_t Conexoes(RASCONNA* conexoes, std::uint32_t capacidade, std::uint32_t* quantas) override;
    std::uint32_t Desliga(HRASCONN conexao) override;
    std::uint32_t Entradas(RASENTRYNAMEA* entradas, std::uint32_t capacidade,
                           std::uint32_t* quantas) override;

    // True once NetworkManager has answered and its profiles are known.
    bool Pronto() const { return cache_.Pronto(); }

private:
    // The dial under way, from the call until its line comes up or ends.
    struct Discagem {
        HRASCONN conexao = 0;
        QString perfil;
        QString uuid;
        QString tipo;
        std::string usuario;
        bool copia = false; // dialled through a one-activation copy of the profile
        std::string senha;
        std::size_t credenciais = 0;
        bool pedida = false;
        bool cancelada = false;
        bool recusada = false; // NetworkManager asked again: the password was wrong
    };

    void Surgiu(const QString& dono) override;
    void Conectou(const LigacaoNm& ligacao) override;
    std::uint32_t Encerrou(const LigacaoNm& ligacao, std::uint32_t codigo) override;

    bool DaDiscagem(HRASCONN conexao) const { return discagem_ && discagem_->conexao == conexao; }
    void Avanca();
    void Ativa();
    void AtivaCopia(Configuracao configuracao);
    void EnviaAtivacao(const QDBusMessage& ativa, HRASCONN conexao, int argumento);
    void Ativou(const QString& caminhoAtiva);
    void FalhaAtivacao(std::uint32_t codigo);
    void TerminaDiscagem();

    BarramentoNm barramento_;
    AgenteSegredos agente_;
    bool agenteExportado_ = false;
    CacheNm cache_;
    std::optional<Discagem> discagem_;
    EsperaRediscagem espera_;
};

} // namespace plataforma::nm
