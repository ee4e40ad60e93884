// quillon-table run as a person runs it, in a temporary folder that holds
// the three-stage example as doc.bdf: output, messages and exit status, of a
// document's table and of the predicted boiling curve of a named pair. (The
// numbers are the model's, checked in tests/model.)

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "model/termo.h"
#include "support/bytes.h"
#include "support/sistema.h"

using namespace quillon::termo;
using quillon::prueba::leerBytes;

namespace {

namespace fs = std::filesystem;

constexpr auto npos = std::string::npos;

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
        fs::copy_file(fs::path(QUILLON_EXAMPLES_DIR) / "benzene-toluene-3-stages.bdf", dir / "doc.bdf");
    }
    void TearDown() override { fs::remove_all(dir); }

    // In the temporary folder, the shell command `antes` (which may prepare a
    // file), then the program with its arguments (quoted by the caller as
    // needed); a program that hangs is stopped after 20 s.
    Salida correr(const std::string& argumentos, const std::string& antes = "true") const
    {
        const std::string orden = "cd '" + dir.string() + "' && " + antes + " && timeout 20 '" + QUILLON_TABLE_EXE + "' " +
                                  argumentos + " >out 2>err </dev/null";
        const int r = std::system(orden.c_str());
        return {WIFEXITED(r) ? WEXITSTATUS(r) : -1, leerBytes(dir / "out"), leerBytes(dir / "err")};
    }

    fs::path dir;
};

std::vector<std::string> lineasCsv(const std::string& t)
{
    std::vector<std::string> r;
    std::istringstream s(t);
    for (std::string l; std::getline(s, l);) r.push_back(l);
    return r;
}

// The document's names, charge and stages, the start-up items and rows from
// the charge to the empty still; items by code (with or without the code's
// blank) or by index, and 10 intervals. A later stage is charged with the
// distillates of the earlier cuts.
TEST_F(QuillonTable, PrintsAStagesTableChargedWithTheEarlierCutsOfTheFile)
{
    const Salida uno = correr("doc.bdf"), dos = correr("doc.bdf --stage 2 --rows 10 --items 'XAd,%MBs, tMs,22'");
    EXPECT_TRUE(uno.estado == 0 && dos.estado == 0);
    EXPECT_EQ(uno.err + dos.err, "");
    EXPECT_TRUE(uno.out.starts_with("Distillation of binary mixture of benzene (A) and toluene (B)\r\n"
                                    "Initial mass of mixture = 500 g\r\n"))
        << uno.out;
    EXPECT_NE(uno.out.find("stage of distillation = 1 / 3\r\n"), npos);
    EXPECT_NE(uno.out.find("\r\n%tMd        %MAd         XAd         tMd        \r\n"
                           "0           0           0           0           \r\n"),
              npos);
    EXPECT_TRUE(uno.out.ends_with("100         36.109      0.4         500         \r\n"));
    EXPECT_NE(dos.out.find("Initial mass of mixture = 200 g\r\n"), npos);
    EXPECT_NE(dos.out.find("stage of distillation = 2 / 3\r\n"), npos);
    const std::string cabecera = "\r\n\r\n XAd        %MBs         tMs         YAd        \r\n";
    ASSERT_NE(dos.out.find(cabecera), npos) << dos.out;
    EXPECT_EQ(std::count(dos.out.begin() + static_cast<long>(dos.out.find(cabecera) + cabecera.size()), dos.out.end(), '\n'), 11);
    // Stage 2 distilled to the end gives back its charge: stage 1's
    // distillate at 40 %, mole fraction 0.56454.
    EXPECT_NE(uno.out.find("\r\n40          52.359      0.56454     200         \r\n"), npos);
    EXPECT_TRUE(dos.out.ends_with("\r\n0.56454     0           0           0           \r\n")) << dos.out;
}

double campo(const std::string& linea, int i)
{
    std::stringstream ss(linea);
    std::string c;
    for (int k = 0; k <= i; ++k) std::getline(ss, c, ',');
    return std::stod(c);
}

