#include "formats/archivo_tabla.h"

#include "formats/codificacion.h"
#include "formats/documento.h"
#include "formats/etiquetas.h"

namespace quillon {

std::string EscribirVle(const ArchivoTablaELV& t, char sep, bool* sustituyo)
{
    // The texts go out untrimmed, as the editor holds them.
    std::string s;
    s += "<A=" + textoSinMarcas(t.nombreA) + ">\r\n";
    s += "<B=" + textoSinMarcas(t.nombreB) + ">\r\n";
    s += "<MMA=" + textoSinMarcas(t.masaA) + ">\r\n";
    s += "<MMB=" + textoSinMarcas(t.masaB) + ">\r\n";
    s += "[[\r\n" + escribirFilas(t.x, t.y, sep) + "]]\r\n";
    return aWindows1252(s, sustituyo);
}

LecturaVle LeerVle(std::string_view bytes, std::string_view ruta)
{
    const std::string texto = desdeWindows1252(bytes);
    LecturaVle r;
    r.nombreA = valorEtiqueta(texto, "<A=");
    r.nombreB = valorEtiqueta(texto, "<B=");
    r.masaA = valorEtiqueta(texto, "<MMA=");
    r.masaB = valorEtiqueta(texto, "<MMB=");
    if (const auto filas = leerBloqueTabla(texto)) {
        r.x = filas->x;
        r.y = filas->y;
    } else {
        r.error = std::string(tr(mensajes::formatoNoValido)) + "\r\n" + std::string(ruta);
    }
    return r;
}

}  // namespace quillon
