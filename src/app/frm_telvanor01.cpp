#include "app/frm_telvanor01.h"

#include "app/posicao_janela.h"
#include "app/sons.h"
#include "dialup/discagem.h"
#include "mail/janela_email.h"
#include "mail/verificacao_contas.h"
#include "platform/ajuda/qt/ajuda.h"
#include "platform/arquivos/pastas.h"
#include "platform/instancia/qt/instancia.h"
#include "platform/interface/qt/eventos.h"
#include "platform/interface/qt/mensagens.h"
#include "platform/interface/qt/telas.h"
#include "platform/nucleo/relogio.h"
#include "platform/regiao/qt/regiao_janela.h"
#include "settings/configuracao.h"
#include "settings/diretorio_windows.h"
#include "settings/formas_texto.h"
#include "settings/quelza.h"
#include "settings/tabela_configuracoes.h"
#include "shape/cria_regiao.h"

#include <QCloseEvent>
#include <QKeyEvent>

#include <cmath>
#include <cstdio>

namespace {

void PosicionaTwips(QWidget* controle, int esquerda, int topo, int largura, int altura) {
    controle->setGeometry(esquerda / TwipsPorPixel, topo / TwipsPorPixel, largura / TwipsPorPixel,
                          altura / TwipsPorPixel);
}

template <typename Rotulo = QLabel>
Rotulo* NovoRotulo(QWidget* pai, const char* texto, int esquerda, int topo, int largura, int altura,
                   Qt::Alignment alinhamento = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* rotulo = new Rotulo(QString::fromUtf8(texto), pai);
    PosicionaTwips(rotulo, esquerda, topo, largura, altura);
    rotulo->setAlignment(alinhamento);
    rotulo->setAttribute(Qt::WA_TransparentForMouseEvents);
    return rotulo;
}

// The image buttons: element, tooltip, left, top, width and height in twips.
struct Botao {
    int elemento;
    const char* dica;
    int esquerda, topo, largura, altura;
};

constexpr Botao Botoes[] = {
    {1, "Menu", 390, 450, 285, 75},
    {3, "Na Bandeja", 1470, 450, 270, 150},
    {5, "Fechar", 1740, 480, 270, 270},
    {7, "Conectar", 240, 2130, 585, 315},
    {9, "Desconectar", 1470, 2130, 525, 315},
    {11, "Configurações", 825, 2535, 585, 255},
    {15, "Sobre o e-Telvanor", 1410, 2415, 525, 345},
    {21, "Verificar Email", 300, 2415, 510, 345},
    {25, "Ajuda", 2010, 690, 90, 150},
    {51, "Rediscar Automático", 810, 2130, 600, 345},
    {100, "Status da Conexão", 1800, 900, 240, 240},
    {200, "Iniciar o Outlook Express", 1545, 900, 240, 240},
};

} // namespace

frmTelvanor01::frmTelvanor01()
    : Timer1(100, true, [this] { Timer1_Timer(); }), Timer2(500, true, [this] { Timer2_Timer(); }),
      Timer3(300, false, [this] { Timer3_Timer(); }), tmrEmail(60000, false, [this] { tmrEmail_Timer(); }) {
    plataforma::JanelaRegistrada<frmTelvanor01>::Registra(this);
    plataforma::JanelaRegistrada<quelza::JanelaDiscagem>::Registra(this);
    plataforma::JanelaRegistrada<quelza::JanelaConfiguracoes>::Registra(this);
    setWindowFlags(Qt::FramelessWindowHint | Qt::Window);
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(2265 / TwipsPorPixel, 2955 / TwipsPorPixel);
    setWindowTitle(QString::fromUtf8(quelza::TituloAplicacao));
    setFocusPolicy(Qt::StrongFocus);
    CriaControles();
    CriaMenu();
    CarregaFiguras();
    LigaEventos();
    RegistraJanelaEmail();
}

frmTelvanor01::~frmTelvanor01() {
    plataforma::JanelaRegistrada<quelza::JanelaEmail>::Esquece(janelaEmail_.get());
    plataforma::JanelaRegistrada<frmTelvanor01>::Esquece(this);
    plataforma::JanelaRegistrada<quelza::JanelaDiscagem>::Esquece(this);
    plataforma::JanelaRegistrada<quelza::JanelaConfiguracoes>::Esquece(this);
}

