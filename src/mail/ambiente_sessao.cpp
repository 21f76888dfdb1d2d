#include "mail/ambiente_sessao.h"

#include "platform/interface/qt/eventos.h"
#include "settings/quelza.h"

namespace quelza {
namespace {

class AmbienteQuelza final : public AmbienteSessao {
public:
    JanelaEmail* Janela() override { return plataforma::JanelaRegistrada<JanelaEmail>::Atual(); }
    std::int16_t& TotalDeMensagens() override { return quelza::TotalDeMensagens; }
    double TempoDeEspera() override { return quelza::TempoDeEspera; }
    plataforma::Instante Agora() override { return plataforma::Agora(); }
    plataforma::InstanteMonotono AgoraMonotono() override { return plataforma::AgoraMonotono(); }
    void DoEvents() override { plataforma::DoEvents(); }
};

} // namespace

AmbienteSessao& AmbienteDoPrograma() {
    static AmbienteQuelza ambiente;
    return ambiente;
}

} // namespace quelza