// Every quantity in full precision under its code, lines without CR. With
// --temperatures two columns follow the others, and the distillate of the
// whole charge boils where the charge did. A kilogram document gives the
// same masses and a thousand times the moles.
TEST_F(QuillonTable, CsvGivesAllQuantitiesInFullPrecisionAndTemperaturesLast)
{
    const auto sin = lineasCsv(correr("doc.bdf --csv").out);
    const Salida s = correr("doc.bdf --csv --temperatures");
    ASSERT_EQ(s.estado, 0) << s.err;
    const auto con = lineasCsv(s.out);
    EXPECT_NE(correr("doc.bdf --temperatures --items 5").out.find(" TBs = Boiling temperature of liquid in still pot (°C; UNIFAC, 1 atm)\r\n"),
              npos);
    const auto kg = lineasCsv(correr("doc.bdf --csv", "sed -i s/MU=g/MU=kg/ doc.bdf").out);
    ASSERT_TRUE(sin.size() == 22u && con.size() == 22u && kg.size() == 22u);
    EXPECT_EQ(sin[0], "%tMd,%tNd,%MAd,%MAs,XAd,XAs,tMd,tNd,%MBs,XBs,%MBd,XBd,tMs,tNs,MAs,MBs,NAs,NBs,MAd,MBd,NAd,NBd,YAd");
    EXPECT_EQ(con[0], sin[0] + ",TBs,TBd");
    EXPECT_TRUE(sin[1].starts_with("0,0,0,36.10916314144509")) << sin[1];
    EXPECT_TRUE(sin[21].starts_with("100,100")) << sin[21];
    for (std::size_t i = 1; i < sin.size(); ++i) {
        EXPECT_EQ(std::count(sin[i].begin(), sin[i].end(), ','), 22) << sin[i];
        EXPECT_EQ(sin[i].find('\r'), npos);
        EXPECT_TRUE(con[i].starts_with(sin[i] + ",")) << con[i];
        EXPECT_EQ(campo(kg[i], 12), campo(sin[i], 12));                                    // tMs
        EXPECT_NEAR(campo(kg[i], 13), 1000 * campo(sin[i], 13), 1e-9 * campo(kg[i], 13));  // tNs
    }
    const double inicio = campo(con[1], 23), final = campo(con.back(), 24);
    EXPECT_NEAR(inicio, final, 1e-9);
    EXPECT_TRUE(inicio > 80.1 && inicio < 110.6) << inicio;  // between the pure boiling points
}

// A column document's table ends with the reflux ratio and the distillate
// leaving the condenser, after the temperatures in the CSV. The options
// replace the document's column: the three-stage example's first stage
// through the column is the column example's, and that one without plates
// is simple distillation again.
TEST_F(QuillonTable, AColumnAddsItsRefluxAndDistillateLastAndTheOptionsReplaceIt)
{
    const std::string columna = std::string("cp '") + QUILLON_EXAMPLES_DIR + "/benzene-toluene-5-plates-reflux-2.bdf' col.bdf";
    const Salida tabla = correr("col.bdf --rows 10", columna);
    ASSERT_EQ(tabla.estado, 0) << tabla.err;
    EXPECT_NE(tabla.out.find(" 1 / 1\r\nColumn of 5 plates above the still, constant reflux ratio R = 2\r\n\r\n"), npos) << tabla.out;
    EXPECT_NE(tabla.out.find(" Rfx = Reflux ratio\r\n XAi = Mole fraction of A in the distillate leaving the condenser\r\n\r\n"
                             "%tMd        %MAd         XAd         tMd         Rfx         XAi        \r\n"),
              npos);
    // Nothing distilled, the first drop is the column's, 0.93829 by the
    // inverse staircase: richer than the still's vapour (0.62025).
    EXPECT_NE(tabla.out.find("\r\n0           0           0           0           2           0.93829     \r\n"), npos);
    const auto csv = lineasCsv(correr("col.bdf --csv --temperatures", columna).out);
    ASSERT_EQ(csv.size(), 22u);
    EXPECT_TRUE(csv[0].ends_with(",YAd,TBs,TBd,Rfx,XAi") && csv[1].find(",2,0.938291") == csv[1].rfind(',') - 2) << csv[1];
    EXPECT_EQ(correr("doc.bdf --csv --plates 5 --reflux 2").out, correr("col.bdf --csv", columna).out);
    EXPECT_EQ(correr("col.bdf --csv --plates 0", columna).out, correr("doc.bdf --csv").out);
    // At constant purity the header says where R reached its largest value.
    const Salida pureza = correr("doc.bdf --plates 5 --purity 0.9 --max-reflux 3 --items 0");
    EXPECT_NE(pureza.out.find("constant distillate purity xD = 0.9 up to R = 3 (reached at "), npos) << pureza.err;
}

