#pragma once
// Boiling temperatures and predicted vapour-liquid equilibrium of the
// compounds of the molar-mass list: Antoine vapour pressures, and a binary at
// a given pressure either ideal (Raoult) or with original UNIFAC activity
// coefficients and an ideal vapour. Numbers and their sources: termo_datos.h.

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "model/idioma.h"
#include "model/termo_unifac.h"

namespace quillon {

// The kelvin of 0 °C: the model works in kelvin, what a person reads is in °C.
inline constexpr double kCeroCelsius = 273.15;

}  // namespace quillon

namespace quillon::termo {

// The compound whose names include the typed one (normalised as the molar-mass
// lookup does); -1 when unknown.
int compuestoDe(std::string_view nombreTecleado);
int numCompuestos();
std::string_view nombreCompuesto(int i);  // canonical English name
double presionVapor(int i, double T);     // Pa at T kelvin
bool dentroDeRango(int i, double T);      // T within the range the constants were fitted on
double temperaturaEbullicion(int i, double P);  // K at P pascal

// Where the numbers come from, one short line each (About box, manual).
std::span<const std::string_view> fuentesTermo();

enum class Modelo { Ideal, Unifac };

// T in kelvin; y and x are mole fractions of A. `extrapolada`: T is outside
// the Antoine range of a component present in the liquid.
struct Burbuja {
    double T = 0;
    double y = 0;
    bool extrapolada = false;
};
struct Rocio {
    double T = 0;
    double x = 0;
    bool extrapolada = false;
};

namespace mensajes {
// %1 and %2 stand for the two compounds.
inline constexpr Texto sinParametros{"ERROR: No UNIFAC parameters for the pair %1 - %2",
                                     "ERROR: No hay parámetros UNIFAC para el par %1 - %2"};
inline constexpr Texto compuestoDesconocido{"ERROR: Unknown compound", "ERROR: Compuesto desconocido"};
inline constexpr Texto presion{"ERROR: The pressure must be between 0.1 and 10000 kPa",
                               "ERROR: La presión debe estar entre 0,1 y 10000 kPa"};
}  // namespace mensajes

// tr(t) with %1 and %2 replaced by the names of compounds a and b.
std::string textoDelPar(const Texto& t, int a, int b);

inline constexpr double kPresionMinima = 100;   // Pa
inline constexpr double kPresionMaxima = 1e7;   // Pa

// A binary A-B at pressure P (Pa). Everything that depends neither on the
// composition nor on T is worked out when it is created.
class Sistema {
public:
    // Refuses an unknown compound, a pressure outside kPresionMinima to
    // kPresionMaxima and, for UNIFAC, a pair without published parameters.
    static std::variant<Sistema, std::string> crear(int a, int b, Modelo m, double P);

    // Bubble temperature and vapour of a liquid with mole fraction x of A.
    // Bracketed: converges to 1e-6 K for any x in [0, 1] and never diverges.
    Burbuja burbuja(double x) const;
    // Dew temperature and liquid of a vapour with mole fraction y of A: the
    // liquid whose bubble vapour is y (the hottest, when several are).
    Rocio rocio(double y) const;

    std::array<double, 2> gammas(double x, double T) const;  // 1, 1 when ideal
    double presionBurbuja(double x, double T) const;         // sum x_i gamma_i Psat_i, Pa
    double volatilidad(double x, double T) const;            // gamma_A Psat_A / (gamma_B Psat_B)

    int compuestoA() const { return comp_[0]; }
    int compuestoB() const { return comp_[1]; }
    Modelo modelo() const { return modelo_; }
    double presion() const { return P_; }

private:
    Sistema() = default;
    double lnPsat(std::size_t i, double T) const { return lnA_[i] - lnB_[i] / (T + C_[i]); }
    std::array<double, 2> lnGammas(double x, double T) const;
    // ln(x_i gamma_i Psat_i); minus infinity for a component absent.
    std::array<double, 2> lnParciales(double x, double T) const;
    bool extrapolada(double x, double T) const;

    std::array<int, 2> comp_{};
    Modelo modelo_ = Modelo::Ideal;
    double P_ = 0, lnP_ = 0;
    std::array<double, 2> lnA_{}, lnB_{}, C_{};  // ln Psat = lnA - lnB / (T + C)
    std::array<double, 2> teb_{};                // pure boiling temperatures at P
    double tMinima_ = 0;                         // just above both Antoine poles
    std::optional<UnifacBinario> unifac_;
};

}  // namespace quillon::termo
