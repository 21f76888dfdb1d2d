// The backend behind each stand-in: the stand-in reads it here; only `main` and the tests choose it,
// through escolha_backend.h. While none is chosen, the stand-in's default answers.
#pragma once

#include <memory>

namespace plataforma {

// The default backend of an interface. The header that declares the interface declares its
// specialisation; the stand-in's source defines it.
template <typename Interface> std::shared_ptr<Interface> BackendPadrao();

// Defined in escolha_backend.h.
template <typename Interface> void DefineBackend(std::shared_ptr<Interface> backend);

template <typename Interface> class Backend {
public:
    static Interface& Atual() {
        std::shared_ptr<Interface>& escolhido = Escolhido();
        if (!escolhido)
            escolhido = BackendPadrao<Interface>();
        return *escolhido;
    }

private:
    static std::shared_ptr<Interface>& Escolhido() {
        static std::shared_ptr<Interface> escolhido;
        return escolhido;
    }

    friend void DefineBackend<Interface>(std::shared_ptr<Interface> backend);
};

} // namespace plataforma
