// One instance per user: a lock file in the runtime folder tells whether the program already runs,
// and a local socket beside it lets a second start ask the first to bring its window forward.
#pragma once

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
};

bool PrevInstance();
void AppActivate(const std::string& titulo);

// What the running instance does when a second start asks it to come forward.
void DefineAoAtivar(std::function<void()> aoAtivar);

// Null restores the lock-file backend.
void DefineInstancia(std::shared_ptr<Instancia> instancia);

// Ends the process as soon as control returns to the event loop; ProcessoEncerrado tells main not
// to enter it when the end was asked for during start-up.
void EncerraProcesso();
bool ProcessoEncerrado();

} // namespace plataforma
