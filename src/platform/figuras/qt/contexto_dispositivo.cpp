#include "platform/figuras/qt/contexto_dispositivo.h"

#include <QImage>

#include <algorithm>
#include <cstring>
#include <unordered_map>

namespace plataforma {

namespace {

// Stock objects live in their own range, away from picture handles.
constexpr HBITMAP BitmapPadrao = 0x0F000001;
constexpr HDC PrimeiroContexto = 0x0E000001;

struct Contexto {
    HGDIOBJ selecionado = BitmapPadrao;
    const QImage* imagem = nullptr;
};

// Every picture is kept in a 32-bit format so that a pixel read is one array access.
std::unordered_map<HBITMAP, QImage>& bitmaps() {
    static std::unordered_map<HBITMAP, QImage> b = [] {
        std::unordered_map<HBITMAP, QImage> inicial;
        QImage padrao(1, 1, QImage::Format_RGB32);
        padrao.fill(Qt::black);
        inicial.emplace(BitmapPadrao, padrao);
        return inicial;
    }();
    return b;
}

std::unordered_map<HDC, Contexto>& contextos() {
    static std::unordered_map<HDC, Contexto> c;
    return c;
}

const QImage* Imagem(HBITMAP h) {
    auto& b = bitmaps();
    const auto it = b.find(h);
    return it == b.end() ? nullptr : &it->second;
}

// The pixel as a plain colour: a picture stored premultiplied keeps only the colour its alpha lets
// show, so a fully transparent pixel reads as black.
QRgb CorSimples(const QImage& imagem, QRgb pixel) {
    return imagem.format() == QImage::Format_ARGB32_Premultiplied ? qUnpremultiply(pixel) : pixel;
}

} // namespace

void RegistraBitmap(HBITMAP bitmap, const QImage& imagem) {
    // The 32-bit formats are kept as they are, sharing the caller's pixels; a read gives plain colours.
    const bool direto = imagem.format() == QImage::Format_RGB32 || imagem.format() == QImage::Format_ARGB32 ||
                        imagem.format() == QImage::Format_ARGB32_Premultiplied;
    bitmaps()[bitmap] = direto ? imagem : imagem.convertToFormat(QImage::Format_RGB32);
}

HDC CreateCompatibleDC(HDC) {
    static HDC proximo = PrimeiroContexto;
    const HDC h = proximo++;
    contextos()[h] = Contexto{BitmapPadrao, Imagem(BitmapPadrao)};
    return h;
}

HGDIOBJ SelectObject(HDC contexto, HGDIOBJ objeto) {
    auto& c = contextos();
    const auto it = c.find(contexto);
    const QImage* imagem = Imagem(objeto);
    if (it == c.end() || imagem == nullptr)
        return 0;
    const HGDIOBJ anterior = it->second.selecionado;
    it->second = Contexto{objeto, imagem};
    return anterior;
}

int GetObjectA(HGDIOBJ objeto, int tamanho, void* destino) {
    const QImage* imagem = Imagem(objeto);
    if (imagem == nullptr)
        return 0;
    if (destino == nullptr)
        return sizeof(BITMAP);
    if (tamanho < static_cast<int>(sizeof(BITMAP)))
        return 0;
    const BITMAP bm{0, imagem->width(), imagem->height(), imagem->width() * 4, 1, 32, 0};
    std::memcpy(destino, &bm, sizeof bm);
    return sizeof bm;
}

COLORREF GetPixel(HDC contexto, int x, int y) {
    const auto& c = contextos();
    const auto it = c.find(contexto);
    if (it == c.end())
        return CLR_INVALID;
    const QImage& imagem = *it->second.imagem;
    if (x < 0 || y < 0 || x >= imagem.width() || y >= imagem.height())
        return CLR_INVALID;
    const QRgb p = CorSimples(imagem, reinterpret_cast<const QRgb*>(imagem.constScanLine(y))[x]);
    return static_cast<COLORREF>(qBlue(p)) << 16 | static_cast<COLORREF>(qGreen(p)) << 8 |
           static_cast<COLORREF>(qRed(p));
}

int GetDIBits(HDC contexto, HBITMAP bitmap, int inicio, int linhas, std::uint32_t* bits) {
    const QImage* imagem = Imagem(bitmap);
    if (contextos().count(contexto) == 0 || imagem == nullptr || inicio < 0)
        return 0;
    const int fim = std::min(imagem->height(), inicio + std::max(linhas, 0));
    const auto largura = static_cast<std::size_t>(imagem->width());
    for (int y = inicio; y < fim; ++y, bits += largura) {
        const auto* linha = reinterpret_cast<const QRgb*>(imagem->constScanLine(y));
        std::transform(linha, linha + largura, bits, [imagem](QRgb p) { return CorSimples(*imagem, p); });
    }
    return std::max(fim - inicio, 0);
}

int DeleteDC(HDC contexto) { return contextos().erase(contexto) > 0 ? 1 : 0; }

} // namespace plataforma
