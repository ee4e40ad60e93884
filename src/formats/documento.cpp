#include "formats/documento.h"

#include <cctype>

#include "formats/codificacion.h"
#include "formats/etiquetas.h"
#include "formats/limites.h"
#include "model/cortes.h"
#include "model/numero.h"

namespace quillon {
namespace {

// A tag line with the typed text as the grammar can hold it, trimmed (the
// code page is the whole file's).
std::string etiqueta(std::string_view tag, std::string_view valor, std::string_view cierre = ">")
{
    return std::string(tag) + recortar(textoSinMarcas(valor)) + std::string(cierre) + "\r\n";
}

// Whether a text holds any of the document's tags. A tag of a newer program
// counts as long as it is written with one of these openings.
bool tieneEtiquetas(std::string_view texto)
{
    for (std::string_view t : {"<A=", "<B=", "<MMA=", "<MMB=", "<ALPHA=", "<X0=", "<P0A=", "<M0=", "<MU=", "<NE=", "<%E",
                               "<VLE=", "<PRESSURE", "<MODEL="})
        if (texto.find(t) != std::string_view::npos) return true;
    return false;
}

std::string minusculas(std::string s)
{
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// The index of the unit a tag names, in any case, in a program's list of
// units; `unidad` unchanged when the tag is absent or names none of them.
template <typename Lista>
void leerUnidad(std::string_view texto, const char* etiqueta, const Lista& unidades, int& unidad)
{
    const auto nombre = valorEtiqueta(texto, etiqueta);
    if (!nombre) return;
    for (std::size_t i = 0; i < unidades.size(); ++i)
        if (minusculas(recortar(*nombre)) == minusculas(std::string(unidades[i].nombre))) unidad = static_cast<int>(i);
}

void leerCondiciones(std::string_view texto, DocumentoDestilacion& d)
{
    const auto presion = valorEtiqueta(texto, "<PRESSURE=");
    const auto modelo = valorEtiqueta(texto, "<MODEL=");
    // A model named alone is at the pressure the program assumes, 1 atm.
    if (!presion && !modelo) return;
    CondicionesTermo c;
    if (presion) c.presion = recortar(*presion);
    leerUnidad(texto, "<PRESSURE_UNIT=", unidadesPresion(), c.unidad);
    if (modelo && minusculas(recortar(*modelo)) == "ideal") c.modelo = termo::Modelo::Ideal;
    d.condiciones = c;
}

void leerColumna(std::string_view texto, DocumentoDestilacion& d)
{
    const auto platos = valorEtiqueta(texto, "<PLATES=");
    if (!platos) return;
    TextosColumnaPlatos c;
    c.platos = recortar(*platos);
    const auto pureza = valorEtiqueta(texto, "<PURITY=");
    if (pureza) c.politica = PoliticaReflujo::PurezaConstante;
    const auto recortado = [](const std::optional<std::string>& v) { return v ? recortar(*v) : std::string(); };
    c.pureza = recortado(pureza);
    c.reflujo = recortado(valorEtiqueta(texto, "<REFLUX="));
    c.reflujoMaximo = recortado(valorEtiqueta(texto, "<MAX_REFLUX="));
    d.columna = c;
}

void leerCalefaccionDe(std::string_view texto, DocumentoDestilacion& d)
{
    const auto valor = valorEtiqueta(texto, "<HEATING=");
    if (!valor) return;
    TextosCalefaccion c;
    c.valor = recortar(*valor);
    leerUnidad(texto, "<HEATING_UNIT=", unidadesCalefaccion(), c.unidad);
    d.calefaccion = c;
}

void leerEtiquetas(std::string_view texto, LecturaBdf& r)
{
    DocumentoDestilacion& d = r.doc;
    const std::pair<const char*, std::string*> campos[] = {
        {"<A=", &d.compA},   {"<B=", &d.compB}, {"<MMA=", &d.mma},  {"<MMB=", &d.mmb},
        {"<ALPHA=", &d.alfa}, {"<X0=", &d.x0},  {"<M0=", &d.masa0},
    };
    for (std::size_t i = 0; i < std::size(campos); ++i) {
        auto v = valorEtiqueta(texto, campos[i].first);
        r.textoPresente[i] = v.has_value();
        if (v) *campos[i].second = *v;
    }
    d.p0a = valorEtiqueta(texto, "<P0A=");

    if (auto mu = valorEtiqueta(texto, "<MU=")) {
        for (std::size_t i = 0; i < unidadesMasa().size(); ++i)
            if (minusculas(*mu) == unidadesMasa()[i].nombre) d.unidad = static_cast<int>(i);
    }
    for (int n = 1; n <= kMaxEtapas; ++n)
        if (auto v = valorEtiqueta(texto, "<%E" + std::to_string(n) + "=")) d.avance[static_cast<std::size_t>(n - 1)] = *v;
    if (auto ne = valorEtiqueta(texto, "<NE=")) {
        const auto v = valorInicial(*ne);
        const long etapas = v ? redondearPar(*v) : 0;
        if (etapas >= 1 && etapas <= kMaxEtapas) d.numEtapas = static_cast<int>(etapas);
    }
    leerCondiciones(texto, d);
    leerColumna(texto, d);
    leerCalefaccionDe(texto, d);
}

}  // namespace

std::string EscribirBdf(const DocumentoDestilacion& d, char sep, bool* sustituyo)
{
    std::string s;
    s += etiqueta("<A=", d.compA);
    s += etiqueta("<B=", d.compB);
    s += etiqueta("<MMA=", d.mma);
    s += etiqueta("<MMB=", d.mmb);
    s += etiqueta("<ALPHA=", d.alfa);
    s += etiqueta("<X0=", d.x0);
    if (d.p0a) s += etiqueta("<P0A=", *d.p0a);
    s += etiqueta("<M0=", d.masa0);
    s += etiqueta("<MU=", unidadesMasa()[static_cast<std::size_t>(d.unidad)].nombre);
    s += etiqueta("<NE=", std::to_string(d.numEtapas));
    for (int n = 1; n <= kMaxEtapas; ++n)
        s += etiqueta("<%E" + std::to_string(n) + "=", d.avance[static_cast<std::size_t>(n - 1)], " >");
    s += d.modoTabla ? "<VLE=TABLE>\r\n" : "<VLE=ALPHA>\r\n";
    s += "[[\r\n" + escribirFilas(d.tabla.x, d.tabla.y, sep) + "]]\r\n";
    if (const auto& c = d.condiciones) {
        s += etiqueta("<PRESSURE=", c->presion);
        s += etiqueta("<PRESSURE_UNIT=", unidadesPresion()[static_cast<std::size_t>(c->unidad)].nombre);
        s += etiqueta("<MODEL=", nombreModelo(c->modelo));
    }
    if (const auto& c = d.columna; c && columnaEnUso(*c)) {
        s += etiqueta("<PLATES=", c->platos);
        if (c->politica == PoliticaReflujo::RazonConstante) {
            s += etiqueta("<REFLUX=", c->reflujo);
        } else {
            s += etiqueta("<PURITY=", c->pureza);
            s += etiqueta("<MAX_REFLUX=", c->reflujoMaximo);
        }
    }
    if (const auto& c = d.calefaccion; c && calefaccionEnUso(*c)) {
        s += etiqueta("<HEATING=", c->valor);
        s += etiqueta("<HEATING_UNIT=", unidadesCalefaccion()[static_cast<std::size_t>(c->unidad)].nombre);
    }
    return aWindows1252(s, sustituyo);
}

int ultimaFilaUsada(const std::array<double, kFilasTablaELV>& x)
{
    for (int i = 0; i < kFilasTablaELV; ++i)
        if (x[static_cast<std::size_t>(i)] == -1) return i - 1;
    return kFilasTablaELV - 1;
}

const Texto* comprobarFilas(const std::array<double, kFilasTablaELV>& x,
                            const std::array<double, kFilasTablaELV>& y, int ultimo)
{
    for (int i = 0; i <= ultimo; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (!(x[k] >= 0 && x[k] <= 1 && y[k] >= 0 && y[k] <= 1)) return &mensajes::fueraDeRango;
        if (i < ultimo && !(x[k] < x[k + 1] && y[k] < y[k + 1])) return &mensajes::noConsecutivos;
        if ((x[k] == 0) != (y[k] == 0) || (x[k] == 1) != (y[k] == 1)) return &mensajes::componentePuro;
    }
    return nullptr;
}

bool completarTabla(std::array<double, kFilasTablaELV>& x, std::array<double, kFilasTablaELV>& y, int& ultimo)
{
    const bool faltaFinal = ultimo < 0 || x[static_cast<std::size_t>(ultimo)] != 1;
    const bool faltaInicio = ultimo < 0 || x[0] != 0;
    const int filas = ultimo + 1 + (faltaFinal ? 1 : 0) + (faltaInicio ? 1 : 0);
    if (filas > kFilasTablaELV) return false;
    if (faltaFinal) {
        ++ultimo;
        x[static_cast<std::size_t>(ultimo)] = 1;
        y[static_cast<std::size_t>(ultimo)] = 1;
    }
    if (x[0] != 0) {
        ++ultimo;
        for (int i = ultimo; i > 0; --i) {
            x[static_cast<std::size_t>(i)] = x[static_cast<std::size_t>(i - 1)];
            y[static_cast<std::size_t>(i)] = y[static_cast<std::size_t>(i - 1)];
        }
        x[0] = 0;
        y[0] = 0;
    }
    // Rows left after an end marker are not part of the table: dropping them
    // keeps the marker right after the last point, so that a saved table
    // reads back the same.
    for (int i = ultimo + 1; i < kFilasTablaELV; ++i) {
        x[static_cast<std::size_t>(i)] = -1;
        y[static_cast<std::size_t>(i)] = -1;
    }
    return true;
}

const Texto* tablaComprobada(const std::array<double, kFilasTablaELV>& x, const std::array<double, kFilasTablaELV>& y,
                             int ultimo, TablaELV& tabla)
{
    if (const Texto* fallo = comprobarFilas(x, y, ultimo)) return fallo;
    TablaELV t{x, y, ultimo};
    if (!completarTabla(t.x, t.y, t.ultPunto)) return &mensajes::demasiadosPuntos;
    // A table of the pure components alone has no volatility at all: that is
    // for the callers to judge (tablaUtilizable).
    if (tablaUtilizable(t) && !volatilidadesFinitas(t)) return &mensajes::volatilidadesNoFinitas;
    tabla = t;
    return nullptr;
}

LecturaBdf LeerBdf(std::string_view bytes, std::string_view ruta)
{
    const std::string texto = desdeWindows1252(bytes);
    LecturaBdf r;
    DocumentoDestilacion& d = r.doc;
    const auto filas = leerBloqueTabla(texto);
    if (!filas && !tieneEtiquetas(texto)) {
        r.error = tr(mensajes::noEsDocumento) + ("\r\n" + std::string(ruta));
        return r;
    }
    leerEtiquetas(texto, r);
    const bool tabla = texto.find("<VLE=TABLE") != std::string::npos;

    if (!filas) {
        if (tabla) r.error = std::string(tr(mensajes::formatoNoValido)) + "\r\n" + std::string(ruta);
        return r;  // alpha mode: no table, the empty one of a new document
    }
    d.tabla.x = filas->x;
    d.tabla.y = filas->y;
    TablaELV completa;
    if (const Texto* fallo = tablaComprobada(d.tabla.x, d.tabla.y, ultimaFilaUsada(d.tabla.x), completa)) {
        // Alpha mode keeps the rows as read, not in force.
        if (tabla) r.error = tr(*fallo);
        return r;
    }
    d.tabla = completa;
    // A table with no point between the pure components defines no
    // volatility: the document falls back to alpha mode.
    d.modoTabla = tabla && tablaUtilizable(d.tabla);
    return r;
}

Entradas entradasDeDocumento(const DocumentoDestilacion& d, std::array<double, kMaxEtapas>& cortes,
                             EstadoNumerico& estado, int etapa)
{
    // The table view's order: the molar masses, the initial mass, x0,
    // alpha (alpha mode), the cuts of the earlier stages; then the
    // computation of the stage reads alpha, the molar masses and, for stage
    // 1, x0 once more. The last separator typed in these is the table's.
    Entradas e;
    e.mma = LeerNumero(d.mma, estado);
    e.mmb = LeerNumero(d.mmb, estado);
    e.m0 = LeerNumero(d.masa0, estado);
    e.x0 = LeerNumero(d.x0, estado);
    EstadoNumerico aparte;
    // The mass percentage is checked, not read: it decides no separator.
    if (d.p0a) e.p0a = LeerNumero(*d.p0a, aparte);
    e.alfa = LeerNumero(d.alfa, d.modoTabla ? aparte : estado);
    e.modoTabla = d.modoTabla;
    e.unidad = d.unidad;
    e.numEtapas = d.numEtapas;
    for (int k = 1; k <= kMaxEtapas; ++k)
        cortes[static_cast<std::size_t>(k - 1)] = leerCorte(d.avance[static_cast<std::size_t>(k - 1)], k < etapa ? estado : aparte);
    for (const std::string* t : {&d.alfa, &d.mma, &d.mmb, &d.x0})
        if ((t != &d.alfa || !d.modoTabla) && (t != &d.x0 || etapa == 1)) LeerNumero(*t, estado);
    return e;
}

}  // namespace quillon
