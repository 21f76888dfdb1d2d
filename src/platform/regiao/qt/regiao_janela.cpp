#include "platform/regiao/qt/regiao_janela.h"

#include "platform/interface/qt/telas.h"
#include "platform/regiao/regiao.h"

#include <QObject>
#include <QRegion>
#include <QWidget>

#include <map>
#include <vector>

namespace plataforma {

namespace {

std::map<const QWidget*, HRGN>& donas() {
    static std::map<const QWidget*, HRGN> d;
    return d;
}

QRegion Mascara(const std::vector<RECT>& retangulos) {
    // An empty mask would mean "no mask" to Qt; an empty region must hide the window instead.
    if (retangulos.empty())
        return QRegion(-1, -1, 1, 1);
    std::vector<QRect> q;
    q.reserve(retangulos.size());
    for (const RECT& r : retangulos)
        q.emplace_back(r.left, r.top, r.right - r.left, r.bottom - r.top);
    QRegion mascara;
    mascara.setRects(q.data(), static_cast<int>(q.size()));
    return mascara;
}

// A Wayland compositor takes a window's mask for where it accepts input only: what it shows is what
// the window paints. The window is translucent, so clipping its controls' painting to the region
// leaves everything outside it transparent, as the outline is on X11. An empty region clears it.
void RecortaPintura(QWidget& janela, const QRegion& mascara) {
    for (QWidget* controle : janela.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (mascara.isEmpty())
            controle->clearMask();
        else
            controle->setMask(mascara.translated(-controle->pos()));
    }
}

} // namespace

int SetWindowRgn(QWidget& janela, std::uint32_t regiao, bool redesenha) {
    std::vector<RECT> retangulos;
    if (regiao != 0 && !RetangulosDaRegiao(regiao, retangulos))
        return 0;
    auto& d = donas();
    const auto it = d.find(&janela);
    if (it != d.end()) {
        if (it->second != regiao)
            DeleteObject(it->second);
        it->second = regiao;
    } else {
        d.emplace(&janela, regiao);
        QObject::connect(&janela, &QObject::destroyed, [ponteiro = &janela] {
            auto& todas = donas();
            const auto dona = todas.find(ponteiro);
            if (dona != todas.end()) {
                DeleteObject(dona->second);
                todas.erase(dona);
            }
        });
    }
    if (regiao == 0)
        janela.clearMask();
    else
        janela.setMask(Mascara(retangulos));
    if (SessaoWayland())
        RecortaPintura(janela, regiao == 0 ? QRegion() : Mascara(retangulos));
    if (redesenha)
        janela.update();
    return 1;
}

std::uint32_t RegiaoDaJanela(const QWidget& janela) {
    const auto& d = donas();
    const auto it = d.find(&janela);
    return it == d.end() ? 0 : it->second;
}

} // namespace plataforma
