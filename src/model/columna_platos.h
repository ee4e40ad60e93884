#pragma once
// A column of plates above the still (batch rectification): its boxes as
// typed, the numbers read from them with their messages, the two quantities
// it adds to the results, and the message of a purity it cannot give.

#include <array>
#include <string>
#include <string_view>

#include "model/idioma.h"

namespace quillon {

inline constexpr int kMaxPlatos = 30;
// The largest reflux ratio a box takes: far past total reflux for any
// teaching purpose, and small enough that (R + 1) times any amount of the
// charge stays a finite number.
inline constexpr double kReflujoMayor = 1e6;

enum class PoliticaReflujo { RazonConstante, PurezaConstante };

// The column's boxes as the user typed them; what a document keeps.
struct TextosColumnaPlatos {
    std::string platos = "0";  // plates above the still, 0 to 30
    PoliticaReflujo politica = PoliticaReflujo::RazonConstante;
    std::string reflujo;        // R, at constant reflux ratio
    std::string pureza;         // xD, mole fraction of A, at constant purity
    std::string reflujoMaximo;  // the largest R, at constant purity

    bool operator==(const TextosColumnaPlatos&) const = default;
};

// The column as the model runs it. No plates: simple distillation.
struct ColumnaPlatos {
    int platos = 0;
    PoliticaReflujo politica = PoliticaReflujo::RazonConstante;
    double reflujo = 0;        // R, constant reflux ratio
    double pureza = 0;         // xD, constant purity
    double reflujoMaximo = 0;  // Rmax, constant purity

    bool hay() const { return platos > 0; }
    bool operator==(const ColumnaPlatos&) const = default;
};

struct LecturaColumnaPlatos {
    ColumnaPlatos columna;
    const Texto* error = nullptr;  // the first box that is not valid, in the panel's order
};

// Reads the boxes with the program's number reader: plates a whole number
// from 0 to 30; R and Rmax from 0 to kReflujoMayor; xD a mole fraction. With
// no plates the other boxes are not read. The column's boxes do not decide
// the separator numbers are written with: they are read apart.
LecturaColumnaPlatos leerColumnaPlatos(const TextosColumnaPlatos& t);

// A document carries its column only when the plates box holds anything but
// a plain 0.
bool columnaEnUso(const TextosColumnaPlatos& t);

namespace mensajes {
inline constexpr Texto platos{"ERROR: Number of plates is not valid", "ERROR: Número de platos no válido"};
inline constexpr Texto reflujo{"ERROR: Reflux ratio is not valid", "ERROR: Razón de reflujo no válida"};
inline constexpr Texto pureza{"ERROR: Distillate purity is not valid", "ERROR: Pureza del destilado no válida"};
inline constexpr Texto reflujoMaximo{"ERROR: Largest reflux ratio is not valid",
                                     "ERROR: Razón de reflujo máxima no válida"};
}  // namespace mensajes

// Why a stage cannot be run at constant purity: the message, the figure that
// explains it (the charge's mole fraction, the azeotrope, the best purity at
// Rmax) and the stage.
struct RechazoColumna {
    const Texto* mensaje = nullptr;
    const Texto* detalle = nullptr;  // the figure's introduction: " (at most "
    double valor = 0;
    int etapa = 1;
};
// "ERROR: ... (at most 0.71234)", and " in stage k" after the first stage.
std::string textoRechazo(const RechazoColumna& r, char sep = '.');

// The two quantities of a column, after the 23 and the two temperatures.
inline constexpr int kReflujo = 25, kDestiladoCondensador = 26;
struct InfoMagnitudColumna {
    Texto nombre;
    std::string_view codigo;  // four characters, like the others
};
const std::array<InfoMagnitudColumna, 2>& magnitudesColumna();
inline bool esMagnitudDeColumna(int q) { return q == kReflujo || q == kDestiladoCondensador; }

// The line the table's header gives a column: its plates and policy and,
// at constant purity, where R reached its largest value (a negative
// `avanceReflujoMaximo`: it never did).
std::string textoColumna(const ColumnaPlatos& c, double avanceReflujoMaximo, char sep);

}  // namespace quillon
