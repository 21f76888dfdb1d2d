// The outline a pixel grid should give as a region: each row's runs of set pixels, y-x banded, with
// touching rows of equal runs merged into one band. What tests hold the region stand-ins to.
#pragma once

#include "platform/regiao/regiao.h"

#include <utility>
#include <vector>

// `grade` holds `altura` rows of `largura` pixels, row after row; non-zero is inside.
inline std::vector<plataforma::RECT> RetangulosDaGrade(const std::vector<char>& grade, int largura,
                                                       int altura) {
    const auto trechos = [&](int j) {
        std::vector<std::pair<int, int>> t;
        for (int i = 0; i < largura; ++i)
            if (grade[j * largura + i] && (i == 0 || !grade[j * largura + i - 1]))
                t.emplace_back(i, i + 1);
            else if (grade[j * largura + i])
                t.back().second = i + 1;
        return t;
    };
    std::vector<plataforma::RECT> esperado;
    for (int j = 0, fim = 0; j < altura; j = fim) {
        const auto t = trechos(j);
        for (fim = j + 1; fim < altura && trechos(fim) == t;)
            ++fim;
        for (const auto& [esquerda, direita] : t)
            esperado.push_back({esquerda, j, direita, fim});
    }
    return esperado;
}
