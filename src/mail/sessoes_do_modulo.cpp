#include "mail/dialogo_pop3.h"
#include "mail/sessoes_email.h"
#include "platform/arquivos/pastas.h"
#include "platform/nucleo/diagnostico.h"

#include <dlfcn.h>

namespace quelza {
namespace {

// The module is loaded once, on the first account asked, and never unloaded; a stop or release
// before that has nothing to act on.
class SessoesCarregadas final : public SessoesEmail {
public:
    explicit SessoesCarregadas(std::string caminho) : caminho_(std::move(caminho)) {}

    std::optional<std::string> VerificaPop3(const std::string& servidor, const std::string& usuario,
                                            const std::string& senha, AmbienteSessao& ambiente) override {
        SessoesEmail* sessoes = Carregadas();
        return sessoes ? sessoes->VerificaPop3(servidor, usuario, senha, ambiente) : SemModulo(ambiente);
    }

    std::optional<std::string> VerificaImap(const EnderecoPop3& endereco, const std::string& usuario,
                                            const std::string& senha, AmbienteSessao& ambiente) override {
        SessoesEmail* sessoes = Carregadas();
        return sessoes ? sessoes->VerificaImap(endereco, usuario, senha, ambiente) : SemModulo(ambiente);
    }

    void Interrompe() override {
        if (sessoes_)
            sessoes_->Interrompe();
    }

    void Libera() override {
        if (sessoes_)
            sessoes_->Libera();
    }

    bool Interrompidas() const override { return sessoes_ && sessoes_->Interrompidas(); }

private:
    SessoesEmail* Carregadas() {
        if (!tentado_) {
            tentado_ = true;
            sessoes_.reset(Carrega());
        }
        return sessoes_.get();
    }

    SessoesEmail* Carrega() const {
        void* modulo = ::dlopen(caminho_.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!modulo) {
            plataforma::Diagnostico(std::string("sem verificação de email: ") + ::dlerror());
            return nullptr;
        }
        auto cria = reinterpret_cast<CriaSessoesEmail>(::dlsym(modulo, EntradaModuloEmail));
        if (!cria) {
            plataforma::Diagnostico("sem verificação de email: " + caminho_ + " não tem " +
                                    EntradaModuloEmail);
            return nullptr;
        }
        return cria();
    }

    // The account ends as one whose connection broke before a word was said.
    static std::string SemModulo(AmbienteSessao& ambiente) {
        if (JanelaEmail* janela = ambiente.Janela())
            janela->DefineRótuloEmail(
                TextoErroExecucao(ambiente.TotalDeMensagens(), HoraMinuto(ambiente.Agora())));
        return DicaConexaoInterrompida;
    }

    std::string caminho_;
    bool tentado_ = false;
    std::unique_ptr<SessoesEmail> sessoes_;
};

} // namespace

std::shared_ptr<SessoesEmail> SessoesDoModulo(std::string caminho) {
    return std::make_shared<SessoesCarregadas>(std::move(caminho));
}

} // namespace quelza

template <> std::shared_ptr<quelza::SessoesEmail> plataforma::BackendPadrao<quelza::SessoesEmail>() {
    return quelza::SessoesDoModulo(PastaExecutavel() + "/" + MODULO_EMAIL);
}
