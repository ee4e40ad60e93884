#pragma once
// What may make a boiling temperature doubtful, as a small set of flags that
// travels with every temperature the model gives (a bubble point, a dew
// point, a column of the table), and the words that name the flags.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/idioma.h"

namespace quillon::termo {

enum class Aviso : std::uint8_t {
    Extrapolada = 1,   // outside the Antoine range of a compound in the liquid
    SobreCritica = 2,  // above the critical temperature of a compound in the liquid
    BajoFusion = 4,    // below the melting point of a compound in the liquid
    DosLiquidos = 8,   // the liquid would split into two liquid phases
};

class Avisos {
public:
    constexpr Avisos() = default;
    constexpr Avisos(Aviso a) : bits_(static_cast<std::uint8_t>(a)) {}

    constexpr bool tiene(Aviso a) const { return (bits_ & static_cast<std::uint8_t>(a)) != 0; }
    constexpr bool vacio() const { return bits_ == 0; }
    constexpr Avisos& operator|=(Avisos o)
    {
        bits_ |= o.bits_;
        return *this;
    }
    friend constexpr Avisos operator|(Avisos a, Avisos b) { return a |= b; }
    bool operator==(const Avisos&) const = default;

private:
    std::uint8_t bits_ = 0;
};

// Everything said about one flag.
struct InfoAviso {
    Aviso aviso;
    char marca;               // after a number in a table: '*', 'c', 'm', 's'
    std::string_view nombre;  // the companion's: "extrapolated", "above_critical", ...
    Texto texto;              // the window's words: "extrapolated", "two liquid phases", ...
    Texto nota;               // what the mark means, under a table
};
// In the order the flags are always listed.
const std::array<InfoAviso, 4>& infoAvisos();

// The companion's names joined by '+' ("extrapolated+two_liquids"); empty for none.
std::string nombresAvisos(Avisos a);
// The window's words, in the build's language, joined by `separador`.
std::string textoAvisos(Avisos a, std::string_view separador = ", ");
// The marks of a number in a table ("*s"); empty for none.
std::string marcasAvisos(Avisos a);
// One line per flag of `a`: its mark, a blank and its note, each line ended by `finLinea`.
std::string notasAvisos(Avisos a, std::string_view finLinea);

}  // namespace quillon::termo
