#pragma once
// The temperature-composition diagram of a binary: the bubble curve T(x) of
// the liquid and the dew curve T(y) of the vapour over the whole range,
// sampled densely where they bend or where their flags change, the
// azeotropes, and where the liquid would split into two. A dew point costs
// several bubble points, so the curves are worked out once per system and
// equilibrium and kept until they change.
//
// The diagram never contradicts the x-y one: when the equilibrium in force
// (alpha, or a table) is not the model's own curve, the vapour and the
// azeotropes come from it, y against x, at the model's bubble temperatures.

#include <optional>
#include <vector>

#include "model/equilibrio.h"
#include "model/termo_tabla.h"

namespace quillon {

struct PuntoTxy {
    double x = 0;  // mole fraction of A
    double T = 0;  // °C
    termo::Avisos avisos;
};

struct AzeotropoTxy {
    PuntoTxy punto;
    bool maximo = false;  // maximum-boiling
};

struct CurvasTxy {
    std::vector<PuntoTxy> burbuja, rocio;  // both from x = 0 to x = 1
    std::vector<AzeotropoTxy> azeotropos;  // in order of x
    std::vector<termo::Tramo> dosLiquidos;  // where the boiling liquid would split
    termo::Avisos avisos;                   // of any temperature of the curves
    double tMin = 0, tMax = 0;              // over both curves
};

// The equilibrium in force: `elv` (alpha, or a table's dense form), and the
// table itself in table mode.
struct EquilibrioTxy {
    const ModeloELV* elv = nullptr;
    const TablaELV* tabla = nullptr;
};

// The model's own curves, or (with `e`) those of the equilibrium in force
// unless its table is the model's own.
CurvasTxy calcularCurvasTxy(const termo::Sistema& s, const EquilibrioTxy& e = {});

// The curves of the last system and equilibrium asked for.
class CurvasTxyGuardadas {
public:
    const CurvasTxy& de(const termo::Sistema& s, const EquilibrioTxy& e = {});
    // Changes each time the curves are worked out again.
    int generacion() const { return generacion_; }

private:
    struct Clave {
        int a = -1, b = -1;
        termo::Modelo modelo = termo::Modelo::Ideal;
        double presion = 0;
        bool propia = true;  // no equilibrium given
        bool modoTabla = false;
        double alfa = 0;
        TablaELV tabla;
        bool operator==(const Clave&) const = default;
    };
    std::optional<Clave> clave_;
    CurvasTxy curvas_;
    int generacion_ = 0;
};

}  // namespace quillon
