#include "platform/figuras/qt/figuras.h"

#include <unordered_map>

namespace plataforma {
namespace {

// Never destroyed: a pixmap must not outlive the application object, and a static table would.
std::unordered_map<std::uint32_t, QPixmap>& Tabela() {
    static auto* tabela = new std::unordered_map<std::uint32_t, QPixmap>;
    return *tabela;
}

} // namespace

std::uint32_t RegistraFigura(const QPixmap& pixmap) {
    static std::uint32_t proximo = 0x1000;
    Tabela().emplace(proximo, pixmap);
    return proximo++;
}

QPixmap FiguraDoHandle(std::uint32_t handle) {
    const auto figura = Tabela().find(handle);
    return figura == Tabela().end() ? QPixmap() : figura->second;
}

} // namespace plataforma

Figura Figura::Nova(const QPixmap& pixmap) { return Figura{plataforma::RegistraFigura(pixmap), pixmap}; }
