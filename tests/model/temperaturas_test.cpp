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

// A charge above the azeotrope of the isopropanol-water table (x = 0.69)
// leaves a still ever richer in isopropanol: at 100 % distilled it boils as
// its last liquid does, near pure isopropanol (82.3 C), not as water.
TEST(UltimaFila, TheStillAtTheEndBoilsAsItsLastLiquid)
{
    const std::string bytes = prueba::leerBytes(QUILLON_EXAMPLES_DIR "/isopropanol-water-1atm.bdf");
    const LecturaBdf l = LeerBdf(bytes, "isopropanol-water-1atm.bdf");
    ASSERT_TRUE(l.ok()) << l.error;
    DocumentoDestilacion d = l.doc;
    d.x0 = "0.9";
    std::array<double, kMaxEtapas> cortes{};
    EstadoNumerico estado;
    const Entradas e = entradasDeDocumento(d, cortes, estado);
    SuperTablaELV densa{};
    CrearSuperTABLA_ELV(d.tabla, densa);
    const ModeloELV elv{true, 0, &densa};
    const termo::Sistema s = std::get<termo::Sistema>(sistemaDeTemperaturas(d.compA, d.compB, d.condiciones));
    CadenaEtapas cadena;
    PeticionTabla p{d.compA, d.compB, 1, 10, {XAResid, kTempAlambique, kTempDestilado}};
    const ResultadoValores v = ValoresTablaVista(cadena, elv, e, cortes, p, {&s, "UNIFAC, 1 atm"});
    ASSERT_TRUE(v.valido);
    const auto& ultima = v.valores.filas.back();
    EXPECT_EQ(ultima[0], 0);  // the still's mole fraction reads 0 there, by convention
    const double ipa = termo::temperaturaEbullicion(termo::compuestoDe("isopropanol"), 101325) - kCeroCelsius;
    EXPECT_NEAR(ultima[1], ipa, 0.5);
    EXPECT_NEAR(ultima[1], v.valores.filas[9][1], 1);  // no jump from the row before
    // The whole distillate is the charge again.
    EXPECT_DOUBLE_EQ(ultima[2], s.burbuja(0.9).T - kCeroCelsius);
}

}  // namespace
