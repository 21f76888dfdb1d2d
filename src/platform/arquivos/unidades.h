// The drives a Linux user picks a file from: the root, the home folder and the mounted volumes
// (removable media under /media, /run/media and /mnt), each by its name.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace plataforma {

struct Unidade {
    std::string nome;    // what the drive list shows
    std::string caminho; // the folder the drive opens on
    bool operator==(const Unidade&) const = default;
};

// From a mount table in the form of /proc/self/mounts (octal escapes such as \040 for a blank).
std::vector<Unidade> UnidadesDe(std::string_view tabelaMontagens, const std::string& pastaPessoal);

// The drives of this machine, from /proc/self/mounts and $HOME.
std::vector<Unidade> Unidades();

// The drive that holds `caminho`: the one with the longest folder that contains it (the root at least).
std::size_t UnidadeDe(const std::vector<Unidade>& unidades, const std::string& caminho);

} // namespace plataforma
