#include "companion/opciones.h"

#include <charconv>

#include "documents/formats/etiquetas.h"
#include "model/magnitudes.h"

namespace quillon {

const char* const kAyuda =
    "Usage: quillon-table FILE [--stage K] [--rows N] [--items LIST] [--csv]\n"
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
    "  --help        this text\n"
    "\n"
    "Earlier stages are cut at the percentages stored in the file, as the\n"
    "stage row does. Exit status: 0 done, 1 wrong arguments, 2 the file cannot\n"
    "be read or its inputs are not valid (the message goes to standard error).\n";

namespace {

bool leerEntero(const std::string& s, int& v)
{
    const auto [fin, error] = std::from_chars(s.data(), s.data() + s.size(), v);
    return error == std::errc() && fin == s.data() + s.size();
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

}  // namespace

std::variant<OpcionesTabla, std::string> leerOpciones(const std::vector<std::string>& args)
{
    OpcionesTabla o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool conValor = a == "--stage" || a == "--rows" || a == "--items";
        if (conValor && i + 1 >= args.size()) return a + " needs a value";
        if (a == "--help" || a == "-h") {
            o.ayuda = true;
        } else if (a == "--csv") {
            o.csv = true;
        } else if (a == "--stage") {
            if (!leerEntero(args[++i], o.etapa) || o.etapa < 1 || o.etapa > 6)
                return "--stage takes a stage from 1 to 6";
        } else if (a == "--rows") {
            if (!leerEntero(args[++i], o.filas) ||
                (o.filas != 10 && o.filas != 20 && o.filas != 50 && o.filas != 100 && o.filas != 200))
                return "--rows takes 10, 20, 50, 100 or 200";
        } else if (a == "--items") {
            o.items.clear();
            const std::string& lista = args[++i];
            std::size_t desde = 0;
            while (desde <= lista.size()) {
                const auto coma = std::min(lista.find(',', desde), lista.size());
                const std::string item = lista.substr(desde, coma - desde);
                if (!item.empty()) {
                    const int q = leerItem(item);
                    if (q < 0) return "unknown item: " + item;
                    o.items.push_back(q);
                }
                desde = coma + 1;
            }
        } else if (a.rfind("--", 0) == 0) {
            return "unknown option: " + a;
        } else if (o.archivo.empty()) {
            o.archivo = a;
        } else {
            return "only one file, please: " + a;
        }
    }
    if (o.archivo.empty() && !o.ayuda) return "no file given";
    return o;
}

}  // namespace quillon