void frmTelvanor01::CriaControles() {
    Image1 = new Imagem(this);
    Image1->Posiciona(0, 0, 2265, 2955);

    Label1 = NovoRotulo(this, "Acesso", 210, 1200, 540, 165);
    Label2 = NovoRotulo(this, "Usuário", 210, 1395, 540, 165);
    Label3 = NovoRotulo(this, "Senha", 210, 1590, 540, 165);
    lblAcesso = NovoRotulo(this, "", 765, 1200, 1305, 165);
    lblUsuário = NovoRotulo(this, "", 765, 1395, 1305, 165);
    lblSenha = NovoRotulo(this, "", 765, 1590, 1305, 165);
    lblStatus = NovoRotulo(this, "", 210, 1815, 1860, 180, Qt::AlignCenter);
    // The mail label has the row of the skin's panel left of the indicators, a pixel in from its edges:
    // room for two lines of a smaller size.
    lblContaEmail = NovoRotulo<RotuloAjustado>(this, "", 210, 870, 1305, 285);
    lblCodStatus = NovoRotulo(this, "Código do Status", 2400, 0, 1200, 180);
    lblCodStatus->hide();

    for (const Botao& b : Botoes) {
        auto* imagem = new Imagem(this, b.elemento);
        imagem->Posiciona(b.esquerda, b.topo, b.largura, b.altura);
        imagem->setToolTip(QString::fromUtf8(b.dica));
        img[b.elemento] = imagem;
    }
}

void frmTelvanor01::CriaMenu() {
    auto item = [this](const char* titulo) { return new QAction(QString::fromUtf8(titulo), this); };
    auto separador = [this] {
        auto* linha = new QAction(this);
        linha->setSeparator(true);
        return linha;
    };
    itmRestaurar = item("Restaurar");
    itmAjuda = item("Ajuda");
    itmConectar = item("Conectar");
    itmDesconectar = item("Desconectar");
    itmRediscar = item("Rediscar");
    itmRediscar->setCheckable(true);
    itmConfigurar = item("Configurar");
    itmVerificar = item("Verificar E-mail Agora");
    itmt1 = separador();
    itmAgendar = item("Agendar");
    itmConfigConexão = item("Configurar Conexão");
    itmConfEmail = item("Configurar E-mail");
    traço = separador();
    itmEmail = item("E-mail do Desenvolvedor");
    quero = item("Home Page do Desenvolvedor");
    t = separador();
    itmCadasteme = item("Cadastre-me na Quelza");
    itmQueroDemo = item("Quero Demo para meu Provedor");
    itmt2 = separador();
    itmSair = item("Fechar");
}

QMenu& frmTelvanor01::MenuBandeja() {
    if (!mnuBandeja_) {
        mnuBandeja_ = std::make_unique<QMenu>();
        mnuBandeja_->setTitle(QStringLiteral("Na Bandeja"));
        mnuBandeja_->addActions({itmRestaurar, itmAjuda, itmConectar, itmDesconectar, itmRediscar,
                                 itmConfigurar, itmVerificar, itmt1, itmAgendar, itmConfigConexão,
                                 itmConfEmail, traço, itmEmail, quero, t, itmCadasteme, itmQueroDemo, itmt2,
                                 itmSair});
    }
    return *mnuBandeja_;
}

void frmTelvanor01::AbreMenuBandeja(const QPoint& onde) {
    MenuBandeja().setDefaultAction(itmRestaurar);
    MenuBandeja().popup(onde);
}

int frmTelvanor01::Left() const { return x() * TwipsPorPixel; }
int frmTelvanor01::Top() const { return y() * TwipsPorPixel; }
void frmTelvanor01::Move(int esquerda, int topo) { move(esquerda / TwipsPorPixel, topo / TwipsPorPixel); }

