// A NetworkManager profile as the dial-up service uses it: what its settings say of its name, kind and
// credentials.
#pragma once

#include "platform/discagem/networkmanager/tipos_nm.h"

#include <QString>

#include <string>

namespace plataforma::nm {

struct PerfilNm {
    QString caminho;
    bool carregado = false;
    bool discavel = false;
    std::string nome; // Windows-1252, as the records carry it
    QString tipo;
    QString uuid;
    QString usuario;
    bool senhaGuardada = false;
};

// The setting of a profile that holds the user name and password of its line.
QString SecaoCredenciais(const QString& tipo, const Configuracao& configuracao);

// Fills `perfil` from its settings.
void PreenchePerfil(PerfilNm& perfil, const Configuracao& configuracao);

} // namespace plataforma::nm
