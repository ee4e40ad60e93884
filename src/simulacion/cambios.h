#pragma once
// What changed in the simulation since the views last followed it. The
// simulation gathers its changes and announces them once per turn of the
// event loop; each view draws again what the change concerns.

#include <algorithm>

#include "model/cadena.h"  // kMaxEtapas

namespace quillon {

struct Cambios {
    enum : unsigned {
        Entradas = 1u << 0,    // an edit was accepted: the stills follow at the deferred refresh
        Refresco = 1u << 1,    // the deferred refresh fell due
        Calculo = 1u << 2,     // Calculate, a view shown or its stage chosen: every view on screen
        Equilibrio = 1u << 3,  // the x-y curve: the name of A, alpha, the source, the table, the conditions
        Fuente = 1u << 4,      // an equilibrium source option was clicked
        Unidad = 1u << 5,      // the mass unit
        NumEtapas = 1u << 6,   // the number of stages
        Cortes = 1u << 7,      // a stage's cut
        Borrado = 1u << 8,     // Clear
        Abierto = 1u << 9,     // a document was opened
        Columna = 1u << 10,    // a box or the policy of the column of plates
        Calefaccion = 1u << 12,  // the heating of the still: its box or its unit
    };
    unsigned que = 0;
    int corteDesde = kMaxEtapas + 1;  // the first stage whose cut changed
    bool corteFinal = false;          // false while only a dragged thumb moved the cuts

    bool hay(unsigned bits) const { return (que & bits) != 0; }
    void unir(const Cambios& c)
    {
        que |= c.que;
        corteDesde = std::min(corteDesde, c.corteDesde);
        corteFinal = corteFinal || c.corteFinal;
    }
};

}  // namespace quillon