void frmTelvanor01::Form_Load(const std::string& linhaDeComando) {
    using namespace quelza;

    RegiãoJanela = std::make_unique<CriaRegiao>();
    RegiãoJanela->CriaRegiãoDeArquivo(plataforma::PastaPrograma() + "/telvanor.rgn");
    plataforma::SetWindowRgn(*this, RegiãoJanela->Handle(), true);

    // The lock and the socket of the single instance live in the runtime folder: a folder another
    // user could reach is not one to trust them to, and a start without them must not claim that
    // another copy runs.
    if (const auto falha = plataforma::PreparaPastaExecucao(); falha != plataforma::FalhaPasta::Nenhuma) {
        plataforma::MsgBox("Não é possível usar a pasta " + plataforma::PastaExecucao() + ": ela " +
                               plataforma::DescreveFalhaPasta(falha) + ".",
                           plataforma::vbOKOnly | plataforma::vbCritical);
        plataforma::EncerraProcesso();
        return;
    }
    if (plataforma::PrevInstance()) {
        plataforma::MsgBox(std::string("e-Telvanor já iniciado! ") + '\r' +
                           "Vefique em sua área de trabalho ou" + '\r' +
                           "na bandeja da sua barra de tarefas.");
        plataforma::AppActivate(TituloAplicacao);
        plataforma::EncerraProcesso();
        return;
    }
    plataforma::DefineAoAtivar([this] { TrazParaFrente(); });

    plataforma::DoEvents();
    MigraVersãoAnterior();
    MostraRediscar(false);
    CarregaConfiguração();
    ListaEntradasDialUp();
    CarregaAcesso();

    DefineCaption(lblAcesso, AcessoDialUp);
    DefineCaption(lblUsuário, UsuárioAcesso);
    DefineCaption(lblSenha, std::string(QString::fromStdString(SenhaAcesso).size(), '*'));

    const plataforma::Telas& telas = plataforma::Backend<plataforma::Telas>::Atual();
    const QPoint posicao =
        PosicaoVisivel(QRect(QPoint(PosiçãoX / TwipsPorPixel, PosiçãoY / TwipsPorPixel), size()),
                       telas.Geometrias(), telas.Primaria());
    move(posicao);
    show();

    std::string sistema = "WinSys";
    DiretórioSistema = DiretórioWindows(sistema);
    DesconexãoAnunciada = 1;

    if (linhaDeComando == "/bandeja")
        VaiParaBandeja();

    setWindowTitle(QStringLiteral("e-Telvanor 3.1"));
    img[5]->setEnabled(true);

    // The settings are asked first, so that a start with the cues off does not load the sound back end.
    if (SomLigado == 1 && SomIniciando == 1 && TemDispositivoSom()) {
        const int segundos = plataforma::SegundosDoDia(plataforma::Agora());
        char agora[16];
        std::snprintf(agora, sizeof agora, "%02d:%02d", segundos / 3600, segundos / 60 % 60);
        const std::string hora = agora;
        if (hora >= "06:00" && hora < "12:00")
            TocaSom(SomBomDia);
        else if (hora >= "12:00" && hora < "18:00")
            TocaSom(SomBoaTarde);
        else if ((hora >= "18:00" && hora < "24:00") || (hora >= "00:00" && hora < "06:00"))
            TocaSom(SomBoaNoite);
    }

    plataforma::DefineArquivoAjuda(plataforma::PastaPrograma() + "/e-Telvanor3Std.hlp");
}

void frmTelvanor01::Sair() {
    using namespace quelza;

    if (ConexãoAtiva()) {
        switch (plataforma::MsgBox("Deseja DESCONECTAR também?",
                                   plataforma::vbYesNoCancel | plataforma::vbCritical, "e-Telvanor 3.1")) {
        case plataforma::vbYes:
            DesligaConexão();
            break;
        case plataforma::vbNo:
            plataforma::MsgBox("CUIDADO! Você permanecerá CONECTADO.",
                               plataforma::vbOKOnly | plataforma::vbCritical, "e-Telvanor 3.1");
            break;
        default:
            return;
        }
    }

    // Read the position before hiding: a hidden window may no longer report where it stood. Where
    // the platform never tells (Wayland), what Qt believes is no place at all: the stored one stays.
    const bool conhecida = plataforma::Backend<plataforma::Telas>::Atual().PosicaoConhecida();
    const float esquerda = static_cast<float>(Left()) + 30.0f;
    const float topo = static_cast<float>(Top()) + 605.0f;
    hide();
    if (conhecida) {
        PosiçãoX = static_cast<std::int32_t>(std::nearbyint(esquerda));
        PosiçãoY = static_cast<std::int32_t>(std::nearbyint(topo));
        GravaConfiguracoes({&tabela::PosiçãoX, &tabela::PosiçãoY});
    }

    Form_QueryUnload();
    plataforma::EncerraProcesso();
}

void frmTelvanor01::Form_QueryUnload() {
    using namespace quelza;
    if (descarregada_)
        return;
    descarregada_ = true;

    if (SomLigado == 1 && TemDispositivoSom()) {
        TocaSom(SomFinalizando);
        plataforma::Sleep(1000);
    }
    GravaTexto(tabela::RediscarLigado, TextoBooleano(false));
    plataforma::SetWindowRgn(*this, 0, false);
    RegiãoJanela.reset();
}

// A mail run under way would hold the end for as long as its dead servers take: it stops first,
// and lets go once control returns to it, after the unload.
void frmTelvanor01::Descarrega() {
    quelza::InterrompeVerificacao();
    Form_QueryUnload();
    plataforma::EncerraProcesso();
}

// A close asked for by the desktop (its own Alt+F4, a taskbar's close) is the user's exit action:
// it may ask about the connection, and it keeps the window's position.
void frmTelvanor01::closeEvent(QCloseEvent* evento) {
    evento->ignore();
    if (!descarregada_)
        Sair();
}