// A heating adds the time and the heat last, after the column's quantities
// in the CSV; the options replace the document's heating; a boil-up rate
// with names the list does not know gives the time alone; the acids'
// uncertain latent heats are noted.
TEST_F(QuillonTable, AHeatingAddsTimeAndHeatLastAndTheOptionsReplaceIt)
{
    const Salida s = correr("doc.bdf --csv --temperatures --plates 5 --reflux 2 --heating 0.3 --heating-unit kW");
    ASSERT_EQ(s.estado, 0) << s.err;
    const auto csv = lineasCsv(s.out);
    ASSERT_EQ(csv.size(), 22u);
    EXPECT_TRUE(csv[0].ends_with(",YAd,TBs,TBd,Rfx,XAi,tmin,Qsup")) << csv[0];
    EXPECT_EQ(correr("doc.bdf --csv --heating 2 --heating-unit mol/min").out,
              correr("h.bdf --csv --heating-unit mol/min", "cp doc.bdf h.bdf && printf '<HEATING=2>\\r\\n' >> h.bdf").out);
    const auto caudal = lineasCsv(correr("u.bdf --csv --heating 2 --heating-unit mol/min", "cp doc.bdf u.bdf && sed -i s/A=benzene/A=unobtainium/ u.bdf").out);
    ASSERT_EQ(caudal.size(), 22u);
    EXPECT_TRUE(caudal[0].ends_with(",YAd,tmin"));
    const std::string acidos = "cp doc.bdf a.bdf && sed -i 's/A=benzene/A=water/; s/B=toluene/B=acetic acid/' a.bdf";
    EXPECT_NE(correr("a.bdf --heating 300", acidos).out.find("\r\nNote: the vapour of formic and acetic acid is associated"), npos);
    EXPECT_NE(correr("a.bdf --csv --heating 300", acidos).err.find("Note: the vapour of formic"), npos);
}

// Wrong arguments exit with 1 and the usage hint; what gives no table exits
// with 2 and its message alone, a file's path on its own line. Nothing goes
// to standard output.
struct Rechazo {
    const char* argumentos;
    int estado;
    const char* mensaje;  // with 1, a part of it
    const char* antes = "true";
};

void PrintTo(const Rechazo& r, std::ostream* os) { *os << r.antes << "; " << r.argumentos; }

class QuillonTableRechazos : public QuillonTable, public testing::WithParamInterface<Rechazo> {};

