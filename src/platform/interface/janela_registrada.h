// The main window as a lower layer sees it: through a small interface of that layer, which the window
// implements and registers while it lives (tests register a double). Null when none is registered.
#pragma once

namespace plataforma {

template <typename Interface> class JanelaRegistrada {
public:
    static void Registra(Interface* janela) { Ponteiro() = janela; }
    // Forgets `janela` only when it is the registered one.
    static void Esquece(const Interface* janela) {
        if (Ponteiro() == janela)
            Ponteiro() = nullptr;
    }
    static Interface* Atual() { return Ponteiro(); }

private:
    static Interface*& Ponteiro() {
        static Interface* ponteiro = nullptr;
        return ponteiro;
    }
};

} // namespace plataforma
