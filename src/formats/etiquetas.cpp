#include "formats/etiquetas.h"

#include <algorithm>

#include "formats/codificacion.h"
#include "model/numero.h"
#include "model/texto.h"

namespace quillon {
namespace {

// The block with its leading and trailing line ends removed, runs of blanks
// and empty lines collapsed, and one line end appended. Line ends become "\n"
// (files from other systems may lack the CR).
std::string normalizarBloque(std::string_view bloque)
{
    std::string s(bloque);
    reemplazarTodo(s, "\r\n", "\n");
    const auto inicio = s.find_first_not_of('\n');
    if (inicio == std::string::npos) return "\n";
    s = s.substr(inicio, s.find_last_not_of('\n') - inicio + 1);
    reemplazarTodo(s, "  ", " ");
    reemplazarTodo(s, "  ", " ");
    reemplazarTodo(s, "\n\n", "\n");
    reemplazarTodo(s, "\n\n", "\n");
    return s + "\n";
}

double leerValor(std::string texto)
{
    reemplazarTodo(texto, ",", ".");
    const auto v = valorInicial(texto);
    return v ? *v : VALOR_NO_VALIDO;
}

}  // namespace

std::string textoSinMarcas(std::string_view utf8)
{
    std::string s;
    for (char c : utf8)
        if (c != '<' && c != '>') s += c;
    // Each pass halves a run of brackets; a run of n needs about log2 n.
    while (s.find("[[") != std::string::npos) reemplazarTodo(s, "[[", "[");
    while (s.find("]]") != std::string::npos) reemplazarTodo(s, "]]", "]");
    return s;
}

std::string textoGuardable(std::string_view utf8) { return desdeWindows1252(aWindows1252(textoSinMarcas(utf8))); }

std::optional<std::string> valorEtiqueta(std::string_view texto, std::string_view etiqueta)
{
    const auto pos = texto.find(etiqueta);
    if (pos == std::string_view::npos) return std::nullopt;
    const auto desde = pos + etiqueta.size();
    const auto cierre = texto.find('>', desde);
    if (cierre == std::string_view::npos) return std::nullopt;
    return std::string(texto.substr(desde, cierre - desde));
}

std::optional<FilasTabla> leerBloqueTabla(std::string_view texto)
{
    const auto abre = texto.find("[[");
    const auto cierra = texto.find("]]");
    if (abre == std::string_view::npos || cierra == std::string_view::npos || cierra < abre + 2)
        return std::nullopt;

    FilasTabla filas;
    filas.x.fill(-1);
    filas.y.fill(-1);
    std::string resto = normalizarBloque(texto.substr(abre + 2, cierra - abre - 2));
    std::size_t desde = 0;
    for (std::size_t n = 0; n < kFilasTablaELV; ++n) {
        if (resto.find_first_not_of(" \t\r\n", desde) == std::string::npos) break;
        const auto fin = resto.find('\n', desde);
        const std::string cruda = resto.substr(desde, fin - desde);
        desde = fin + 1;
        // Leading blanks are not the separator: the row starts at its first
        // number. The two numbers are split at the next blank; an empty part
        // reads as 0, so a blank line is the point (0, 0) and "0.2 " is (0.2, 0).
        const std::string linea = cruda.substr(std::min(cruda.find_first_not_of(' '), cruda.size()));
        const auto blanco = linea.find(' ');
        // A row of one number has no defined Y: the sentinel fails the range check.
        const bool sinY = blanco == std::string::npos && !linea.empty();
        const std::string textoY = blanco == std::string::npos ? std::string() : linea.substr(blanco + 1);
        filas.x[n] = leerValor(recortar(linea.substr(0, blanco)));
        filas.y[n] = sinY ? VALOR_NO_VALIDO : leerValor(recortar(textoY));
    }
    return filas;
}

std::string escribirFilas(const std::array<double, kFilasTablaELV>& x,
                          const std::array<double, kFilasTablaELV>& y, char sep)
{
    std::string s;
    s.reserve(kFilasTablaELV * 24);
    for (std::size_t i = 0; i < kFilasTablaELV; ++i) {
        anadirGeneral(s, x[i], sep);
        s += "  ";
        anadirGeneral(s, y[i], sep);
        s += "\r\n";
    }
    return s;
}

}  // namespace quillon
