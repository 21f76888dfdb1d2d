// Builds the main window's outline as a region: from a picture and its transparent colour, or from
// a region file written earlier from such a picture. Applying the outline to a window is not done here.
#pragma once

#include <cstdint>
#include <string>

struct Figura;

class CriaRegiao {
public:
    // Always true. A file that cannot be read, or whose size line is unreadable, leaves no region
    // (handle 0), so the window keeps its whole rectangle instead of vanishing.
    bool CriaRegiãoDeArquivo(const std::string& NomeArquivoRegião);

    // The rectangle (1, 1)-(W, H) of the picture minus every run of the transparent colour.
    bool CriaRegiãoDeFigura(const Figura& figura, std::uint32_t CorTransp);

    void DestroiRegião();

    std::uint32_t Handle() const { return hRegião; }

    // Writes the runs of the transparent colour as a region file, replacing any file of that name.
    bool CriaArquivoRegião(const Figura& figura, std::uint32_t CorTransp, const std::string& NomeArquivo);

private:
    // The handle passes to the window that is given it, so the object never frees it on destruction.
    std::uint32_t hRegião = 0;
};
