#pragma once
// Boiling temperatures and predicted vapour-liquid equilibrium of the
// compounds of the molar-mass list: Antoine vapour pressures, and a binary at
// a given pressure either ideal (Raoult) or with original UNIFAC activity
// coefficients and an ideal vapour. Numbers and their sources: termo_datos.h.
//
// Assumptions: an ideal vapour at low pressure (no fugacity or Poynting
// correction); one liquid phase, as the bubble point supposes. Each
// temperature carries the flags (termo_avisos.h) of what makes it doubtful:
// outside the range the Antoine constants were fitted on, above the critical
// temperature or below the melting point of a compound in the liquid, or a
// liquid that would split into two liquid phases (binary stability: at the
// bubble temperature the activity of A, x gammaA, must rise with x; ideal
// liquids never split).

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "model/idioma.h"
#include "model/termo_avisos.h"
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
// Whether UNIFAC has the parameters of the pair of compounds a and b.
bool hayParametrosUnifac(int a, int b);

// The limits of compound i's liquid and what Watson's relation of the heat of
// vaporization needs, dH(T) = dH(Tb) ((Tc - T) / (Tc - Tb))^0.38, in SI
// units (sources: termo_datos.h); empty for an index that names no compound.
struct Constantes {
    double Tc = 0;                    // critical temperature, K
    double Pc = 0;                    // critical pressure, Pa
    double Tfusion = 0;               // normal melting point, K
    double entalpiaVaporizacion = 0;  // J/mol at...
    double tEntalpia = 0;             // ...this boiling temperature, K
};
std::optional<Constantes> constantesDe(int i);

// Where the numbers come from, one short line each (About box, manual).
std::span<const std::string_view> fuentesTermo();

enum class Modelo { Ideal, Unifac };

// T in kelvin; y and x are mole fractions of A; the flags of the liquid.
struct Burbuja {
    double T = 0;
    double y = 0;
    Avisos avisos;
};
struct Rocio {
    double T = 0;
    double x = 0;
    Avisos avisos;
};

namespace mensajes {
// %1 and %2 stand for the two compounds.
inline constexpr Texto sinParametros{"ERROR: No UNIFAC parameters for the pair %1 - %2",
                                     "ERROR: No hay parámetros UNIFAC para el par %1 - %2"};
inline constexpr Texto compuestoDesconocido{"ERROR: Unknown compound", "ERROR: Compuesto desconocido"};
inline constexpr Texto presion{"ERROR: The pressure must be between 0.1 and 10000 kPa",
                               "ERROR: La presión debe estar entre 0,1 y 10000 kPa"};
inline constexpr Texto mismoCompuesto{"ERROR: A and B are the same compound (%1)",
                                      "ERROR: A y B son el mismo compuesto (%1)"};
}  // namespace mensajes

// tr(t) with %1 and %2 replaced by the names of compounds a and b.
std::string textoDelPar(const Texto& t, int a, int b);

inline constexpr double kPresionMinima = 100;   // Pa
inline constexpr double kPresionMaxima = 1e7;   // Pa

// A binary A-B at pressure P (Pa). Everything that depends neither on the
// composition nor on T is worked out when it is created.
class Sistema {
public:
    // Refuses an unknown compound, the same compound twice, a pressure
    // outside kPresionMinima to kPresionMaxima and, for UNIFAC, a pair
    // without published parameters.
    static std::variant<Sistema, std::string> crear(int a, int b, Modelo m, double P);

    // Bubble temperature and vapour of a liquid with mole fraction x of A.
    // Bracketed: converges to 1e-6 K for any x in [0, 1] and never diverges.
    Burbuja burbuja(double x) const;
    // Dew temperature and liquid of a vapour with mole fraction y of A: the
    // liquid whose bubble vapour is y (the hottest, when several are), and
    // exactly that liquid's bubble point.
    Rocio rocio(double y) const;
    // The flags of a liquid with mole fraction x of A at T kelvin.
    Avisos avisos(double x, double T) const;

    std::array<double, 2> gammas(double x, double T) const;  // 1, 1 when ideal
    double presionBurbuja(double x, double T) const;         // sum x_i gamma_i Psat_i, Pa
    double volatilidad(double x, double T) const;            // gamma_A Psat_A / (gamma_B Psat_B)

    int compuestoA() const { return comp_[0]; }
    int compuestoB() const { return comp_[1]; }
    Modelo modelo() const { return modelo_; }
    double presion() const { return P_; }

private:
    // A point of the bubble curve kept for the dew points.
    struct PuntoCurva {
        double x = 0, y = 0, T = 0;
    };
    static constexpr int kTramosRocio = 20;

    Sistema() = default;
    double lnPsat(std::size_t i, double T) const { return lnA_[i] - lnB_[i] / (T + C_[i]); }
    // d lnPsat / dT
    double pendienteLnPsat(std::size_t i, double T) const { return lnB_[i] / ((T + C_[i]) * (T + C_[i])); }
    std::array<double, 2> lnGammas(double x, double T) const;
    // ln(x_i gamma_i Psat_i); minus infinity for a component absent.
    std::array<double, 2> lnParciales(double x, double T) const;
    double temperaturaBurbuja(double x) const;
    bool separaEnDosLiquidos(double x, double T) const;
    // The dew liquid in the stretch of the bubble curve between points a and
    // b, where the vapour crosses y (termo_rocio.cpp).
    double liquidoDeRocio(double y, const PuntoCurva& a, const PuntoCurva& b) const;
    std::optional<PuntoCurva> inicioDiluido(double y, const PuntoCurva& a, const PuntoCurva& b) const;
    std::optional<double> liquidoPorNewton(double y, const PuntoCurva& a, const PuntoCurva& b,
                                           const PuntoCurva& inicio) const;

    std::array<int, 2> comp_{};
    Modelo modelo_ = Modelo::Ideal;
    double P_ = 0, lnP_ = 0;
    std::array<double, 2> lnA_{}, lnB_{}, C_{};  // ln Psat = lnA - lnB / (T + C)
    std::array<double, 2> teb_{};                // pure boiling temperatures at P
    double tMinima_ = 0;                         // just above both Antoine poles
    std::array<double, 2> tMinAntoine_{}, tMaxAntoine_{}, tCritica_{}, tFusion_{};
    std::optional<UnifacBinario> unifac_;
    // The bubble curve at x = i / kTramosRocio: where a vapour may cross it.
    std::array<PuntoCurva, kTramosRocio + 1> curva_{};
};

}  // namespace quillon::termo
