#include "model/idioma.h"

#include <string_view>

#ifndef QUILLON_IDIOMA
#define QUILLON_IDIOMA "ENG"
#endif

namespace quillon {

Idioma idiomaDelPrograma()
{
    constexpr std::string_view codigo = QUILLON_IDIOMA;
    return codigo == "ESP" ? Idioma::Espanol : Idioma::Ingles;
}

}  // namespace quillon
