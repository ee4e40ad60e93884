// quillon-examples: writes the example documents of examples/ with the
// program's own file writers, so that they are exactly what the program
// saves. Run it after changing a table below:
//   cmake --build build --target quillon-examples
//   build/tools/quillon-examples examples
// The tables are isobaric x-y data at 1 atm as published; docs/manual.md says
// where each one comes from.

#include <cstdio>
#include <fstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "formats/archivo_tabla.h"
#include "formats/documento.h"

using namespace quillon;

namespace {

using Puntos = std::vector<std::pair<double, double>>;

// Ethanol (A) - water (B), Carey and Lewis (1932); the last point is the
// azeotrope, where x = y.
const Puntos kEtanolAgua{
    {0.019, 0.170},   {0.0721, 0.3891}, {0.0966, 0.4375}, {0.1238, 0.4704}, {0.1661, 0.5089},
    {0.2337, 0.5445}, {0.2608, 0.558},  {0.3273, 0.5826}, {0.3965, 0.6122}, {0.5079, 0.6564},
    {0.5198, 0.6599}, {0.5732, 0.6841}, {0.6763, 0.7385}, {0.7472, 0.7815}, {0.8943, 0.8943},
};

// Isopropanol (A) - water (B); the azeotrope lies between the 6th and the 7th
// point, above it the vapour is poorer in A than the liquid.
const Puntos kIsopropanolAgua{
    {0.012, 0.220}, {0.084, 0.462}, {0.198, 0.524}, {0.350, 0.569},
    {0.453, 0.593}, {0.679, 0.682}, {0.769, 0.742}, {0.944, 0.916},
};

// The points as typed into the table editor: rows in use, then -1.
ArchivoTablaELV tablaTecleada(std::string a, std::string b, std::string mma, std::string mmb, const Puntos& p)
{
    ArchivoTablaELV t{std::move(a), std::move(b), std::move(mma), std::move(mmb), {}, {}};
    t.x.fill(-1);
    t.y.fill(-1);
    for (std::size_t i = 0; i < p.size(); ++i) {
        t.x[i] = p[i].first;
        t.y[i] = p[i].second;
    }
    return t;
}

// The document as the program saves it once the table editor accepted the
// points: the shared table with the pure-component rows (0, 0) and (1, 1).
DocumentoDestilacion documentoEnModoTabla(const ArchivoTablaELV& t)
{
    DocumentoDestilacion d;
    d.compA = t.nombreA;
    d.compB = t.nombreB;
    d.mma = t.masaA;
    d.mmb = t.masaB;
    d.modoTabla = true;
    d.tabla.x = t.x;
    d.tabla.y = t.y;
    int ultimo = ultimaFilaUsada(d.tabla.x);
    completarTabla(d.tabla.x, d.tabla.y, ultimo);
    d.tabla.ultPunto = ultimo;
    return d;
}

bool escribir(const std::string& carpeta, const std::string& nombre, const std::string& bytes)
{
    const std::string ruta = carpeta + "/" + nombre;
    std::ofstream f(ruta, std::ios::binary);
    f << bytes;
    if (!f) {
        std::fprintf(stderr, "cannot write %s\n", ruta.c_str());
        return false;
    }
    std::printf("%s\n", ruta.c_str());
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "Usage: quillon-examples FOLDER\n");
        return 1;
    }
    const std::string carpeta = argv[1];

    // A dilute charge distilled three times: each stage gains less as the
    // distillate nears the azeotrope.
    const ArchivoTablaELV etanol = tablaTecleada("ethanol", "water", "46.07", "18.01528", kEtanolAgua);
    DocumentoDestilacion de = documentoEnModoTabla(etanol);
    de.alfa = "2.45";
    de.x0 = "0.1";
    de.masa0 = "1000";
    de.numEtapas = 3;
    de.avance = {"30 %", "40 %", "40 %", "0", "0", "0"};

    const ArchivoTablaELV isopropanol =
        tablaTecleada("isopropanol", "water", "60.1", "18.01528", kIsopropanolAgua);
    DocumentoDestilacion di = documentoEnModoTabla(isopropanol);
    di.alfa = "2.45";
    di.x0 = "0.05";
    di.masa0 = "1000";
    di.numEtapas = 2;
    di.avance = {"25 %", "50 %", "0", "0", "0", "0"};

    // Batch rectification of the start-up mixture: five plates at a constant
    // reflux ratio of 2, the distillate growing poorer as the still empties.
    DocumentoDestilacion bt;
    std::tie(bt.compA, bt.compB, bt.mma, bt.mmb, bt.alfa, bt.x0, bt.masa0) =
        std::tuple("benzene", "toluene", "78.1121", "92.14", "2.45", "0.4", "500");
    bt.avance = {"40", "0", "0", "0", "0", "0"};
    bt.columna = TextosColumnaPlatos{"5", PoliticaReflujo::RazonConstante, "2", "", ""};

    // The textbook case of constant purity: a dilute ethanol charge held at
    // a distillate of 0.75 by four plates, the reflux ratio rising to 4 and
    // the purity falling after it (Carey and Lewis's table, as above).
    DocumentoDestilacion dp = documentoEnModoTabla(etanol);
    dp.alfa = "2.45";
    dp.x0 = "0.2";
    dp.masa0 = "1000";
    dp.avance = {"40", "0", "0", "0", "0", "0"};
    dp.columna = TextosColumnaPlatos{"4", PoliticaReflujo::PurezaConstante, "", "0.75", "4"};

    const bool ok = escribir(carpeta, "ethanol-water-1atm.vle", EscribirVle(etanol)) &&
                    escribir(carpeta, "ethanol-water-1atm.bdf", EscribirBdf(de)) &&
                    escribir(carpeta, "isopropanol-water-1atm.vle", EscribirVle(isopropanol)) &&
                    escribir(carpeta, "isopropanol-water-1atm.bdf", EscribirBdf(di)) &&
                    escribir(carpeta, "benzene-toluene-5-plates-reflux-2.bdf", EscribirBdf(bt)) &&
                    escribir(carpeta, "ethanol-water-4-plates-purity-0.75.bdf", EscribirBdf(dp));
    return ok ? 0 : 1;
}
