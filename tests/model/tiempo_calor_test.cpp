// Time and heat at a given heating: a boil-up rate against the moles
// distilled, a power against an independent integration with a bubble point
// at every row, Watson's relation at the handbook's own boiling points, the
// heating's box and the refusals.

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "model/cadena.h"
#include "model/composicion.h"
#include "model/tabla_texto.h"
#include "model/tiempo_calor.h"
#include "support/sistema.h"

using namespace quillon;

namespace {

using prueba::sistema;

// One stage of a chain, charged with x0, through `platos` plates at reflux R.
struct Etapa {
    CadenaEtapas cadena;
    RelojEtapas reloj;
    ModeloELV elv;
    double mma, mmb;
    Etapa(double alfa, double mma_, double mmb_, double x0, int platos = 0, double R = 0)
        : elv{false, alfa, nullptr}, mma(mma_), mmb(mmb_)
    {
        cadena.fijarColumna(ColumnaPlatos{platos, PoliticaReflujo::RazonConstante, R, 0, 0});
        cadena.fijarCargaInicial(x0);
        EXPECT_TRUE(cadena.asegurar(1, elv, mma, mmb));
    }
    const AcumuladoCalor& acumulado(const termo::Sistema* s) { return reloj.acumulado(cadena, 1, elv, mma, mmb, s); }
    EtapaEvaluable evaluable(double masa)
    {
        Entradas e;
        e.mma = mma, e.mmb = mmb, e.m0 = masa, e.x0 = cadena.x0Etapa(0);
        return etapaEvaluable(cadena, elv, e, {}, 1);
    }
};

Calefaccion caudal(double molMin) { return *leerCalefaccion({std::to_string(molMin), 2}).calefaccion; }
Calefaccion potencia(double vatios) { return *leerCalefaccion({std::to_string(vatios), 0}).calefaccion; }

// A stage of the pair a-b and its heating.
struct Caso {
    const char *a, *b;
    double alfa, mma, mmb, x0;
    int platos;
    double R;
};
class ConCaudal : public testing::TestWithParam<Caso> {};
class ConPotencia : public testing::TestWithParam<Caso> {};
void PrintTo(const Caso& c, std::ostream* os)
{
    *os << c.a << " - " << c.b << " x0 " << c.x0 << ", " << c.platos << " plates R " << c.R << " alpha " << c.alfa;
}
const Caso kBencenoTolueno{"benzene", "toluene", 2.45, 78.1121, 92.14, 0.4, 0, 0};
Caso con(Caso c, double x0, int platos = 0, double R = 0, double alfa = 2.45)
{
    c.x0 = x0, c.platos = platos, c.R = R, c.alfa = alfa;
    return c;
}

// --- A boil-up rate on a 1 mol charge: the minutes are the moles distilled
// over V, (R + 1) times that through a column at constant reflux.
TEST_P(ConCaudal, TimeIsMolesVaporizedOverTheRate)
{
    const Caso c = GetParam();
    Etapa etapa(c.alfa, c.mma, c.mmb, c.x0, c.platos, c.R);
    const double unMol = c.x0 * etapa.mma + (1 - c.x0) * etapa.mmb;  // grams
    const EtapaEvaluable ev = etapa.evaluable(unMol);
    const AcumuladoCalor& a = etapa.acumulado(nullptr);
    const double V = 0.25;  // mol/min
    for (int P = 0; P <= 100; P += 5) {
        const double tNd = EvaluarMagnitudes(ev, P)[MolesTotalDest];
        const auto t = tiempoCalorEnFila(a, caudal(V), unMol, filaDeAvance(P));
        ASSERT_TRUE(t);
        EXPECT_NEAR(t->minutos, (c.R + 1) * tNd / V, 1e-12 * (c.R + 1) * tNd / V) << "P = " << P;
        EXPECT_FALSE(t->kJ);
    }
}

INSTANTIATE_TEST_SUITE_P(Etapas, ConCaudal,
                         testing::Values(kBencenoTolueno, con(kBencenoTolueno, 0.05, 0, 0, 100), con(kBencenoTolueno, 1, 0, 0, 1.01),
                                         con(kBencenoTolueno, 0.4, 5, 2), con(kBencenoTolueno, 0.4, 1, 0)));

// --- A power: the heat of every row against a bubble point at every row,
// Watson written out here and trapezoids over the moles left in the still
// as the quantities give them, in long double. A pure charge boils at its
// own boiling point throughout: the textbook's Q = n dH.

long double watson(int compuesto, double T)
{
    const termo::Constantes c = *termo::constantesDe(compuesto);
    return c.entalpiaVaporizacion * std::pow((c.Tc - T) / (c.Tc - c.tEntalpia), 0.38L);
}

TEST_P(ConPotencia, HeatMatchesABubblePointAtEveryRow)
{
    const Caso p = GetParam();
    const termo::Sistema s = sistema(p.a, p.b);
    Etapa etapa(p.alfa, p.mma, p.mmb, p.x0, p.platos, p.R);
    const double gramos = 1000;
    const EtapaEvaluable ev = etapa.evaluable(gramos);
    const AcumuladoCalor& a = etapa.acumulado(&s);
    ASSERT_TRUE(a.conCalor);
    const auto calorPorMol = [&](int fila) {
        const double x = etapa.cadena.columna(1)[static_cast<std::size_t>(std::min(fila, kPasosAvance - 1))];
        const double T = s.burbuja(x).T, y = etapa.elv.yEq(x);
        return (1 + p.R) * (y * watson(s.compuestoA(), T) + (1 - y) * watson(s.compuestoB(), T));
    };
    long double calor = 0;
    double nAnterior = EvaluarMagnitudes(ev, 0)[MolesTotalResid];
    for (int fila = 1; fila <= kPasosAvance; ++fila) {
        const double n = EvaluarMagnitudes(ev, fila / 100.0)[MolesTotalResid];
        calor += (nAnterior - n) * (calorPorMol(fila - 1) + calorPorMol(fila)) / 2;
        nAnterior = n;
        if (fila % 500) continue;
        const auto t = tiempoCalorEnFila(a, potencia(300), gramos, fila);
        ASSERT_TRUE(t && t->kJ);
        EXPECT_NEAR(*t->kJ, static_cast<double>(calor / 1000), kToleranciaCalor * static_cast<double>(calor / 1000)) << fila;
        EXPECT_DOUBLE_EQ(t->minutos, *t->kJ * 1000 / 300 / 60);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pares, ConPotencia,
    testing::Values(kBencenoTolueno, con(kBencenoTolueno, 0.4, 5, 2), con(kBencenoTolueno, 1),
                    Caso{"ethanol", "water", 6, 46.068, 18.015, 0.3, 0, 0}));

// The sums follow the stage's table: a new charge gives new ones.
TEST(Calor, TheSumsFollowTheStagesTable)
{
    Etapa etapa(2.45, 78.1121, 92.14, 0.4);
    const double antes = etapa.acumulado(nullptr).moles[kPasosAvance];
    etapa.cadena.fijarCargaInicial(0.9);
    etapa.cadena.invalidar();
    ASSERT_TRUE(etapa.cadena.asegurar(1, etapa.elv, etapa.mma, etapa.mmb));
    EXPECT_NE(etapa.acumulado(nullptr).moles[kPasosAvance], antes);
}

// --- Watson's relation gives each compound's handbook value at the handbook's
// boiling point, grows below it, and has none at or above Tc.
TEST(Watson, TheTablesOwnLatentHeatAtItsBoilingPointAndNoneFromTc)
{
    for (int i = 0; i < termo::numCompuestos(); ++i) {
        const termo::Constantes c = *termo::constantesDe(i);
        EXPECT_NEAR(*calorLatente(c, c.tEntalpia), c.entalpiaVaporizacion, 1e-9 * c.entalpiaVaporizacion) << i;
        EXPECT_GT(*calorLatente(c, c.tEntalpia - 20), c.entalpiaVaporizacion) << i;
        EXPECT_FALSE(calorLatente(c, c.Tc));
        EXPECT_FALSE(calorLatente(c, c.Tc + 1));
    }
    // Water at 25 °C: 43.99 kJ/mol in the steam tables; Watson is within 2 %.
    EXPECT_NEAR(*calorLatente(*termo::constantesDe(termo::compuestoDe("water")), 298.15), 43990, 0.02 * 43990);
}

// --- The box: blank is no heating; a number within range in one of four
// units; anything else one message.
TEST(Calefaccion, TheBoxReadsANumberInItsUnitOrSaysItIsNotValid)
{
    EXPECT_FALSE(leerCalefaccion({"  ", 0}).calefaccion || leerCalefaccion({"  ", 0}).error);
    for (const auto& [t, si] : {std::pair{TextosCalefaccion{"300", 0}, 300.0}, {{"1,5", 1}, 1500.0}, {{"6", 2}, 0.1},
                                {{"3.6", 3}, 1.0}, {{"1e12", 0}, 1e12}, {{"1e-9", 0}, 1e-9}})
        EXPECT_NEAR(leerCalefaccion(t).calefaccion.value_or(Calefaccion{}).valorSI, si, 1e-12 * si) << t.valor;
    for (const TextosCalefaccion& t : {TextosCalefaccion{"0", 0}, {"-5", 0}, {"abc", 2}, {"1.5e12", 0}, {"9e-10", 1}, {"300", 4}})
        EXPECT_EQ(leerCalefaccion(t).error, &mensajes::calefaccion) << t.valor;
}

// --- Refusals in the table: a power without latent heats; a still boiling
// above a critical temperature with a power or when the heat is asked for;
// a boil-up rate there still gives its time.
TEST(Calefaccion, TheTableRefusesWhatHasNoLatentHeat)
{
    Entradas e;
    e.mma = 78.1121, e.mmb = 92.14, e.alfa = 2.45, e.x0 = 0.4, e.m0 = 500;
    const ModeloELV elv{false, e.alfa, nullptr};
    const termo::Sistema critico = sistema("benzene", "toluene", termo::Modelo::Ideal, 5e6);
    const Calefaccion w = potencia(300), v = caudal(1);
    const struct {
        const Calefaccion* c;
        const termo::Sistema* s;
        std::vector<int> items;
        const Texto* error;
        std::size_t columnas;
    } filas[] = {{&w, nullptr, {0, kTiempo, kCalor}, &mensajes::potenciaSinCalorLatente, 0},
                 {&v, nullptr, {0, kTiempo, kCalor}, nullptr, 2},
                 {&w, &critico, {kTiempo}, &mensajes::sobreCritica, 0},
                 {&v, &critico, {kTiempo, kCalor}, &mensajes::sobreCritica, 0},
                 {&v, &critico, {kTiempo}, nullptr, 1},
                 {nullptr, nullptr, {0, kTiempo, kCalor}, nullptr, 1}};
    for (const auto& f : filas) {
        CadenaEtapas cadena;
        RelojEtapas reloj;
        const PeticionTabla p{"benzene", "toluene", 1, 10, f.items, '.'};
        const ResultadoValores r = ValoresTablaVista(cadena, elv, e, {}, p, {}, {f.c, &reloj, f.s});
        EXPECT_EQ(r.error, f.error);
        EXPECT_EQ(r.valores.items.size(), f.columnas);
    }
}

}  // namespace
