#include "shape/cria_regiao.h"

#include "platform/arquivos/arquivo_atomico.h"
#include "platform/figuras/qt/figuras.h"
#include "platform/regiao/regiao.h"
#include "shape/arquivo_regiao.h"
#include "shape/varredura_figura.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <optional>

using namespace plataforma;

namespace {

// Removes every run from the region at once: the runs become one region, subtracted in one sweep.
// The result is CombineRgn's: ERROR, or what kind of region is left (NULLREGION for nothing).
int Subtrai(HRGN regiao, const std::vector<RECT>& corridos) {
    const HRGN cortes = ExtCreateRegion(corridos);
    if (cortes == 0)
        return ERROR;
    const int resultado = CombineRgn(regiao, regiao, cortes, RGN_DIFF);
    DeleteObject(cortes);
    return resultado;
}

} // namespace

bool CriaRegiao::CriaRegiãoDeArquivo(const std::string& NomeArquivoRegião) {
    DestroiRegião();
    const LeituraArquivo leitura = LeArquivoInteiro(NomeArquivoRegião);
    if (leitura.estado != EstadoLeitura::Lido)
        return true;
    const auto arquivo = InterpretaArquivoRegiao(leitura.conteudo);
    if (!arquivo)
        return true;

    // One row shorter than the picture scan's base: files made by the region-file maker rely on it.
    // A picture one row high has no row left, not a row above the picture. A region with nothing
    // left in it (one or two rows, one column, every pixel cut away) would hide the window: like an
    // unreadable file, it gives none, and the skin shows whole.
    hRegião = CreateRectRgn(1, 1, arquivo->largura, std::max(arquivo->altura - 1, 1));
    if (hRegião != 0 && Subtrai(hRegião, arquivo->corridos) <= NULLREGION)
        DestroiRegião();
    return true;
}

bool CriaRegiao::CriaRegiãoDeFigura(const Figura& figura, std::uint32_t CorTransp) {
    DestroiRegião();
    const auto varredura = VarreFigura(figura.Handle, CorTransp);
    if (!varredura)
        return false;
    hRegião = CreateRectRgn(1, 1, varredura->largura, varredura->altura);
    // Half an outline is worse than none.
    if (hRegião == 0 || Subtrai(hRegião, varredura->corridos) == ERROR) {
        DestroiRegião();
        return false;
    }
    return true;
}

void CriaRegiao::DestroiRegião() {
    if (hRegião != 0) {
        DeleteObject(hRegião);
        hRegião = 0;
    }
}

bool CriaRegiao::CriaArquivoRegião(const Figura& figura, std::uint32_t CorTransp,
                                   const std::string& NomeArquivo) {
    const auto varredura = VarreFigura(figura.Handle, CorTransp);
    if (!varredura)
        return false;
    std::string texto = std::to_string(varredura->largura) + "," + std::to_string(varredura->altura) + "\r\n";
    texto.reserve(texto.size() + varredura->corridos.size() * 14);
    char registro[48];
    bool primeiro = true;
    for (const RECT& c : varredura->corridos) {
        const int n = std::snprintf(registro, sizeof registro, "%s%d,%d@%d", primeiro ? "" : "|", c.left,
                                    c.right, c.top);
        texto.append(registro, static_cast<std::size_t>(n));
        primeiro = false;
    }
    std::ofstream arquivo(NomeArquivo, std::ios::binary | std::ios::trunc);
    arquivo << texto;
    arquivo.close();
    return !arquivo.fail();
}
