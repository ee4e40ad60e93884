#pragma once
// How long a stage takes and what heat it costs, at a given heating.
//
// Assumptions:
// - The clock starts at the first drop: the heat-up of the charge to its
//   boiling point is not counted. Each stage of a train starts its own clock.
// - The still boils at its bubble temperature T (the temperature model in
//   force: temperaturas.h) and every joule of the heating vaporizes liquid:
//   no heat losses, no sensible heat of the liquid as it warms while it
//   grows poorer, no hold-up in the column.
// - Each compound's latent heat follows Watson's relation from the handbook
//   value at the boiling temperature its source states (termo::Constantes):
//   dH(T) = dH(Tb) ((Tc - T) / (Tc - Tb))^0.38. It has no meaning at or
//   above the critical temperature: a stage whose still boils there is
//   refused, not given a latent heat of zero.
// - The vapour leaving the still, of mole fraction y of A (the equilibrium
//   in force), takes y dH_A(T) + (1 - y) dH_B(T) per mole: no heat of mixing.
// - The moles vaporized are the moles distilled in simple distillation, and
//   (R + 1) times them with a column of plates (R of each progress row).
// - With a boil-up rate V: dt = dn / V. With a power Q: dt = dH dn / Q. The
//   heat supplied is Q t with a power and the integral of dH dn with a
//   boil-up rate.
//
// Both are worked out once a stage's table, as running sums over the
// progress rows per gram of the stage's charge, so that any heating and any
// charge mass read them at a row. The latent heat is sampled at
// kNodosCalorLatente still compositions evenly spaced over those the stage
// passes through and interpolated in between (a bubble point each row would
// cost 10000 of them a stage): within kToleranciaCalor of a bubble point at
// every row.

#include <array>
#include <memory>
#include <optional>

#include "model/avance.h"
#include "model/calefaccion.h"
#include "model/equilibrio.h"
#include "model/termo.h"

namespace quillon {

class CadenaEtapas;
struct AvanceColumnaPlatos;

inline constexpr int kNodosCalorLatente = 65;
// Relative, on the time and the heat of any row.
inline constexpr double kToleranciaCalor = 1e-4;

// Watson's relation for compound constants c at T kelvin, J/mol; none at or
// above the critical temperature.
std::optional<double> calorLatente(const termo::Constantes& c, double T);

// Formic and acetic acid: their vapour is associated, and their handbook
// latent heats and Watson's relation are uncertain (data/thermo).
bool calorLatenteIncierto(int compuesto);
// The note a table or the companion gives under numbers that used them.
std::string notaCalorLatenteIncierto();

// Running sums of one stage per gram of its charge, row by row from the
// first drop (row 0 holds 0).
struct AcumuladoCalor {
    ColumnaAvance moles{};  // moles vaporized
    ColumnaAvance calor{};  // J spent vaporizing them; only with latent heats
    bool conCalor = false;
    bool sobreCritica = false;  // the still boiled at or above a critical temperature
};

// Fills `a` from the stage's still column (and its column head, or null), the
// equilibrium that gives the vapour, and the binary of the latent heats (or
// null: moles only).
void acumularCalor(const ColumnaAvance& alambique, const AvanceColumnaPlatos* cabeza, const ModeloELV& elv,
                   double mma, double mmb, const termo::Sistema* s, AcumuladoCalor& a);

// The time from the first drop (min) and, with latent heats or a power, the
// heat supplied (kJ) at row `fila` of a stage whose charge weighs `gramos`.
// Empty when a figure would not be a finite number.
struct TiempoCalor {
    double minutos = 0;
    std::optional<double> kJ;
};
std::optional<TiempoCalor> tiempoCalorEnFila(const AcumuladoCalor& a, const Calefaccion& c, double gramos, int fila);

// The running sums of every stage of a chain, kept until the stage's table
// or the binary changes.
class RelojEtapas {
public:
    RelojEtapas();
    ~RelojEtapas();
    // Stage k's sums; the stage must be computed.
    const AcumuladoCalor& acumulado(const CadenaEtapas& cadena, int etapa, const ModeloELV& elv, double mma, double mmb,
                                    const termo::Sistema* s);

private:
    struct Clave {
        unsigned long version = 0;
        int a = -1, b = -1;
        termo::Modelo modelo = termo::Modelo::Ideal;
        double presion = 0;
        bool operator==(const Clave&) const = default;
    };
    std::unique_ptr<std::array<AcumuladoCalor, 7>> datos_;
    std::array<std::optional<Clave>, 7> claves_{};
};

}  // namespace quillon
