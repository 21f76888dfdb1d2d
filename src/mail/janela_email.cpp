#include "mail/janela_email.h"

namespace quelza {
namespace {

class SemJanela final : public JanelaEmail {
public:
    void DefineRótuloEmail(const std::string&) override {}
    void DefineDicaEmail(const std::string&) override {}
    void DefineFiguraEmail(FiguraEmail) override {}
    void HabilitaFechar(bool) override {}
    bool TemDispositivoSom() override { return false; }
    void TocaSom(const std::string&) override {}
};

std::shared_ptr<JanelaEmail>& Atual() {
    static std::shared_ptr<JanelaEmail> atual = std::make_shared<SemJanela>();
    return atual;
}

} // namespace

void DefineJanelaEmail(std::shared_ptr<JanelaEmail> janela) {
    Atual() = janela ? std::move(janela) : std::make_shared<SemJanela>();
}

std::shared_ptr<JanelaEmail> JanelaDoEmail() { return Atual(); }

} // namespace quelza
