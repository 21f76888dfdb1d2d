// The text of a region file: "W,H", CR LF, then the picture's transparent runs as "x0,x1@y" records
// separated by '|'. Pure; reading the file and building the region are cria_regiao.h's.
#pragma once

#include "shape/varredura_figura.h"

#include <optional>
#include <string_view>

// The picture's size and runs; nothing when the size line is unreadable or a run lies outside the
// picture, as a file not written from it is. An unreadable record is skipped.
std::optional<Varredura> InterpretaArquivoRegiao(std::string_view texto);
