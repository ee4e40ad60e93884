// quillon-table: the progress table of one stage of a distillation file,
// computed without opening a window.

#include <filesystem>
#include <fstream>
#include <iostream>
#include <numeric>
#include <optional>

#include "companion/calefaccion.h"
#include "companion/columna.h"
#include "companion/modo_equilibrio.h"
#include "companion/opciones.h"
#include "companion/salida.h"
#include "formats/documento.h"
#include "formats/etiquetas.h"
#include "formats/limites.h"
#include "model/cortes.h"
#include "model/formato.h"
#include "model/mensajes.h"
#include "model/numero.h"
#include "model/tabla_texto.h"
#include "model/temperaturas.h"

using namespace quillon;

namespace {

// Reads a document file into `bytes`; the message of why not otherwise.
// Only a regular file no larger than a document is opened: a folder, a device
// or a pipe could fail, never end or block.
std::optional<std::string> leerDocumento(const std::string& ruta, std::string& bytes)
{
    namespace fs = std::filesystem;
    const std::string noSeAbre = "ERROR: Unable to open the file:\n" + ruta;
    std::error_code ec;
    const fs::file_status estado = fs::status(ruta, ec);
    if (estado.type() == fs::file_type::not_found || estado.type() == fs::file_type::none) return noSeAbre;
    if (!fs::is_regular_file(estado)) return tr(mensajes::noEsDocumento) + ("\n" + ruta);
    const std::string demasiadoGrande = tr(mensajes::demasiadoGrande) + ("\n" + ruta);
    if (fs::file_size(ruta, ec) > kTamanoMaximoDocumento) return demasiadoGrande;
    std::ifstream archivo(ruta, std::ios::binary);
    if (!archivo) return noSeAbre;
    // One byte more than a document can hold tells a file that grew since.
    bytes.assign(kTamanoMaximoDocumento + 1, '\0');
    archivo.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(archivo.gcount()));
    if (bytes.size() > kTamanoMaximoDocumento) return demasiadoGrande;
    return std::nullopt;
}

// Every quantity of the rows in full precision, one line a row, under their
// codes.
std::string tablaCsv(const ValoresTabla& v)
{
    std::string t;
    for (std::size_t i = 0; i < v.items.size(); ++i) t += (i ? "," : "") + recortar(codigoMagnitud(v.items[i]));
    t += "\n";
    for (const auto& fila : v.filas) {
        for (std::size_t i = 0; i < fila.size(); ++i) t += (i ? "," : "") + textoCompleto(fila[i]);
        t += "\n";
    }
    return t;
}

// Why a stage gives no table: the first input that is not valid, the
// column's refusal of the stage's charge, or a stage that cannot be computed.
int falloTabla(const CadenaEtapas& cadena, int etapa, const Texto* error, char sep)
{
    if (error) return fallo(tr(*error), kExitEntradas);
    if (const RechazoColumna* r = cadena.rechazo(etapa)) return fallo(textoRechazo(*r, sep), kExitEntradas);
    return fallo(tr(mensajes::valoresIniciales), kExitEntradas);
}

}  // namespace

