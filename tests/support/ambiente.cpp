#include "support/ambiente.h"

#include "mail/sessoes/sessoes_rede.h"
#include "platform/avisos/qt/aviso_desktop.h"
#include "platform/bandeja/qt/bandeja.h"
#include "platform/discagem/simulada/linha_simulada.h"
#include "platform/instancia/qt/instancia.h"
#include "platform/nucleo/escolha_backend.h"
#include "platform/shell/qt/shell.h"
#include "platform/som/qt/som.h"
#include "settings/quelza.h"

AmbienteTeste::AmbienteTeste() {
    quelza::ReiniciaQuelza();
    plataforma::DefineBackend<plataforma::InterfaceUsuario>(interface);
    plataforma::DefineBackend<plataforma::Eventos>(eventos);
    plataforma::DefineBackend<plataforma::Relogio>(relogio);
    plataforma::DefineBackend<plataforma::Instancia>(instancia);
    plataforma::DefineBackend<plataforma::Bandeja>(bandeja);
    plataforma::DefineBackend<plataforma::Som>(som);
    plataforma::DefineBackend<plataforma::Shell>(shell);
    plataforma::DefineBackend<plataforma::AvisosDesktop>(avisos);
    plataforma::DefineBackend<plataforma::ServicoDiscagem>(linhaSimulada);
    plataforma::DefineBackend<quelza::SessoesEmail>(std::make_shared<quelza::SessoesRede>());
}

AmbienteTeste::~AmbienteTeste() {
    plataforma::DefineBackend<plataforma::InterfaceUsuario>(nullptr);
    plataforma::DefineBackend<plataforma::Eventos>(nullptr);
    plataforma::DefineBackend<plataforma::Relogio>(nullptr);
    plataforma::DefineBackend<plataforma::Instancia>(nullptr);
    plataforma::DefineBackend<plataforma::Bandeja>(nullptr);
    plataforma::DefineBackend<plataforma::Som>(nullptr);
    plataforma::DefineBackend<plataforma::Shell>(nullptr);
    plataforma::DefineBackend<plataforma::AvisosDesktop>(nullptr);
    plataforma::DefineAcaoAviso(nullptr);
    plataforma::DefineBackend<plataforma::ServicoDiscagem>(nullptr);
    plataforma::DefineBackend<quelza::SessoesEmail>(nullptr);
    quelza::ReiniciaQuelza();
}
