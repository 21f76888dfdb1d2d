#include "app/sons.h"

#include "platform/som/qt/som.h"

namespace quelza {

void TocaSom(const std::string& caminho) {
    const std::string nome = caminho + '\0';
    plataforma::PlaySoundA(nome.c_str(), nullptr,
                           plataforma::SND_FILENAME | plataforma::SND_NODEFAULT | plataforma::SND_ASYNC);
}

bool TemDispositivoSom() { return plataforma::waveOutGetNumDevs() >= 1; }

} // namespace quelza
