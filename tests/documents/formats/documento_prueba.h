#pragma once
// The documents the format tests write and read: the English start-up one,
// and a table-mode one with an accented name, pounds, three stages and four
// points, one of them needing 17 digits.

#include <string>
#include <tuple>

#include "documents/formats/documento.h"

namespace quillon::prueba {

inline DocumentoDestilacion documentoArranque()
{
    DocumentoDestilacion d;
    std::tie(d.compA, d.compB, d.mma, d.mmb, d.alfa, d.x0, d.masa0) =
        std::tuple("benzene", "toluene", "78.1121", "92.14", "2.45", "0.4", "500");
    return d;
}

inline DocumentoDestilacion documentoPrueba()
{
    DocumentoDestilacion d = documentoArranque();
    std::tie(d.compA, d.alfa, d.unidad, d.numEtapas, d.modoTabla) = std::tuple("alcohol metílico", "2,45", 3, 3, true);
    d.avance = {"40", "50.5", "60%", "0", "0", "0"};
    d.tabla.x.fill(-1);
    d.tabla.y.fill(-1);
    const double puntos[][2] = {{0, 0}, {0.2, 0.4}, {1.0 / 3, 0.4 + 0.2}, {1, 1}};
    for (std::size_t i = 0; i < 4; ++i) std::tie(d.tabla.x[i], d.tabla.y[i]) = std::pair(puntos[i][0], puntos[i][1]);
    d.tabla.ultPunto = 3;
    return d;
}

inline std::string repetir(const std::string& s, int veces) { return veces > 0 ? s + repetir(s, veces - 1) : ""; }

}  // namespace quillon::prueba
