#pragma once
// Reading of typed numbers and the validity rules of the inputs.

#include <optional>
#include <string>
#include <string_view>

namespace quillon {

// What LeerNumero returns for a text that gives no number.
inline constexpr double VALOR_NO_VALIDO = 1.28e299;

// State the parser shares with the formatter: the decimal separator the user
// typed last, and the flag of a failed conversion.
struct EstadoNumerico {
    char sepDecimal = '.';
    int errorEntrada = 0;
};

// The classic leading-number reading: blanks skipped, optional sign, digits,
// "." as decimal point, optional exponent (E or D); it stops at the first
// character that cannot continue a number and gives 0 when there is none.
// Empty when the number does not fit in a double.
std::optional<double> valorInicial(std::string_view texto);

// The one parser of typed numbers: comma or dot, fractions ("2/5"), percent
// ("40%"). Remembers the separator typed in `estado`; never throws.
double LeerNumero(std::string_view texto, EstadoNumerico& estado);

// A stage's progress text (a cut) as the stage row, the views and the
// companion read it: every "%" removed, then read as LeerNumero reads it
// (blanks, comma or point, "1/2"), but only when the number or fraction is
// the whole text; letters or anything left unread give VALOR_NO_VALIDO
// instead of a leading number, so such a text changes nothing. The range is
// the caller's.
double leerTextoAvance(std::string_view texto);

inline bool esNumero(double v) { return v != VALOR_NO_VALIDO; }

// Validity tests of the inputs (each also refuses VALOR_NO_VALIDO). Beyond the
// ranges the inputs are described with, a molar mass outside 1e-100 to 1e100
// g/mol and an initial mass above 1e200 are refused too: there the moles and
// the mass fractions overflow or divide by a zero that underflowed, and a
// NaN would reach the stills, the graphs and the table.
inline constexpr double kMasaMolarMinima = 1e-100, kMasaMolarMaxima = 1e100;
inline constexpr double kMasaMaxima = 1e200;
bool masasMolaresValidas(double mma, double mmb);
bool fraccionMolarValida(double x0);
bool porcentajeMasicoValido(double p0a);
bool masaInicialValida(double m0);
bool volatilidadValida(double alfa);

// The two forms of the charge composition.
double porcentajeMasicoDeFraccion(double x0, double mma, double mmb);
double fraccionDePorcentajeMasico(double p0a, double mma, double mmb);

}  // namespace quillon
