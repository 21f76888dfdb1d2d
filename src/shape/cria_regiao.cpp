#include "shape/cria_regiao.h"

bool CriaRegiao::CriaRegiãoDeArquivo(const std::string&) {
    return true;
}
void CriaRegiao::DestroiRegião() {
    hRegião = 0;
}
