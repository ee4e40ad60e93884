#include "companion/opciones.h"

#include <charconv>
#include <cmath>

#include "formats/etiquetas.h"
#include "model/calefaccion.h"
#include "model/columna_platos.h"
#include "model/magnitudes.h"

namespace quillon {

namespace {

const char* const kAyuda =
    "Usage: quillon-table FILE [--stage K] [--rows N] [--items LIST] [--csv] [--temperatures]\n"
    "                     [--plates N] [--reflux R | --purity XD --max-reflux RMAX]\n"
    "                     [--heating VALUE] [--heating-unit W|kW|mol/min|kmol/h]\n"
    "       quillon-table --equilibrium A B [--model ideal|unifac] [--pressure KPA]\n"
    "                     [--points N] [--csv]\n"
    "\n"
    "Prints the progress table of one stage of a distillation file (.bdf)\n"
    "exactly as the program's \"X vs progress table\" view shows it.\n"
    "\n"
    "  --stage K     stage to tabulate, 1 to the document's number of stages (default 1)\n"
    "  --rows N      number of intervals: 10, 20, 50, 100 or 200 (default 20)\n"
    "  --items LIST  comma-separated quantities, by index 0-22 or by code\n"
    "                (for example 0,XAd,%MBs); default 0,2,4,6\n"
    "  --csv         one line per row with all 23 quantities in full precision,\n"
    "                comma-separated, under a header of their codes\n"
    "  --temperatures  two more columns at the end: the boiling temperatures (C)\n"
    "                of the liquid in the still (TBs) and of the distillate (TBd),\n"
    "                at the document's pressure (1 atm when it has none), when both\n"
    "                components are compounds of the program's list; with the\n"
    "                document's model, or UNIFAC when the pair has its\n"
    "                parameters, Raoult's law otherwise\n"
    "  --plates N    a column of N plates above the still, 0 to 30 (0: none)\n"
    "  --reflux R    the column at constant reflux ratio R (0 to 1000000)\n"
    "  --purity XD   the column at constant distillate purity XD (mole fraction of A)\n"
    "  --max-reflux RMAX  the largest reflux ratio at constant purity\n"
    "                These replace the document's column. With a column, two more\n"
    "                columns come last: the reflux ratio (Rfx) and the mole fraction\n"
    "                of A in the distillate leaving the condenser (XAi).\n"
    "  --heating VALUE  the still's heating, in the unit of --heating-unit (or\n"
    "                the document's, or W): a power (W, kW), which needs both\n"
    "                components to be compounds of the program's list, or a\n"
    "                boil-up rate of vapour from the still (mol/min, kmol/h)\n"
    "  --heating-unit UNIT  W, kW, mol/min or kmol/h\n"
    "                These replace the document's heating. With a heating, the\n"
    "                last columns are the time from the first drop in minutes\n"
    "                (tmin; the heat-up of the charge not included) and, when\n"
    "                both components are compounds of the list, the heat\n"
    "                supplied in kJ (Qsup).\n"
    "  --help        this text\n"
    "  --            ends the options: what follows is the file name\n"
    "\n"
    "Earlier stages are cut at the percentages stored in the file, as the\n"
    "stage row does.\n"
    "\n"
    "With --equilibrium, prints instead the predicted boiling curve of a liquid\n"
    "mixture of the compounds A and B (names of the program's compound list, in\n"
    "any case, with or without accents): x, the mole fraction of A in the\n"
    "liquid, at x = 0, 1/N, ..., 1; y, the mole fraction of A in the vapour;\n"
    "and T, the boiling temperature in degrees Celsius.\n"
    "\n"
    "  --model M       ideal (Raoult's law) or unifac (activity coefficients by\n"
    "                  original UNIFAC, ideal vapour; the default)\n"
    "  --pressure KPA  pressure in kPa, 0.1 to 10000 (default 101.325)\n"
    "  --points N      number of intervals, 1 to 1000 (default 20)\n"
    "  --csv           the header x,y,T_C,flag and the numbers in full precision;\n"
    "                  flag is empty, or one or more of extrapolated,\n"
    "                  above_critical, below_melting and two_liquids joined by +\n"
    "\n"
    "The text output lists every azeotrope on a line of its own, and marks a\n"
    "doubtful temperature after the number, as the table of a file does:\n"
    "  *  extrapolated: outside the range of the vapour-pressure constants\n"
    "     of a compound in the liquid\n"
    "  c  above the critical temperature of a compound in the liquid\n"
    "  m  below the melting point of a compound in the liquid: it may freeze\n"
    "  s  the liquid would split into two liquid phases\n"
    "\n"
    "Exit status: 0 done, 1 wrong arguments, 2 the file cannot be read or its\n"
    "inputs are not valid, the column cannot give the purity, the heating cannot\n"
    "time the stage, or the compounds cannot be predicted (the message goes to\n"
    "standard error).\n";

bool leerEntero(const std::string& s, int& v)
{
    const auto [fin, error] = std::from_chars(s.data(), s.data() + s.size(), v);
    return error == std::errc() && fin == s.data() + s.size();
}

bool leerReal(const std::string& s, double& v)
{
    const auto [fin, error] = std::from_chars(s.data(), s.data() + s.size(), v);
    return error == std::errc() && fin == s.data() + s.size() && std::isfinite(v);
}

// One item, by index or by code (the code's leading blank is optional).
int leerItem(const std::string& s)
{
    int indice = -1;
    if (leerEntero(s, indice)) return indice >= 0 && indice < kNumMagnitudes ? indice : -1;
    for (int i = 0; i < kNumMagnitudes; ++i)
        if (recortar(magnitudes()[static_cast<std::size_t>(i)].codigo) == recortar(s)) return i;
    return -1;
}

// The comma-separated items; empty entries are skipped, but not all of them.
std::variant<std::vector<int>, std::string> leerItems(const std::string& lista)
{
    std::vector<int> items;
    std::size_t desde = 0;
    while (desde <= lista.size()) {
        const auto coma = std::min(lista.find(',', desde), lista.size());
        const std::string item = lista.substr(desde, coma - desde);
        if (!item.empty()) {
            const int q = leerItem(item);
            if (q < 0) return "unknown item: " + item;
            items.push_back(q);
        }
        desde = coma + 1;
    }
    if (items.empty()) return std::string("--items needs at least one item");
    return items;
}

int valoresDe(const std::string& opcion)
{
    if (opcion == "--equilibrium") return 2;
    for (const char* o : {"--stage", "--rows", "--items", "--model", "--pressure", "--points", "--plates", "--reflux",
                          "--purity", "--max-reflux", "--heating", "--heating-unit"})
        if (opcion == o) return 1;
    return 0;
}

// The column's options: each value checked as its box would be, kept as
// typed. The message of a wrong one, or nothing.
std::optional<std::string> leerOpcionColumna(const std::string& opcion, const std::string& valor, OpcionesTabla& o)
{
    double v = 0;
    int platos = 0;
    if (opcion == "--plates") {
        if (!leerEntero(valor, platos) || platos < 0 || platos > kMaxPlatos) return "--plates takes a number of plates from 0 to 30";
        o.platos = valor;
    } else if (opcion == "--purity") {
        if (!leerReal(valor, v) || v < 0 || v > 1) return "--purity takes a mole fraction from 0 to 1";
        o.pureza = valor;
    } else {
        if (!leerReal(valor, v) || v < 0 || v > kReflujoMayor) return opcion + " takes a reflux ratio from 0 to 1000000";
        (opcion == "--reflux" ? o.reflujo : o.reflujoMaximo) = valor;
    }
    return std::nullopt;
}

bool esOpcionColumna(const std::string& a)
{
    return a == "--plates" || a == "--reflux" || a == "--purity" || a == "--max-reflux";
}

// The heating's options: the value checked as its box would be, kept as typed.
std::optional<std::string> leerOpcionCalefaccion(const std::string& opcion, const std::string& valor, OpcionesTabla& o)
{
    if (opcion == "--heating") {
        double v = 0;
        if (!leerReal(valor, v) || v < kCalefaccionMinima || v > kCalefaccionMaxima)
            return "--heating takes a number from 1e-9 to 1e12";
        o.calefaccion = valor;
        return std::nullopt;
    }
    for (std::size_t i = 0; i < unidadesCalefaccion().size(); ++i)
        if (valor == unidadesCalefaccion()[i].nombre) o.unidadCalefaccion = static_cast<int>(i);
    if (!o.unidadCalefaccion) return "--heating-unit takes W, kW, mol/min or kmol/h";
    return std::nullopt;
}

bool esOpcionCalefaccion(const std::string& a) { return a == "--heating" || a == "--heating-unit"; }

}  // namespace

std::string textoAyuda()
{
    std::string t = kAyuda;
    t += "\nSources of the equilibrium data:\n";
    for (std::string_view f : termo::fuentesTermo()) t += "  " + std::string(f) + "\n";
    return t;
}

std::variant<OpcionesTabla, std::string> leerOpciones(const std::vector<std::string>& args)
{
    OpcionesTabla o;
    bool deArchivo = false, deEquilibrio = false, finOpciones = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (finOpciones || a.size() < 2 || a[0] != '-') {
            if (!o.archivo.empty()) return "only one file, please: " + a;
            o.archivo = a;
            continue;
        }
        const int valores = valoresDe(a);
        if (i + static_cast<std::size_t>(valores) >= args.size())
            return a + (valores == 2 ? " needs two values" : " needs a value");
        deArchivo = deArchivo || a == "--stage" || a == "--rows" || a == "--items" || a == "--temperatures" || esOpcionColumna(a) ||
                    esOpcionCalefaccion(a);
        deEquilibrio = deEquilibrio || a == "--model" || a == "--pressure" || a == "--points";
        if (a == "--") {
            finOpciones = true;
        } else if (a == "--help" || a == "-h") {
            o.ayuda = true;
        } else if (a == "--csv") {
            o.csv = true;
        } else if (a == "--temperatures") {
            o.temperaturas = true;
        } else if (a == "--stage") {
            if (!leerEntero(args[++i], o.etapa) || o.etapa < 1 || o.etapa > 6)
                return "--stage takes a stage from 1 to 6";
        } else if (a == "--rows") {
            if (!leerEntero(args[++i], o.filas) ||
                (o.filas != 10 && o.filas != 20 && o.filas != 50 && o.filas != 100 && o.filas != 200))
                return "--rows takes 10, 20, 50, 100 or 200";
        } else if (a == "--items") {
            auto items = leerItems(args[++i]);
            if (auto* error = std::get_if<std::string>(&items)) return *error;
            o.items = std::get<std::vector<int>>(std::move(items));
        } else if (esOpcionColumna(a)) {
            if (auto error = leerOpcionColumna(a, args[++i], o)) return *error;
        } else if (esOpcionCalefaccion(a)) {
            if (auto error = leerOpcionCalefaccion(a, args[++i], o)) return *error;
        } else if (a == "--equilibrium") {
            o.equilibrio = true;
            o.compuestoA = args[++i];
            o.compuestoB = args[++i];
        } else if (a == "--model") {
            const std::string& m = args[++i];
            if (m != "ideal" && m != "unifac") return "--model takes ideal or unifac";
            o.modelo = m == "ideal" ? termo::Modelo::Ideal : termo::Modelo::Unifac;
        } else if (a == "--pressure") {
            if (!leerReal(args[++i], o.presionKPa)) return "--pressure takes a pressure in kPa";
        } else if (a == "--points") {
            if (!leerEntero(args[++i], o.intervalos) || o.intervalos < 1 || o.intervalos > 1000)
                return "--points takes a number of intervals from 1 to 1000";
        } else {
            return "unknown option: " + a;
        }
    }
    if (o.ayuda) return o;
    if (o.equilibrio) {
        if (!o.archivo.empty()) return "--equilibrium takes no file: " + o.archivo;
        if (deArchivo) return "--stage, --rows, --items, --temperatures and the column's and heating's options belong to a file's table";
    } else {
        if (deEquilibrio) return "--model, --pressure and --points go with --equilibrium";
        if (o.archivo.empty()) return "no file given";
        if (o.reflujo && (o.pureza || o.reflujoMaximo))
            return "--reflux is the constant reflux ratio, --purity and --max-reflux the constant purity: one or the other";
    }
    return o;
}

}  // namespace quillon