int main(int argc, char** argv)
{
    const auto leidas = leerOpciones(std::vector<std::string>(argv + 1, argv + argc));
    if (const auto* error = std::get_if<std::string>(&leidas))
        return fallo("quillon-table: " + *error + "\nTry 'quillon-table --help'.", kExitArgumentos);
    const OpcionesTabla& o = std::get<OpcionesTabla>(leidas);
    if (o.ayuda) {
        std::cout << textoAyuda();
        return 0;
    }
    if (o.equilibrio) return imprimirEquilibrio(o);

    std::string bytes;
    if (const auto error = leerDocumento(o.archivo, bytes)) return fallo(*error, kExitEntradas);
    const LecturaBdf lectura = LeerBdf(bytes, o.archivo);
    if (!lectura.ok()) return fallo(lectura.error, kExitEntradas);
    DocumentoDestilacion d = lectura.doc;
    if (const auto error = aplicarOpcionesColumna(o, d)) return fallo("quillon-table: " + *error, kExitArgumentos);
    if (const auto error = aplicarOpcionesCalefaccion(o, d)) return fallo("quillon-table: " + *error, kExitArgumentos);
    if (o.etapa > d.numEtapas)
        return fallo("quillon-table: the document has " + std::to_string(d.numEtapas) + " stage(s)", kExitArgumentos);

    std::array<double, kMaxEtapas> cortes{};
    // The separator the numbers are written with follows the one the file's
    // texts use, as in the window's table view after opening the file.
    EstadoNumerico estado;
    const Entradas e = entradasDeDocumento(d, cortes, estado, o.etapa);
    if (const Texto* error = validarEntradas(e, false, true)) return fallo(tr(*error), kExitEntradas);
    if (const Texto* error = corteNoValido(cortes, o.etapa - 1)) return fallo(tr(*error), kExitEntradas);
    const LecturaColumnaPlatos columna = leerColumnaPlatos(d.columna.value_or(TextosColumnaPlatos{}));
    if (columna.error) return fallo(tr(*columna.error), kExitEntradas);
    const LecturaCalefaccion calefaccion = leerCalefaccion(d.calefaccion.value_or(TextosCalefaccion{}));
    if (calefaccion.error) return fallo(tr(*calefaccion.error), kExitEntradas);
    std::optional<termo::Sistema> temperaturas;
    if (o.temperaturas || calefaccion.calefaccion) {
        auto sistema = sistemaDeTemperaturas(d.compA, d.compB, d.condiciones);
        if (const auto* error = std::get_if<std::string>(&sistema); error && o.temperaturas)
            return fallo(*error, kExitEntradas);
        if (auto* s = std::get_if<termo::Sistema>(&sistema)) temperaturas = std::move(*s);
    }

    SuperTablaELV superTabla{};
    if (e.modoTabla) CrearSuperTABLA_ELV(d.tabla, superTabla);
    const ModeloELV elv{e.modoTabla, e.alfa, &superTabla};
    CadenaEtapas cadena;
    cadena.fijarColumna(columna.columna);
    // Earlier stages are cut in order: each cut is the next stage's charge.
    for (int k = 1; k < o.etapa; ++k) {
        const EstadoEtapa etapa = calcularEtapa(cadena, elv, e, cortes, k);
        if (etapa.rechazo) return fallo(textoRechazo(*etapa.rechazo, estado.sepDecimal), kExitEntradas);
        if (etapa.error) return fallo(tr(*etapa.error), kExitEntradas);
    }

    PeticionTabla peticion{d.compA, d.compB, o.etapa, o.filas, o.items, estado.sepDecimal};
    if (o.csv) {
        peticion.items.resize(kNumMagnitudes);
        std::iota(peticion.items.begin(), peticion.items.end(), 0);
    }
    TemperaturasTabla columnas;
    if (temperaturas && o.temperaturas) {
        peticion.items.insert(peticion.items.end(), {kTempAlambique, kTempDestilado});
        columnas = {&*temperaturas, textoModelo(*temperaturas, d.condiciones)};
    }
    if (columna.columna.hay()) peticion.items.insert(peticion.items.end(), {kReflujo, kDestiladoCondensador});
    // The time, and the heat when the latent heats are known, come last.
    RelojEtapas reloj;
    CalorTabla calor;
    if (calefaccion.calefaccion) {
        peticion.items.insert(peticion.items.end(), {kTiempo, kCalor});
        calor = {&*calefaccion.calefaccion, &reloj, temperaturas ? &*temperaturas : nullptr};
    }
    if (o.csv) {
        const ResultadoValores valores = ValoresTablaVista(cadena, elv, e, cortes, peticion, columnas, calor);
        if (!valores.valido) return falloTabla(cadena, o.etapa, valores.error, estado.sepDecimal);
        std::cout << tablaCsv(valores.valores);
        // The spreadsheet's lines stay numbers: the note goes to the errors.
        if (valores.valores.calorIncierto) std::cerr << notaCalorLatenteIncierto() << "\n";
        return 0;
    }
    const ResultadoTabla tabla = CrearTablaTexto(cadena, elv, e, cortes, peticion, columnas, calor);
    if (tabla.texto.empty()) return falloTabla(cadena, o.etapa, tabla.error, estado.sepDecimal);
    std::cout << tabla.texto;
    return 0;
}
