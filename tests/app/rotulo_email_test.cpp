// The mail label on the skin: every text the mail check can write shows whole inside the label's
// space, at the label's own font and at the screen's scaling (the suite runs again at 1.25); only a
// text too long for anything is elided, and its tooltip then holds it whole.
#include "app/frm_telvanor01.h"
#include "mail/dialogo_pop3.h"
#include "mail/janela_email.h"
#include "support/ambiente.h"

#include <QFontMetricsF>
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace quelza;

// Every label of a check: the step texts, each failure with its time, and the totals and run-time
// errors with every two-digit count (and 0 and 1).
std::vector<std::string> TextosDoRotulo() {
    const std::string hora = "22:58";
    std::vector<std::string> textos;
    for (const PassoPop3& passo : PassosPop3("", "")) {
        if (passo.Rotulo)
            textos.emplace_back(passo.Rotulo);
        textos.push_back(passo.Falha + hora);
    }
    for (std::int16_t total : {0, 1})
        textos.push_back(TextoTotal(total, hora));
    textos.push_back(TextoErroExecucao(0, hora));
    for (std::int16_t total = 10; total <= 99; ++total) {
        textos.push_back(TextoTotal(total, hora));
        textos.push_back(TextoErroExecucao(total, hora));
    }
    return textos;
}

// The columns and rows where the label painted its dark text.
QRect Tinta(const QImage& imagem) {
    QRect tinta;
    for (int y = 0; y < imagem.height(); ++y)
        for (int x = 0; x < imagem.width(); ++x)
            if (const QColor c = imagem.pixelColor(x, y); c.alpha() > 128 && c.lightness() < 110)
                tinta |= QRect(x, y, 1, 1);
    return tinta;
}

class RotuloEmail : public AmbienteTeste {
protected:
    void Mostra(const std::string& texto) {
        plataforma::JanelaRegistrada<quelza::JanelaEmail>::Atual()->DefineRótuloEmail(texto);
    }

    frmTelvanor01 janela;
};

TEST_F(RotuloEmail, CadaTextoCabeInteiroNoEspaco) {
    const RotuloAjustado& rotulo = *janela.lblContaEmail;
    const QSizeF espaco = rotulo.contentsRect().size();
    for (const std::string& texto : TextosDoRotulo()) {
        SCOPED_TRACE(texto);
        const QString inteiro = QString::fromStdString(texto);
        const AjusteTexto ajuste = AjustaTexto(rotulo.font(), espaco, inteiro, RotuloAjustado::TamanhoMinimo);
        EXPECT_FALSE(ajuste.Elidido);
        EXPECT_EQ(ajuste.Linhas.join(u' '), inteiro.trimmed());
        EXPECT_GE(ajuste.TamanhoPixel, RotuloAjustado::TamanhoMinimo);
        EXPECT_LE(ajuste.TamanhoPixel, rotulo.font().pixelSize());
        const QFontMetricsF m(FonteDoAjuste(rotulo.font(), ajuste));
        EXPECT_LE(m.height() + (ajuste.Linhas.size() - 1) * m.lineSpacing(), espaco.height());
        for (const QString& linha : ajuste.Linhas)
            EXPECT_LE(m.horizontalAdvance(linha), espaco.width()) << linha.toStdString();
    }
}

// What reaches the screen: the painted text stops short of the label's right edge, where a cut one
// runs into it.
TEST_F(RotuloEmail, PintadoSemCorte) {
    janela.show();
    for (const std::string& texto : TextosDoRotulo()) {
        SCOPED_TRACE(texto);
        Mostra(texto);
        const QImage imagem = janela.lblContaEmail->grab().toImage().scaled(janela.lblContaEmail->size());
        const QRect tinta = Tinta(imagem);
        ASSERT_FALSE(tinta.isEmpty());
        EXPECT_LT(tinta.right(), imagem.width() - 1);
        EXPECT_EQ(janela.lblContaEmail->toolTip(), "") << "a whole text needs no tooltip of its own";
    }
}

// A text too long even on two lines at the smallest size is elided on screen; the tooltip opens with
// it whole, before each account's outcome.
TEST_F(RotuloEmail, TextoLongoDemaisEElididoComOTextoNaDica) {
    const std::string longo = "Erro. Sem Resposta do Servidor. Erro. Sem Resposta do Servidor. 22:58";
    plataforma::JanelaRegistrada<quelza::JanelaEmail>::Atual()->DefineDicaEmail("Casa: 3 mensagens");
    Mostra(longo);
    const AjusteTexto ajuste = janela.lblContaEmail->Ajuste();
    EXPECT_TRUE(ajuste.Elidido);
    ASSERT_EQ(ajuste.Linhas.size(), 1);
    EXPECT_TRUE(ajuste.Linhas[0].endsWith(QChar(0x2026))) << ajuste.Linhas[0].toStdString();
    EXPECT_EQ(ajuste.TamanhoPixel, RotuloAjustado::TamanhoMinimo);
    EXPECT_EQ(janela.lblContaEmail->toolTip().toStdString(), longo + "\nCasa: 3 mensagens");

    Mostra("3 mensagens às 22:58");
    EXPECT_EQ(janela.lblContaEmail->toolTip().toStdString(), "Casa: 3 mensagens");
}

} // namespace
