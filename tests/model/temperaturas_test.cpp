// The boiling temperatures of a stage: which model a document's pair gets,
// why a pair gets none, and the still's temperature as it empties.

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "formats/documento.h"
#include "model/cadena.h"
#include "model/tabla_texto.h"
#include "model/temperaturas.h"
#include "support/bytes.h"

using namespace quillon;

namespace {

struct FilaModelo {
    const char *a, *b;
    std::optional<CondicionesTermo> condiciones;
    const char* modelo;  // as the legend names it, or the message
};

void PrintTo(const FilaModelo& f, std::ostream* os) { *os << f.a << " - " << f.b; }

class ModeloDeTemperaturas : public testing::TestWithParam<FilaModelo> {};

TEST_P(ModeloDeTemperaturas, UnifacWherePossibleTheDocumentsOwnOrTheCauseOfNone)
{
    const FilaModelo& f = GetParam();
    const auto s = sistemaDeTemperaturas(f.a, f.b, f.condiciones);
    if (const auto* error = std::get_if<std::string>(&s)) EXPECT_EQ(*error, f.modelo);
    else EXPECT_EQ(textoModelo(std::get<termo::Sistema>(s), f.condiciones), f.modelo);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, ModeloDeTemperaturas,
    testing::Values(
        FilaModelo{"etanol", "Agua", std::nullopt, "UNIFAC, 1 atm"},
        // No UNIFAC parameters: Raoult's law, unless the document asks for UNIFAC.
        FilaModelo{"etilenglicol", "styrene", std::nullopt, "ideal, 1 atm"},
        FilaModelo{"etilenglicol", "styrene", CondicionesTermo{"1", kAtmosferas, termo::Modelo::Unifac},
                   "ERROR: No UNIFAC parameters for the pair ethylene glycol - styrene"},
        FilaModelo{"water", "ethanol", CondicionesTermo{"760", 3, termo::Modelo::Ideal}, "ideal, 760 mmHg"},
        FilaModelo{"ethanol", "water", CondicionesTermo{"abc", 2, termo::Modelo::Unifac},
                   "ERROR: No boiling temperatures: the document's pressure must be between 1E-3 and 100 bar"}));

struct FilaFinal {
    const char* archivo;
    const char* x0;      // replaces the document's, when given
    double xFinal;       // where the still's last liquid ends
    const char* nombre;
};

void PrintTo(const FilaFinal& f, std::ostream* os) { *os << f.nombre; }

class UltimaFila : public testing::TestWithParam<FilaFinal> {};

// At 100 % distilled the still boils as the liquid it ends with as it
// empties, the pure component or azeotrope its composition runs to (at one
// alpha always pure B, however steeply the last percent falls to it); the
// distillate is the charge again. Before anything is distilled the
// distillate boils as the first drop: the condenser's under a column, richer
// than the still's own vapour.
TEST_P(UltimaFila, TheStillEndsAsItsLastLiquidAndTheFirstDropIsTheCondensers)
{
    const FilaFinal& f = GetParam();
    const LecturaBdf l = LeerBdf(prueba::leerBytes(std::string(QUILLON_EXAMPLES_DIR "/") + f.archivo), f.archivo);
    ASSERT_TRUE(l.ok()) << l.error;
    DocumentoDestilacion d = l.doc;
    if (f.x0) d.x0 = f.x0;
    std::array<double, kMaxEtapas> cortes{};
    EstadoNumerico estado;
    const Entradas e = entradasDeDocumento(d, cortes, estado);
    SuperTablaELV densa{};
    if (e.modoTabla) CrearSuperTABLA_ELV(d.tabla, densa);
    const ModeloELV elv{e.modoTabla, e.alfa, &densa};
    const termo::Sistema s = std::get<termo::Sistema>(sistemaDeTemperaturas(d.compA, d.compB, d.condiciones));
    CadenaEtapas cadena;
    cadena.fijarColumna(leerColumnaPlatos(d.columna.value_or(TextosColumnaPlatos{})).columna);
    PeticionTabla p{d.compA, d.compB, 1, 200, {YAVapor, kTempAlambique, kTempDestilado}};
    if (d.columna) p.items.push_back(kDestiladoCondensador);
    const ResultadoValores v = ValoresTablaVista(cadena, elv, e, cortes, p, {&s, "UNIFAC, 1 atm"});
    ASSERT_TRUE(v.valido);
    const auto& filas = v.valores.filas;
    const auto& ultima = filas.back();
    const auto T = [&s](double x) { return s.burbuja(x).T - kCeroCelsius; };
    EXPECT_DOUBLE_EQ(ultima[1], T(f.xFinal));
    EXPECT_DOUBLE_EQ(ultima[2], T(std::stod(d.x0)));
    const double primeraGota = d.columna ? filas[0][3] : filas[0][0];
    EXPECT_DOUBLE_EQ(filas[0][2], T(primeraGota));
    if (d.columna) {
        EXPECT_GT(primeraGota, filas[0][0] + 0.1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Temperaturas, UltimaFila,
    testing::Values(
        // Above the table's azeotrope (x = 0.69) the still grows ever richer
        // in isopropanol.
        FilaFinal{"isopropanol-water-1atm.bdf", "0.9", 1, "above the azeotrope"},
        FilaFinal{"isopropanol-water-1atm.bdf", "0.3", 0, "below the azeotrope"},
        // One alpha: the still ends as toluene, however rich the charge, under
        // a column as without.
        FilaFinal{"benzene-toluene-3-stages.bdf", "0.95", 0, "a rich charge at one alpha"},
        FilaFinal{"benzene-toluene-5-plates-reflux-2.bdf", nullptr, 0, "a column at one alpha"}));

}  // namespace
