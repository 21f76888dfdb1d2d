// One instance per user: a lock file in the runtime folder tells whether the program already runs,
// and a local socket beside it lets a second start ask the first to bring its window forward.
#pragma once

#include "platform/nucleo/backend.h"

#include <functional>
#include <memory>
#include <string>

namespace plataforma {

class Instancia {
public:
    virtual ~Instancia() = default;
    // True when another process of the program runs; otherwise this process becomes the instance.
    virtual bool Anterior() = 0;
    // Asks the running instance to bring its window forward.
    virtual void Ativa(const std::string& titulo) = 0;
    // Ends the process as soon as control returns to the event loop.
    virtual void Encerra() = 0;
    virtual bool Encerrado() const = 0;
};

bool PrevInstance();
void AppActivate(const std::string& titulo);

// What the running instance does when a second start asks it to come forward.
void DefineAoAtivar(std::function<void()> aoAtivar);

template <> std::shared_ptr<Instancia> BackendPadrao<Instancia>();

void EncerraProcesso();
// True once the end was asked for, so that main does not enter the event loop after a refused start.
bool ProcessoEncerrado();

} // namespace plataforma
