// Where the window starts: its stored place while any part of it is on a screen, the primary
// screen's centre otherwise; and the exit action on a platform that never tells the place.
#include "app/frm_telvanor01.h"
#include "app/posicao_janela.h"
#include "platform/nucleo/escolha_backend.h"
#include "platform/registro/configuracoes_usuario.h"
#include "settings/quelza.h"
#include "support/ambiente.h"
#include "support/telas_roteirizadas.h"

#include <gtest/gtest.h>

namespace {

TEST(PosicaoJanela, LugarGuardadoFicaSeAlgoDaJanelaEstiverEmAlgumaTela) {
    const QSize janela(151, 197);
    const std::vector<QRect> duas = {QRect(0, 0, 1024, 768), QRect(1024, 0, 1920, 1080)};
    const QRect primaria(0, 0, 1024, 740); // less the panel
    const struct {
        const char* caso;
        QPoint guardada;
        QPoint esperada;
    } casos[] = {
        {"dentro da primeira", {100, 200}, {100, 200}},
        {"na segunda tela", {2500, 900}, {2500, 900}},
        {"só um canto na primeira", {-150, -196}, {-150, -196}},
        {"à direita de tudo", {3000, 200}, {436, 271}},
        {"acima de tudo", {100, -197}, {436, 271}},
        {"abaixo da tela menor, ao lado da maior", {100, 800}, {436, 271}},
        {"à esquerda de tudo", {-151, 0}, {436, 271}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        EXPECT_EQ(PosicaoVisivel(QRect(c.guardada, janela), duas, primaria), c.esperada);
    }
    EXPECT_EQ(PosicaoVisivel(QRect(QPoint(5000, 5000), janela), {}, QRect()), QPoint(5000, 5000))
        << "with no screen at all, nothing better is known";
}

class PosicaoNaTela : public AmbienteTeste {
protected:
    PosicaoNaTela() { plataforma::DefineBackend<plataforma::Telas>(telas); }
    ~PosicaoNaTela() override { plataforma::DefineBackend<plataforma::Telas>(nullptr); }

    static void Guarda(const char* x, const char* y) {
        plataforma::SaveSetting("e-Telvanor", "ini", "X", x);
        plataforma::SaveSetting("e-Telvanor", "ini", "Y", y);
        quelza::ReiniciaQuelza();
    }
    static std::string Guardada(const char* chave) {
        return plataforma::GetSetting("e-Telvanor", "ini", chave);
    }

    std::shared_ptr<TelasRoteirizadas> telas = std::make_shared<TelasRoteirizadas>();
};

TEST_F(PosicaoNaTela, LugarForaDeTodasAsTelasComecaNoCentroDaPrimaria) {
    Guarda("31530", "3605");
    frmTelvanor01 janela;
    janela.Form_Load("");
    EXPECT_EQ(janela.pos(), QPoint(324, 201));
    janela.Form_QueryUnload();
}

// Where the platform cannot tell where the window is, whatever Qt believes after a drag is no place:
// the exit action leaves the stored one as it was; elsewhere it keeps the place, offsets added.
TEST_F(PosicaoNaTela, SairSoGuardaOLugarQueAPlataformaConhece) {
    for (const bool conhecida : {true, false}) {
        SCOPED_TRACE(conhecida);
        Guarda("1530", "3605");
        telas->conhecida = conhecida;
        frmTelvanor01 janela;
        janela.Form_Load("");
        janela.Move(31500, 4500);
        janela.Sair();
        EXPECT_EQ(Guardada("X"), conhecida ? "31530" : "1530");
        EXPECT_EQ(Guardada("Y"), conhecida ? "5105" : "3605");
    }
}

} // namespace
