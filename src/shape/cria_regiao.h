// Builds the main window's outline as a region: from a picture and its transparent colour, or from
// a region file written earlier from such a picture.
#pragma once

#include <cstdint>
#include <string>

class CriaRegiao {
public:
    bool CriaRegiãoDeArquivo(const std::string& NomeArquivoRegião);
    void DestroiRegião();
    std::uint32_t Handle() const { return hRegião; }

private:
    std::uint32_t hRegião = 0;
};
