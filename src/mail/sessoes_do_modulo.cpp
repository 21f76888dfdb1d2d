#include "mail/dialogo_pop3.h"
#include "mail/sessoes_email.h"
#include "platform/arquivos/pastas.h"
#include "platform/nucleo/modulo.h"

namespace quelza {
namespace {

// The module is loaded on the first account asked; a stop or release before that has nothing to
// act on.
class SessoesCarregadas final : public SessoesEmail {
public:
    explicit SessoesCarregadas(std::string caminho)
        : modulo_(std::move(caminho), EntradaModuloEmail, "sem verificação de email") {}

    std::optional<std::string> VerificaPop3(const std::string& servidor, const std::string& usuario,
                                            const std::string& senha, AmbienteSessao& ambiente) override {
        SessoesEmail* sessoes = modulo_.Carregado();
        return sessoes ? sessoes->VerificaPop3(servidor, usuario, senha, ambiente) : SemModulo(ambiente);
    }

    std::optional<std::string> VerificaImap(const EnderecoPop3& endereco, const std::string& usuario,
                                            const std::string& senha, AmbienteSessao& ambiente) override {
        SessoesEmail* sessoes = modulo_.Carregado();
        return sessoes ? sessoes->VerificaImap(endereco, usuario, senha, ambiente) : SemModulo(ambiente);
    }

    void Interrompe() override {
        if (SessoesEmail* sessoes = modulo_.JaCarregado())
            sessoes->Interrompe();
    }

    void Libera() override {
        if (SessoesEmail* sessoes = modulo_.JaCarregado())
            sessoes->Libera();
    }

    bool Interrompidas() const override {
        const SessoesEmail* sessoes = modulo_.JaCarregado();
        return sessoes && sessoes->Interrompidas();
    }

private:
    // The account ends as one whose connection broke before a word was said.
    static std::string SemModulo(AmbienteSessao& ambiente) {
        if (JanelaEmail* janela = ambiente.Janela())
            janela->DefineRótuloEmail(
                TextoErroExecucao(ambiente.TotalDeMensagens(), HoraMinuto(ambiente.Agora())));
        return DicaConexaoInterrompida;
    }

    plataforma::ObjetoDeModulo<SessoesEmail> modulo_;
};

} // namespace

std::shared_ptr<SessoesEmail> SessoesDoModulo(std::string caminho) {
    return std::make_shared<SessoesCarregadas>(std::move(caminho));
}

} // namespace quelza

template <> std::shared_ptr<quelza::SessoesEmail> plataforma::BackendPadrao<quelza::SessoesEmail>() {
    return quelza::SessoesDoModulo(PastaExecutavel() + "/" + MODULO_EMAIL);
}
