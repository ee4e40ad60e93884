// quillon-table: the progress table of one stage of a distillation file,
// computed without opening a window.

#include <charconv>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "companion/opciones.h"
#include "documents/formats/documento.h"
#include "documents/formats/etiquetas.h"
#include "model/mensajes.h"
#include "model/numero.h"
#include "model/tabla_texto.h"

using namespace quillon;

namespace {

constexpr int kExitArgumentos = 1;
constexpr int kExitEntradas = 2;

std::string numeroCompleto(double v)
{
    char buf[64];
    const auto fin = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 17).ptr;
    return std::string(buf, fin);
}

std::string tablaCsv(const EtapaEvaluable& etapa, int intervalos)
{
    std::string t;
    for (int q = 0; q < kNumMagnitudes; ++q)
    {
        if (q) t += ',';
        t += recortar(magnitudes()[static_cast<std::size_t>(q)].codigo);
    }
    t += "\n";
    const double paso = 100.0 / intervalos;
    for (double P = 0; P <= 100.1; P += paso) {
        const ValoresMagnitudes v = EvaluarMagnitudes(etapa, P);
        for (int q = 0; q < kNumMagnitudes; ++q) {
            if (q) t += ',';
            t += numeroCompleto(v[static_cast<std::size_t>(q)]);
        }
        t += "\n";
    }
    return t;
}

int fallo(const std::string& mensaje, int codigo)
{
    std::cerr << mensaje << "\n";
    return codigo;
}

}  // namespace

int main(int argc, char** argv)
{
    const auto leidas = leerOpciones(std::vector<std::string>(argv + 1, argv + argc));
    if (const auto* error = std::get_if<std::string>(&leidas))
        return fallo("quillon-table: " + *error + "\nTry 'quillon-table --help'.", kExitArgumentos);
    const OpcionesTabla& o = std::get<OpcionesTabla>(leidas);
    if (o.ayuda) {
        std::cout << kAyuda;
        return 0;
    }

    std::ifstream archivo(o.archivo, std::ios::binary);
    if (!archivo) return fallo("ERROR: Unable to open the file:\n" + o.archivo, kExitEntradas);
    const std::string bytes((std::istreambuf_iterator<char>(archivo)), std::istreambuf_iterator<char>());
    const LecturaBdf lectura = LeerBdf(bytes, o.archivo);
    if (!lectura.ok()) return fallo(lectura.error, kExitEntradas);
    const DocumentoDestilacion& d = lectura.doc;
    if (o.etapa > d.numEtapas)
        return fallo("quillon-table: the document has " + std::to_string(d.numEtapas) + " stage(s)", kExitArgumentos);

    std::array<double, kMaxEtapas> cortes{};
    // The separator the numbers are written with follows the one the file's
    // texts use, as in the window after opening the file.
    EstadoNumerico estado;
    const Entradas e = entradasDeDocumento(d, cortes, estado);
    if (const Texto* error = validarEntradas(e, false, true)) return fallo(tr(*error), kExitEntradas);

    SuperTablaELV superTabla{};
    if (e.modoTabla) CrearSuperTABLA_ELV(d.tabla, superTabla);
    const ModeloELV elv{e.modoTabla, e.alfa, &superTabla};
    CadenaEtapas cadena;
    // Earlier stages are cut in order: each cut is the next stage's charge.
    for (int k = 1; k < o.etapa; ++k)
        if (const Texto* error = calcularEtapa(cadena, elv, e, cortes, k).error) return fallo(tr(*error), kExitEntradas);

    if (o.csv) {
        cadena.fijarCargaInicial(e.x0);
        if (!cadena.asegurar(o.etapa, elv, e.mma, e.mmb)) return fallo(tr(mensajes::valoresIniciales), kExitEntradas);
        std::cout << tablaCsv(etapaEvaluable(cadena, elv, e, cortes, o.etapa), o.filas);
        return 0;
    }
    const PeticionTabla peticion{d.compA, d.compB, o.etapa, o.filas, o.items, estado.sepDecimal};
    const ResultadoTabla tabla = CrearTablaTexto(cadena, elv, e, cortes, peticion);
    if (tabla.error) return fallo(tr(*tabla.error), kExitEntradas);
    if (tabla.texto.empty()) return fallo(tr(mensajes::valoresIniciales), kExitEntradas);
    std::cout << tabla.texto;
    return 0;
}
