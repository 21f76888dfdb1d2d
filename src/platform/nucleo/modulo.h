// An object made by a module of the program folder: the module is loaded on the first ask and kept
// for the rest of the process, and its `extern "C"` entry point, which takes nothing, makes the
// object. A module that is missing or lacks its entry point is said once, as "<motivo>: <why>".
#pragma once

#include <memory>
#include <string>

namespace plataforma {

// The address of `simbolo` in the module at `caminho`, loaded now; null, after the diagnostic line,
// when either is missing.
void* SimboloDoModulo(const std::string& caminho, const char* simbolo, const std::string& motivo);

template <class T> class ObjetoDeModulo {
public:
    ObjetoDeModulo(std::string caminho, const char* entrada, std::string motivo)
        : caminho_(std::move(caminho)), entrada_(entrada), motivo_(std::move(motivo)) {}

    // Loads the module on the first call; null without it.
    T* Carregado() {
        if (!tentado_) {
            tentado_ = true;
            if (void* cria = SimboloDoModulo(caminho_, entrada_, motivo_))
                objeto_.reset(reinterpret_cast<T* (*)()>(cria)());
        }
        return objeto_.get();
    }

    // Never loads.
    T* JaCarregado() const { return objeto_.get(); }

private:
    std::string caminho_;
    const char* entrada_;
    std::string motivo_;
    bool tentado_ = false;
    std::unique_ptr<T> objeto_;
};

} // namespace plataforma
