// A stage table computed with a guess of the row at which its first pass runs
// out of a component: the table, to the last bit, and the row given back are
// those of the table computed with no guess, whether the guess is right,
// wrong, or expects a running out that never comes.

#include <gtest/gtest.h>

#include <memory>

#include "model/avance.h"

using namespace quillon;

namespace {

// A charge's alpha and x0, and the guess tried (-1: the right row).
struct Agotamiento {
    double alfa, x0;
    int pista;
};

class TablaConPista : public testing::TestWithParam<Agotamiento> {};
void PrintTo(const Agotamiento& a, std::ostream* os) { *os << "alpha " << a.alfa << " x0 " << a.x0 << " guess " << a.pista; }

TEST_P(TablaConPista, DaLaMismaTablaQueSinPista)
{
    const Agotamiento a = GetParam();
    const ModeloELV elv{false, a.alfa, nullptr};
    const double mma = 78.11, mmb = 92.14;
    const int real = pasoDeAgotamiento(elv, mma, mmb, a.x0);
    const auto sola = std::make_unique<ColumnaAvance>(), guiada = std::make_unique<ColumnaAvance>();
    ASSERT_TRUE(CrearTablaAvanceDes(elv, mma, mmb, a.x0, *sola));
    int agotamiento = a.pista < 0 ? real : a.pista;
    guiada->fill(-1);
    ASSERT_TRUE(CrearTablaAvanceDes(elv, mma, mmb, a.x0, *guiada, agotamiento));
    EXPECT_EQ(agotamiento, real);
    for (std::size_t i = 0; i < sola->size(); ++i) ASSERT_EQ((*guiada)[i], (*sola)[i]) << "row " << i;
}

// Alpha 2.5 runs out at row 9997 and alpha 20 at 9951; alpha 1.2 never does.
INSTANTIATE_TEST_SUITE_P(Avance, TablaConPista,
                         testing::Values(Agotamiento{2.5, 0.5, -1}, Agotamiento{2.5, 0.5, 9951}, Agotamiento{20, 0.05, -1},
                                         Agotamiento{20, 0.05, 9997}, Agotamiento{20, 0.05, 1},
                                         Agotamiento{1.2, 0.5, 9997}, Agotamiento{1.2, 0.5, 0}));

}  // namespace
