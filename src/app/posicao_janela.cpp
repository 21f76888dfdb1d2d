#include "app/posicao_janela.h"

#include <algorithm>

QPoint PosicaoVisivel(const QRect& janela, const std::vector<QRect>& telas, const QRect& primaria) {
    const bool visivel =
        std::any_of(telas.begin(), telas.end(), [&](const QRect& tela) { return tela.intersects(janela); });
    // Without any screen there is nothing better to offer than the stored place.
    if (visivel || primaria.isEmpty())
        return janela.topLeft();
    QRect centrada = janela;
    centrada.moveCenter(primaria.center());
    return centrada.topLeft();
}
