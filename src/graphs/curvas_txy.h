#pragma once
// The temperature-composition diagram of a binary: the bubble curve T(x) of
// the liquid and the dew curve T(y) of the vapour over the whole range,
// sampled densely where they bend, and the azeotrope. A dew point costs
// dozens of bubble points, so the curves are worked out once per system and
// kept until its compounds, model or pressure change.

#include <optional>
#include <vector>

#include "model/termo.h"

namespace quillon {

struct PuntoTxy {
    double x = 0;  // mole fraction of A
    double T = 0;  // °C
};

struct CurvasTxy {
    std::vector<PuntoTxy> burbuja, rocio;  // both from x = 0 to x = 1
    std::optional<PuntoTxy> azeotropo;
    bool azeotropoMaximo = false;  // maximum-boiling
    termo::Avisos avisos;          // of any temperature of the curves
    double tMin = 0, tMax = 0;     // over both curves
};

CurvasTxy calcularCurvasTxy(const termo::Sistema& s);

// The curves of the last system asked for.
class CurvasTxyGuardadas {
public:
    const CurvasTxy& de(const termo::Sistema& s);
    // Changes each time the curves are worked out again.
    int generacion() const { return generacion_; }

private:
    struct Clave {
        int a = -1, b = -1;
        termo::Modelo modelo = termo::Modelo::Ideal;
        double presion = 0;
        bool operator==(const Clave&) const = default;
    };
    std::optional<Clave> clave_;
    CurvasTxy curvas_;
    int generacion_ = 0;
};

}  // namespace quillon
