#pragma once
// An equilibrium table holding the given points, the rows after them unused.

#include <algorithm>
#include <vector>

#include "model/equilibrio.h"

namespace quillon::prueba {

inline TablaELV tablaELV(const std::vector<double>& x, const std::vector<double>& y)
{
    TablaELV t;
    t.x.fill(-1);
    t.y.fill(-1);
    std::copy(x.begin(), x.end(), t.x.begin());
    std::copy(y.begin(), y.end(), t.y.begin());
    t.ultPunto = static_cast<int>(x.size()) - 1;
    return t;
}

}  // namespace quillon::prueba
