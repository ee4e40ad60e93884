#pragma once
// The grammar both file formats share: tags such as "<MMA=78.1121>" found
// anywhere in the text, and the x-y table between "[[" and "]]".

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "model/equilibrio.h"
#include "model/texto.h"  // recortar

namespace quillon {

// The value of the first occurrence of `etiqueta`: the text after it up to
// the first ">" (unchanged, not trimmed). Empty when the tag or the ">" is
// missing.
std::optional<std::string> valorEtiqueta(std::string_view texto, std::string_view etiqueta);

struct FilasTabla {
    std::array<double, kFilasTablaELV> x;
    std::array<double, kFilasTablaELV> y;
};

// Parses up to 100 rows of the block between the first "[[" and the first
// "]]"; rows not given hold -1. Empty when the block is missing. Rows are
// "X Y" with comma or point; a row without its second number reads Y as the
// invalid-value sentinel, so the range check reports it.
std::optional<FilasTabla> leerBloqueTabla(std::string_view texto);

// The 100 rows as written: X, two blanks, Y, CR LF each.
std::string escribirFilas(const std::array<double, kFilasTablaELV>& x,
                          const std::array<double, kFilasTablaELV>& y, char sep);

// A typed text as the grammar can hold it. The grammar has no escape: "<"
// and ">" would open and close a tag and "[[" or "]]" the table block, so
// the brackets of a tag go and a doubled square bracket becomes single.
std::string textoSinMarcas(std::string_view utf8);

// A typed text as a file holds it: without the marks, and a character the
// code page lacks as "?". Texts that come back unchanged are the ones a file
// reads back as they were written.
std::string textoGuardable(std::string_view utf8);

}  // namespace quillon
