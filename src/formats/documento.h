#pragma once
// The distillation file (.bdf): every input as typed, the unit, the stage
// count, the six cuts, the equilibrium source and the 100-row x-y table.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "model/cadena.h"
#include "model/calefaccion.h"
#include "model/columna_platos.h"
#include "model/condiciones.h"
#include "model/equilibrio.h"
#include "model/idioma.h"
#include "model/numero.h"

namespace quillon {

// One document; a default-constructed one is what "Clear" leaves.
struct DocumentoDestilacion {
    std::string compA, compB, mma, mmb, alfa, x0, masa0;  // UTF-8, as typed
    // The mass percentage box, only when x0 was not taken from it nor it
    // from x0 (a refused edit of either, or of a molar mass): the document
    // then reopens showing it, and the views its message. Written after x0.
    std::optional<std::string> p0a;
    int unidad = 0;                                        // index of g, kg, oz, lb
    int numEtapas = 1;
    std::array<std::string, kMaxEtapas> avance{"0", "0", "0", "0", "0", "0"};
    bool modoTabla = false;
    TablaELV tabla;  // the 100 rows and the index of the last point in use
    // The pressure and model of the temperatures and of a predicted table,
    // once a table has been predicted. Written after the table block, in
    // tags of their own, only when there: a document without them is written
    // as it always was, and a program that does not know them reads the rest.
    std::optional<CondicionesTermo> condiciones;
    // The column of plates above the still, its boxes as typed. Written after
    // the conditions, in tags of its own, only when it has plates.
    std::optional<TextosColumnaPlatos> columna;
    // The heating of the still, its box as typed and its unit. Written after
    // the column, in tags of its own, only when the box holds anything.
    std::optional<TextosCalefaccion> calefaccion;

    bool operator==(const DocumentoDestilacion&) const = default;
};

// The file's bytes (Windows-1252, CR LF), numbers of the table with `sep`.
// `sustituyo`, when given, says whether a text had a character the code
// page lacks (written as "?").
std::string EscribirBdf(const DocumentoDestilacion& d, char sep = '.', bool* sustituyo = nullptr);

struct LecturaBdf {
    DocumentoDestilacion doc;
    // Which of the seven text tags (A, B, MMA, MMB, ALPHA, X0, M0, in this
    // order) the file holds: a missing one leaves its box as Clear left it
    // (the molar mass a name lookup filled in, for instance).
    std::array<bool, 7> textoPresente{};
    std::string error;  // empty when the document loaded
    bool ok() const { return error.empty(); }
};

// Reads a file's bytes. A file with none of the document's tags and no table
// block is no document (a text, a picture, a font): it is refused with the
// message that says so, naming `ruta`. A table-mode file with a missing or
// invalid table is refused with its message (`ruta` goes into the format
// message). In alpha
// mode the table is optional: one that fails the checks is kept as read, for
// the editor and for saving again, but does not come into force
// (ultPunto = 0); this is how a document saved before any table was entered
// (100 rows of zeros) opens.
LecturaBdf LeerBdf(std::string_view bytes, std::string_view ruta);

// The inputs a document gives once its texts are in the boxes, read as the
// window's table view of stage `etapa` reads them (the separator typed last
// in them follows into `estado`), and the cut of every stage, VALOR_NO_VALIDO
// where the percent box holds no percentage.
Entradas entradasDeDocumento(const DocumentoDestilacion& d, std::array<double, kMaxEtapas>& cortes,
                             EstadoNumerico& estado, int etapa = 1);

// Messages of the table checks, shared with the table editor.
namespace mensajes {
inline constexpr Texto formatoNoValido{"ERROR: Invalid format:", "ERROR: Formato no válido:"};
inline constexpr Texto fueraDeRango{"ERROR: Data out of range [0, 1]", "ERROR: Datos fuera del rango [0, 1]"};
inline constexpr Texto volatilidadesNoFinitas{
    "ERROR: Invalid data: the points give a relative volatility that is not a finite positive number",
    "ERROR: Datos no válidos: los puntos dan una volatilidad relativa que no es un número finito positivo"};
inline constexpr Texto noConsecutivos{"ERROR: Invalid data", "ERROR: Los valores no son consecutivos"};
inline constexpr Texto componentePuro{"ERROR: Invalid data",
                                      "ERROR: Valores incompatibles para disolución pura de un componente"};
inline constexpr Texto demasiadosPuntos{"ERROR: The table has no room for the points (0, 0) and (1, 1): at most 100 points",
                                        "ERROR: La tabla no tiene sitio para los puntos (0, 0) y (1, 1): máximo 100 puntos"};
}  // namespace mensajes

// Checks rows 0..ultimo in order (range, strictly increasing, pure
// components) and returns the first broken rule, or null.
const Texto* comprobarFilas(const std::array<double, kFilasTablaELV>& x,
                            const std::array<double, kFilasTablaELV>& y, int ultimo);

// Index of the last row in use: before the first X = -1, or 99.
int ultimaFilaUsada(const std::array<double, kFilasTablaELV>& x);

// Adds (1, 1) after and (0, 0) before the rows when missing, and marks every
// row after the last point with -1. False, with the rows unchanged, when there
// is no room for them.
bool completarTabla(std::array<double, kFilasTablaELV>& x, std::array<double, kFilasTablaELV>& y, int& ultimo);

// What the reader and the editor's Ok do with rows 0..ultimo: check them,
// complete them with the pure components and check that every volatility
// they give is finite. The first broken rule, or null with `tabla` holding
// the completed table.
const Texto* tablaComprobada(const std::array<double, kFilasTablaELV>& x, const std::array<double, kFilasTablaELV>& y,
                             int ultimo, TablaELV& tabla);

}  // namespace quillon