TEST_P(QuillonTableRechazos, ExitWithTheirStatusAndOneMessage)
{
    const Rechazo& r = GetParam();
    const Salida s = correr(r.argumentos, r.antes);
    EXPECT_EQ(s.estado, r.estado);
    EXPECT_EQ(s.out, "");
    if (r.estado == 1) {
        EXPECT_NE(s.err.find(r.mensaje), npos) << s.err;
    } else {
        EXPECT_EQ(s.err, std::string(r.mensaje) + "\n");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Examples, QuillonTableRechazos,
    testing::Values(Rechazo{"", 1, "no file"}, Rechazo{"doc.bdf --rows 7", 1, "--rows"}, Rechazo{"doc.bdf --stage 0", 1, "--stage"},
                    Rechazo{"doc.bdf --stage 4", 1, "3 stage"}, Rechazo{"doc.bdf --items 23", 1, "unknown item: 23"},
                    Rechazo{"doc.bdf --items XYZ", 1, "XYZ"}, Rechazo{"doc.bdf --items ,,,", 1, "--items"},
                    Rechazo{"doc.bdf --stage", 1, "--stage needs"}, Rechazo{"doc.bdf --bogus", 1, "unknown option: --bogus"},
                    Rechazo{"-x doc.bdf", 1, "unknown option: -x"}, Rechazo{"a.bdf b.bdf", 1, "only one file"},
                    Rechazo{"doc.bdf --pressure 50", 1, "--equilibrium"},
                    Rechazo{"--equilibrium water", 1, "two values"}, Rechazo{"doc.bdf --equilibrium water ethanol", 1, "no file"},
                    Rechazo{"--equilibrium water ethanol --rows 10", 1, "--rows"},
                    Rechazo{"--equilibrium water ethanol --model wilson", 1, "--model"},
                    Rechazo{"--equilibrium water ethanol --points 0", 1, "--points"},
                    Rechazo{"--equilibrium water ethanol --pressure 1e", 1, "--pressure"},
                    Rechazo{"--equilibrium water unobtainium", 2, "ERROR: Unknown compound: unobtainium"},
                    Rechazo{"--equilibrium etilenglicol Estireno", 2, "ERROR: No UNIFAC parameters for the pair ethylene glycol - styrene"},
                    Rechazo{"--equilibrium water ethanol --pressure 0.0999", 2, "ERROR: The pressure must be between 0.1 and 10000 kPa"},
                    Rechazo{"--equilibrium water ethanol --pressure 10000.01", 2, "ERROR: The pressure must be between 0.1 and 10000 kPa"},
                    // What is not a document is refused by its kind or size
                    // before reading.
                    Rechazo{"no-such.bdf", 2, "ERROR: Unable to open the file:\nno-such.bdf"},
                    Rechazo{".", 2, "ERROR: Not a document file:\n."},
                    Rechazo{"/dev/zero", 2, "ERROR: Not a document file:\n/dev/zero"},
                    Rechazo{"fifo", 2, "ERROR: Not a document file:\nfifo", "mkfifo fifo"},
                    Rechazo{"doc.bdf", 2, "ERROR: The file is too large for a document:\ndoc.bdf", "truncate -s 1048577 doc.bdf"},
                    Rechazo{"notes.bdf", 2, "ERROR: Not a document file:\nnotes.bdf", "echo 'STARTFONT 2.1' > notes.bdf"},
                    // The window's rules: alpha's range, a cut no percent box
                    // takes stops a later stage, temperatures need compounds.
                    Rechazo{"doc.bdf", 2, "ERROR: Relative volatility is out of range", "sed -i s/ALPHA=2.45/ALPHA=1/ doc.bdf"},
                    Rechazo{"doc.bdf --stage 2", 2, "ERROR: The percentage distilled in stage 1 is not valid", "sed -i s/E1=40/E1=140/ doc.bdf"},
                    // The column: malformed options, a policy without plates,
                    // and a purity out of reach, said with the best the
                    // column gives and, after the first, the stage.
                    Rechazo{"doc.bdf --plates 31", 1, "--plates"}, Rechazo{"doc.bdf --plates 2 --reflux -1", 1, "--reflux"},
                    Rechazo{"doc.bdf --plates 2 --purity 1.5", 1, "--purity"}, Rechazo{"doc.bdf --reflux 2", 1, "need a column"},
                    Rechazo{"doc.bdf --plates 2 --reflux 2 --purity 0.9", 1, "one or the other"},
                    Rechazo{"doc.bdf --plates 2 --max-reflux 3", 1, "--max-reflux belongs"},
                    Rechazo{"doc.bdf --plates 2 --purity 0.99 --max-reflux 2", 2,
                            "ERROR: The column cannot give the distillate purity even at the largest reflux ratio (at most 0.83116)"},
                    Rechazo{"doc.bdf --stage 2 --plates 2 --purity 0.3 --max-reflux 2", 2,
                            "ERROR: The distillate purity must be above the charge's mole fraction of A (0.4)"},
                    Rechazo{"doc.bdf --plates 2 --purity 0.9", 2, "ERROR: Largest reflux ratio is not valid"},
                    // Temperatures need compounds of the list, a pressure the
                    // model takes, and two compounds. (A model the pair has no
                    // parameters for: the temperatures' model tests.)
                    Rechazo{"doc.bdf --temperatures", 2,
                            "ERROR: No boiling temperatures: a component is not a compound of the program's list",
                            "sed -i s/A=benzene/A=unobtainium/ doc.bdf"},
                    Rechazo{"doc.bdf --temperatures", 2,
                            "ERROR: No boiling temperatures: the document's pressure must be between 0.75006 and 75006 mmHg",
                            "printf '<PRESSURE=1e9>\\r\\n<PRESSURE_UNIT=mmHg>\\r\\n' >> doc.bdf"},
                    Rechazo{"doc.bdf --temperatures", 2, "ERROR: A and B are the same compound (benzene)",
                            "sed -i s/B=toluene/B=Benceno/ doc.bdf"},
                    // A heating: its range, a unit with no heating, a power
                    // without latent heats, a document's box that is no number.
                    Rechazo{"doc.bdf --heating 0", 1, "--heating takes"}, Rechazo{"doc.bdf --heating-unit kW", 1, "needs a heating"},
                    Rechazo{"doc.bdf --heating 300", 2,
                            "ERROR: A heating power needs both components to be compounds of the program's list (their latent "
                            "heats): give a boil-up rate in mol/min or kmol/h instead",
                            "sed -i s/A=benzene/A=unobtainium/ doc.bdf"},
                    Rechazo{"doc.bdf", 2, "ERROR: Heating is not valid", "printf '<HEATING=abc>\\r\\n' >> doc.bdf"}));

// A file name that starts with a dash is an option unless it follows "--";
// a document padded to exactly 1 MB reads as it did.
TEST_F(QuillonTable, DoubleDashEndsTheOptionsAndADocumentOf1MBIsRead)
{
    const std::string csv = correr("--csv doc.bdf").out;
    const Salida s = correr("--csv -- -odd-name.bdf", "truncate -s 1048576 doc.bdf && mv doc.bdf ./-odd-name.bdf");
    EXPECT_EQ(s.estado, 0) << s.err;
    EXPECT_EQ(s.out, csv);
}

// --equilibrium: names in any case and accent, model, pressure in kPa and
// points reach the model; the csv holds its numbers in full, T in degrees
// Celsius.
struct Curva {
    const char* argumentos;
    const char *a, *b;  // canonical names
    Modelo modelo;
    double presion;  // Pa
    int intervalos;
};

void PrintTo(const Curva& c, std::ostream* os) { *os << c.argumentos; }

class Equilibrio : public QuillonTable, public testing::WithParamInterface<Curva> {};

TEST_P(Equilibrio, CsvGivesTheModelsBubbleCurve)
{
    const Curva& c = GetParam();
    const Salida s = correr(std::string("--equilibrium ") + c.argumentos + " --csv");
    ASSERT_EQ(s.estado, 0) << s.err;
    const auto l = lineasCsv(s.out);
    ASSERT_EQ(l.size(), static_cast<std::size_t>(c.intervalos + 2));
    EXPECT_EQ(l[0], "x,y,T_C,flag");
    const Sistema sis = quillon::prueba::sistema(c.a, c.b, c.modelo, c.presion);
    for (std::size_t i = 1; i < l.size(); ++i) {
        double x, y, t;
        int leidos = 0;
        ASSERT_EQ(std::sscanf(l[i].c_str(), "%lf,%lf,%lf,%n", &x, &y, &t, &leidos), 3) << l[i];
        const Burbuja b = sis.burbuja(x);
        EXPECT_TRUE(x == static_cast<double>(i - 1) / c.intervalos && y == b.y && t == b.T - 273.15) << l[i];
        EXPECT_EQ(l[i].substr(static_cast<std::size_t>(leidos)), nombresAvisos(b.avisos));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, Equilibrio,
    testing::Values(Curva{"Etanol AGUA", "ethanol", "water", Modelo::Unifac, 101325, 20},
                    Curva{"' BENCENO ' tolueno --model ideal --pressure 50 --points 4", "benzene", "toluene", Modelo::Ideal, 50000, 4},
                    Curva{"CCl4 'Ácido ACÉTICO' --pressure 1000 --points 7 --model unifac", "carbon tetrachloride",
                          "acetic acid", Modelo::Unifac, 1e6, 7},
                    // The range's ends are in it.
                    Curva{"water ethanol --pressure 0.1 --points 2", "water", "ethanol", Modelo::Unifac, 100, 2},
                    Curva{"water ethanol --pressure 10000 --points 2", "water", "ethanol", Modelo::Unifac, 1e7, 2},

                    Curva{"water benzene --points 10", "water", "benzene", Modelo::Unifac, 101325, 10}));

TEST_F(QuillonTable, EquilibriumPrintsAFixedWidthTable)
{
    // Benzene-toluene at x = 0.5 computed by hand, ideal: at 365.0 K
    // Psat(benzene) = 143.87 kPa, Psat(toluene) = 57.61 kPa, 0.5 (143.87 +
    // 57.61) = 100.74 kPa; at 365.2 K 144.69 and 57.98 kPa, 101.34 kPa.
    // Linearly between, T = 365.0 + 0.2 (101.325 - 100.74) / (101.34 -
    // 100.74) = 365.196 K (92.046 C), where Psat(benzene) = 144.67 kPa and
    // y = 0.5 * 144.67 / 101.325 = 0.7139.
    const Salida s = correr("--equilibrium benzene toluene --model ideal --points 2");
    ASSERT_EQ(s.estado, 0) << s.err;
    EXPECT_NE(s.out.find("benzene (A) and toluene (B) at 101.325 kPa"), npos) << s.out;
    EXPECT_TRUE(s.out.ends_with("x           y           T (°C)\n"
                                "0           0           110.61\n"
                                "0.5         0.71392     92.046\n"
                                "1           1           80.012\n"))
        << s.out;
    // A little benzene in boiling toluene (x = 0.1, 379 K) is past benzene's
    // constants (377.06 K); pure toluene is not.
    const Salida marcada = correr("--equilibrium benzene toluene --model ideal --points 10");
    EXPECT_NE(marcada.out.find(" *\n0.2         "), npos) << marcada.out;
    EXPECT_EQ(marcada.out.find(" *\n"), marcada.out.rfind(" *\n"));
    EXPECT_NE(marcada.out.find("\n* extrapolated"), npos);
}

// Every azeotrope on a line of its own, the two of 1-butanol and acetic
// acid included; a doubtful temperature marked, in a predicted curve as in a
// document's table (water with benzene, or with toluene, splits into two
// liquids), with the note under it.
TEST_F(QuillonTable, EveryAzeotropeListedAndDoubtfulTemperaturesMarked)
{
    EXPECT_NE(correr("--equilibrium 1-butanol 'acetic acid' --points 4")
                  .out.find("\n\nAzeotrope: x = 0.22038, T = 117.66 °C, minimum-boiling\n"
                            "Azeotrope: x = 0.73114, T = 117.96 °C, maximum-boiling\n"),
              npos);
    const std::string nota = "s two liquid phases: the liquid would split in two; no single liquid of this composition "
                             "boils there";
    const std::string dos = correr("--equilibrium water benzene --points 10").out;
    EXPECT_NE(dos.find("\n0.5         0.35084     55.33 s\n"), npos) << dos;
    EXPECT_NE(dos.find("\nAzeotrope: x = 0.42552, T = 55.921 °C s, minimum-boiling\n"), npos) << dos;
    EXPECT_TRUE(dos.ends_with("\n" + nota + "\n"));
    const Salida s = correr("doc.bdf --temperatures --items 5 --rows 10", "sed -i 's/A=benzene/A=water/; s/X0=0.4/X0=0.5/' doc.bdf");
    EXPECT_NE(s.out.find("\r\n0.5         65.754 s    62.363 s    \r\n"), npos) << s.out;
    EXPECT_TRUE(s.out.ends_with("\r\n\r\n" + nota + "\r\n")) << s.out;
}

}  // namespace
