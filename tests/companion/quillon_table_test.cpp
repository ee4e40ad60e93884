// quillon-table run as a person runs it: output, messages and exit status.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <ostream>

#include "companion/quillon_table_apoyo.h"

using namespace quillon_table;

namespace {

TEST_F(QuillonTable, PrintsTheFirstStageTableOfTheExample)
{
    const Salida s = correr(ejemplo());
    EXPECT_EQ(s.estado, 0);
    EXPECT_EQ(s.err, "");
    const std::string inicio =
        "Distillation of binary mixture of benzene (A) and toluene (B)\r\n"
        "Initial mass of mixture = 500 g\r\n"
        "Molar mass of benzene (A) = 78.112 g/mol\r\n"
        "Molar mass of toluene (B) = 92.14 g/mol\r\n"
        "Number of the current stage of distillation = 1 / 3\r\n"
        "\r\n"
        "%tMd = % Total mass distilled\r\n"
        "%MAd = % Accumulated mass of A distilled\r\n"
        " XAd = Accumulated mole fraction of A distilled\r\n"
        " tMd = Total mass distilled (g)\r\n"
        "\r\n"
        "%tMd        %MAd         XAd         tMd        \r\n"
        "0           0           0           0           \r\n";
    EXPECT_EQ(s.out.substr(0, inicio.size()), inicio);
    EXPECT_TRUE(s.out.ends_with("100         36.109      0.4         500         \r\n"));
}

TEST_F(QuillonTable, LaterStagesAreChargedWithTheEarlierCutsOfTheFile)
{
    const Salida dos = correr(ejemplo() + " --stage 2 --rows 10");
    EXPECT_EQ(dos.estado, 0);
    EXPECT_NE(dos.out.find("Initial mass of mixture = 200 g\r\n"), std::string::npos);
    EXPECT_NE(dos.out.find("stage of distillation = 2 / 3\r\n"), std::string::npos);
    const Salida tres = correr(ejemplo() + " --stage 3");
    EXPECT_NE(tres.out.find("Initial mass of mixture = 100 g\r\n"), std::string::npos);
    // Stage 2 distilled to the end gives back its charge: stage 1's
    // distillate at 40 %, mole fraction 0.56454.
    const Salida uno = correr(ejemplo());
    EXPECT_NE(uno.out.find("\r\n40          52.359      0.56454     200         \r\n"), std::string::npos);
    EXPECT_TRUE(dos.out.ends_with("0.56454     200         \r\n")) << dos.out;
}

TEST_F(QuillonTable, RowsAndItemsFollowTheOptions)
{
    const Salida s = correr(ejemplo() + " --rows 10 --items 'XAd,%MBs, tMs,22'");
    ASSERT_EQ(s.estado, 0) << s.err;
    EXPECT_NE(s.out.find("\r\n\r\n XAd = Accumulated mole fraction of A distilled\r\n"
                         "%MBs = % Mass of B in still pot\r\n"
                         " tMs = Total mass in still pot (g)\r\n"
                         " YAd = Mole fraction of A in distilled vapor\r\n\r\n"
                         " XAd        %MBs         tMs         YAd        \r\n"),
              std::string::npos);
    std::size_t filas = 0;
    const std::string cabecera = " YAd        \r\n";
    for (std::size_t p = s.out.find(cabecera) + cabecera.size(); (p = s.out.find("\r\n", p)) != std::string::npos; p += 2)
        ++filas;
    EXPECT_EQ(filas, 11u);
}

TEST_F(QuillonTable, CsvGivesAllQuantitiesInFullPrecision)
{
    const Salida s = correr(ejemplo() + " --csv");
    ASSERT_EQ(s.estado, 0) << s.err;
    const auto l = lineasCsv(s.out);
    ASSERT_EQ(l.size(), 22u);
    EXPECT_EQ(l[0], "%tMd,%tNd,%MAd,%MAs,XAd,XAs,tMd,tNd,%MBs,XBs,%MBd,XBd,tMs,tNs,MAs,MBs,NAs,NBs,MAd,MBd,NAd,NBd,YAd");
    for (std::size_t i = 1; i < l.size(); ++i) {
        EXPECT_EQ(std::count(l[i].begin(), l[i].end(), ','), 22) << l[i];
        EXPECT_EQ(l[i].find('\r'), std::string::npos);
    }
    EXPECT_TRUE(l[1].starts_with("0,0,0,36.10916314144509")) << l[1];
    EXPECT_TRUE(l[21].starts_with("100,100")) << l[21];
}

double campo(const std::string& linea, int i)
{
    std::stringstream ss(linea);
    std::string c;
    for (int k = 0; k <= i; ++k) std::getline(ss, c, ',');
    return std::stod(c);
}

// With --temperatures two columns follow the others; without it nothing
// changes. The distillate of the whole charge boils where the charge did.
TEST_F(QuillonTable, TemperaturesComeLastAndOnlyWhenAsked)
{
    const auto sin = lineasCsv(correr(ejemplo() + " --csv").out);
    const Salida s = correr(ejemplo() + " --csv --temperatures");
    ASSERT_EQ(s.estado, 0) << s.err;
    const auto con = lineasCsv(s.out);
    ASSERT_EQ(con.size(), sin.size());
    EXPECT_EQ(con[0], sin[0] + ",TBs,TBd");
    for (std::size_t i = 1; i < con.size(); ++i) EXPECT_TRUE(con[i].starts_with(sin[i] + ",")) << con[i];
    const double inicio = campo(con[1], 23), final = campo(con.back(), 24);
    EXPECT_NEAR(inicio, final, 1e-9);
    EXPECT_TRUE(inicio > 80.1 && inicio < 110.6) << inicio;  // between the pure boiling points
    const Salida texto = correr(ejemplo() + " --temperatures --items 5");
    EXPECT_NE(texto.out.find(" TBs = Boiling temperature of liquid in still pot (°C; ideal, 1 atm)\r\n"), std::string::npos)
        << texto.out;
    std::string bdf = leer(fs::path(QUILLON_EXAMPLES_DIR) / "benzene-toluene-3-stages.bdf");
    bdf.replace(bdf.find("<A=benzene>"), 11, "<A=unobtainium>");
    const Salida nada = correr("'" + escribir("x.bdf", bdf).string() + "' --temperatures");
    EXPECT_EQ(nada.estado, 2);
    EXPECT_TRUE(nada.err.starts_with("ERROR: No boiling temperatures")) << nada.err;
}

// The window's rules through the companion: a kilogram document gives a
// thousand times the moles of the same one in grams; a cut no percent box
// takes stops the table of a later stage with its message.
TEST_F(QuillonTable, AFilesUnitAndCutsAreReadAsTheWindowReadsThem)
{
    std::string bdf = leer(fs::path(QUILLON_EXAMPLES_DIR) / "benzene-toluene-3-stages.bdf");
    const auto g = lineasCsv(correr("'" + escribir("g.bdf", bdf).string() + "' --csv").out);
    bdf.replace(bdf.find("<MU=g>"), 6, "<MU=kg>");
    const auto kg = lineasCsv(correr("'" + escribir("kg.bdf", bdf).string() + "' --csv").out);
    ASSERT_EQ(g.size(), kg.size());
    for (std::size_t i = 1; i < g.size(); ++i) {
        EXPECT_EQ(campo(kg[i], 12), campo(g[i], 12));                            // tMs, the number typed
        EXPECT_NEAR(campo(kg[i], 13), 1000 * campo(g[i], 13), 1e-9 * campo(kg[i], 13));  // tNs
    }
    bdf.replace(bdf.find("<%E1=40 >"), 9, "<%E1=140 >");
    const Salida s = correr("'" + escribir("corte.bdf", bdf).string() + "' --stage 2");
    EXPECT_EQ(s.estado, 2);
    EXPECT_EQ(s.err, "ERROR: The percentage distilled in stage 1 is not valid\n");
}

TEST_F(QuillonTable, InvalidAlphaIsReportedOnStandardErrorOnly)
{
    std::string bdf = QuillonTable::leer(fs::path(QUILLON_EXAMPLES_DIR) / "benzene-toluene-3-stages.bdf");
    bdf.replace(bdf.find("<ALPHA=2.45>"), 12, "<ALPHA=1>");
    const Salida s = correr("'" + escribir("alfa.bdf", bdf).string() + "'");
    EXPECT_EQ(s.estado, 2);
    EXPECT_EQ(s.out, "");
    EXPECT_EQ(s.err, "ERROR: Relative volatility is out of range\n");
}

struct Rechazo {
    const char* argumentos;
    int estado;
    const char* fragmento;  // of the one-line message
};

void PrintTo(const Rechazo& r, std::ostream* os) { *os << r.argumentos; }

class QuillonTableRechazos : public QuillonTable, public testing::WithParamInterface<Rechazo> {};

TEST_P(QuillonTableRechazos, ExitWithTheirStatusAndOneMessage)
{
    const Salida s = correr(GetParam().argumentos);
    EXPECT_EQ(s.estado, GetParam().estado);
    EXPECT_EQ(s.out, "");
    EXPECT_NE(s.err.find(GetParam().fragmento), std::string::npos) << s.err;
    if (GetParam().estado == 2) {
        EXPECT_EQ(std::count(s.err.begin(), s.err.end(), '\n'), 1) << s.err;
    }
}

#define EJEMPLO QUILLON_EXAMPLES_DIR "/benzene-toluene-3-stages.bdf"
INSTANTIATE_TEST_SUITE_P(
    Examples, QuillonTableRechazos,
    testing::Values(Rechazo{"", 1, "no file"}, Rechazo{"--rows 20", 1, "no file"}, Rechazo{EJEMPLO " --rows 7", 1, "--rows"},
                    Rechazo{EJEMPLO " --stage 0", 1, "--stage"}, Rechazo{EJEMPLO " --stage 4", 1, "3 stage"},
                    Rechazo{EJEMPLO " --items 23", 1, "unknown item: 23"}, Rechazo{EJEMPLO " --items XYZ", 1, "XYZ"},
                    Rechazo{EJEMPLO " --items ''", 1, "--items"}, Rechazo{EJEMPLO " --items ,,,", 1, "--items"},
                    Rechazo{EJEMPLO " --stage", 1, "--stage needs"}, Rechazo{EJEMPLO " --bogus", 1, "unknown option: --bogus"},
                    Rechazo{EJEMPLO " -x", 1, "unknown option: -x"}, Rechazo{"-x " EJEMPLO, 1, "unknown option: -x"},
                    Rechazo{"a.bdf b.bdf", 1, "only one file"}, Rechazo{EJEMPLO " --pressure 50", 1, "--equilibrium"},
                    Rechazo{"--equilibrium water", 1, "two values"}, Rechazo{EJEMPLO " --equilibrium water ethanol", 1, "no file"},
                    Rechazo{"--equilibrium water ethanol --rows 10", 1, "--rows"},
                    Rechazo{"--equilibrium water ethanol --model wilson", 1, "--model"},
                    Rechazo{"--equilibrium water ethanol --points 0", 1, "--points"},
                    Rechazo{"--equilibrium water ethanol --pressure 1e", 1, "--pressure"},
                    Rechazo{"--equilibrium water unobtainium", 2, "unobtainium"},
                    Rechazo{"--equilibrium etilenglicol Estireno", 2, "ethylene glycol - styrene"},
                    Rechazo{"--equilibrium water ethanol --pressure 0.01", 2, "pressure"}));
#undef EJEMPLO

TEST_F(QuillonTable, DoubleDashEndsTheOptions)
{
    fs::copy_file(fs::path(QUILLON_EXAMPLES_DIR) / "benzene-toluene-3-stages.bdf", dir / "-odd-name.bdf");
    EXPECT_EQ(correr("-- -odd-name.bdf").estado, 0);
    EXPECT_EQ(correr("--csv -- -odd-name.bdf").out, correr("--csv ./-odd-name.bdf").out);
    EXPECT_EQ(correr("-odd-name.bdf").estado, 1);
}

// What is not a document is refused, by its kind or size, before reading.
struct NoDocumento {
    const char* nombre;
    fs::path (*preparar)(const fs::path& dir);
    const char* mensaje;
};

void PrintTo(const NoDocumento& n, std::ostream* os) { *os << n.nombre; }

class QuillonTableNoDocumentos : public QuillonTable, public testing::WithParamInterface<NoDocumento> {};

TEST_P(QuillonTableNoDocumentos, AreRefusedWithoutReading)
{
    const fs::path ruta = GetParam().preparar(dir);
    const Salida s = correr("'" + ruta.string() + "'");
    EXPECT_EQ(s.estado, 2);
    EXPECT_EQ(s.out, "");
    EXPECT_EQ(s.err, std::string(GetParam().mensaje) + "\n" + ruta.string() + "\n");
}

// The example padded with zero bytes to `bytes`.
fs::path ejemploDeTamano(const fs::path& dir, std::uintmax_t bytes)
{
    const fs::path ruta = dir / "grande.bdf";
    fs::copy_file(fs::path(QUILLON_EXAMPLES_DIR) / "benzene-toluene-3-stages.bdf", ruta);
    fs::resize_file(ruta, bytes);
    return ruta;
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, QuillonTableNoDocumentos,
    testing::Values(
        NoDocumento{"missing", [](const fs::path& d) { return d / "no-such.bdf"; }, "ERROR: Unable to open the file:"},
        NoDocumento{"folder", [](const fs::path& d) { return d; }, "ERROR: Not a document file:"},
        NoDocumento{"endless device", [](const fs::path&) { return fs::path("/dev/zero"); }, "ERROR: Not a document file:"},
        NoDocumento{"pipe with no writer",
                    [](const fs::path& d) {
                        mkfifo((d / "fifo").c_str(), 0600);
                        return d / "fifo";
                    },
                    "ERROR: Not a document file:"},
        NoDocumento{"1 MB and a byte", [](const fs::path& d) { return ejemploDeTamano(d, (1 << 20) + 1); },
                    "ERROR: The file is too large for a document:"}));

TEST_F(QuillonTable, ADocumentOfExactly1MBIsRead)
{
    const Salida s = correr("'" + ejemploDeTamano(dir, 1 << 20).string() + "'");
    EXPECT_EQ(s.estado, 0) << s.err;
    EXPECT_EQ(s.out, correr(ejemplo()).out);
}

}  // namespace
