// quillon-table run as a person runs it: output, messages and exit status.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Salida {
    int estado = -1;
    std::string out, err;
};

class QuillonTable : public testing::Test {
protected:
    void SetUp() override
    {
        std::string plantilla = (fs::temp_directory_path() / "quillon-table-XXXXXX").string();
        ASSERT_NE(mkdtemp(plantilla.data()), nullptr);
        dir = plantilla;
    }
    void TearDown() override { fs::remove_all(dir); }

    static std::string leer(const fs::path& p)
    {
        std::ifstream f(p, std::ios::binary);
        std::ostringstream s;
        s << f.rdbuf();
        return s.str();
    }
    fs::path escribir(const std::string& nombre, const std::string& bytes) const
    {
        std::ofstream(dir / nombre, std::ios::binary) << bytes;
        return dir / nombre;
    }
    // Runs the program with its arguments (quoted by the caller as needed).
    Salida correr(const std::string& argumentos) const
    {
        const std::string orden = std::string("'") + QUILLON_TABLE_EXE + "' " + argumentos + " >'" +
                                  (dir / "out").string() + "' 2>'" + (dir / "err").string() + "' </dev/null";
        const int r = std::system(orden.c_str());
        Salida s;
        s.estado = WIFEXITED(r) ? WEXITSTATUS(r) : -1;
        s.out = leer(dir / "out");
        s.err = leer(dir / "err");
        return s;
    }
    static std::string ejemplo() { return std::string("'") + QUILLON_EXAMPLES_DIR + "/benzene-toluene-3-stages.bdf'"; }

    fs::path dir;
};

std::vector<std::string> lineasCsv(const std::string& t)
{
    std::vector<std::string> r;
    std::istringstream s(t);
    for (std::string l; std::getline(s, l);) r.push_back(l);
    return r;
}

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

TEST_F(QuillonTable, InvalidAlphaIsReportedOnStandardErrorOnly)
{
    std::string bdf = QuillonTable::leer(fs::path(QUILLON_EXAMPLES_DIR) / "benzene-toluene-3-stages.bdf");
    bdf.replace(bdf.find("<ALPHA=2.45>"), 12, "<ALPHA=1>");
    const Salida s = correr("'" + escribir("alfa.bdf", bdf).string() + "'");
    EXPECT_EQ(s.estado, 2);
    EXPECT_EQ(s.out, "");
    EXPECT_EQ(s.err, "ERROR: Relative volatility is out of range\n");
}

TEST_F(QuillonTable, MissingFileExitsWithStatus2)
{
    const Salida s = correr("'" + (dir / "no-such.bdf").string() + "'");
    EXPECT_EQ(s.estado, 2);
    EXPECT_EQ(s.out, "");
    EXPECT_TRUE(s.err.starts_with("ERROR:")) << s.err;
}

class QuillonTableArgumentos : public QuillonTable, public testing::WithParamInterface<const char*> {};

TEST_P(QuillonTableArgumentos, WrongArgumentsExitWithStatus1)
{
    const Salida s = correr(GetParam());
    EXPECT_EQ(s.estado, 1);
    EXPECT_EQ(s.out, "");
    EXPECT_NE(s.err, "");
}

#define EJEMPLO QUILLON_EXAMPLES_DIR "/benzene-toluene-3-stages.bdf"
INSTANTIATE_TEST_SUITE_P(Examples, QuillonTableArgumentos,
                         testing::Values("", "--rows 20", EJEMPLO " --rows 7", EJEMPLO " --stage 0",
                                         EJEMPLO " --stage 4", EJEMPLO " --items 23", EJEMPLO " --items XYZ",
                                         EJEMPLO " --stage", EJEMPLO " --bogus", "a.bdf b.bdf"));
#undef EJEMPLO

TEST_F(QuillonTable, HelpExplainsTheOptions)
{
    const Salida s = correr("--help");
    EXPECT_EQ(s.estado, 0);
    EXPECT_TRUE(s.out.starts_with("Usage: quillon-table FILE")) << s.out;
    for (const char* opcion : {"--stage", "--rows", "--items", "--csv"}) EXPECT_NE(s.out.find(opcion), std::string::npos);
    EXPECT_EQ(s.err, "");
}

}  // namespace
