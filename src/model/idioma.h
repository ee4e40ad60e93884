#pragma once
// The interface language is fixed when the program is built. Every text the
// user sees exists in English and, nearly everywhere, in a Spanish twin.

namespace quillon {

enum class Idioma { Ingles, Espanol };

// The build's language (defined in idioma.cpp, compiled once per language).
Idioma idiomaDelPrograma();

struct Texto {
    const char* eng;
    const char* esp;
};

// The twin of the build's language.
inline const char* tr(const Texto& t)
{
    return idiomaDelPrograma() == Idioma::Espanol ? t.esp : t.eng;
}

}  // namespace quillon
