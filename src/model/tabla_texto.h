#pragma once
// The text of the progress table view: a header restating the inputs, a
// legend of the column codes, and the ticked quantities at even steps of
// progress in 12-character columns. Lines end with CR LF.

#include <string>
#include <vector>

#include "model/cadena.h"
#include "model/temperaturas.h"
#include "model/tiempo_calor.h"

namespace quillon {

struct PeticionTabla {
    std::string nombreA, nombreB;  // as typed
    int etapa = 1;                 // stage tabulated
    int intervalos = 20;           // N: N + 1 rows from 0 % to 100 %
    // Ticked quantities, in list order; the temperatures and the column's
    // quantities by their indices after the 23, dropped when the stage has
    // no binary or no column for them.
    std::vector<int> items;
    char sep = '.';                // decimal separator of the numbers
};

// The binary of the two temperature quantities (kTempAlambique,
// kTempDestilado), when they can be ticked, and how the legend names its
// model and pressure ("UNIFAC, 1 atm").
struct TemperaturasTabla {
    const termo::Sistema* sistema = nullptr;
    std::string modelo;
};

// The heating of the two quantities kTiempo and kCalor, when they can be
// ticked; the binary of the latent heats is null when a component is no
// known compound (then no heat, and no time with a power).
struct CalorTabla {
    const Calefaccion* calefaccion = nullptr;
    RelojEtapas* reloj = nullptr;
    const termo::Sistema* sistema = nullptr;
};

// The numbers of the table view: the ticked quantities at every row, from
// 0 % to 100 % of progress.
struct ValoresTabla {
    std::vector<int> items;                  // the columns
    std::vector<std::vector<double>> filas;  // one a row
    // The flags of each number of `filas` (a temperature's; none for the others).
    std::vector<std::vector<termo::Avisos>> avisos;
    std::string unidad;                      // the mass unit
    double masaCarga = 0;                    // the stage's charge, in that unit
    // The latent heats used were uncertain ones (formic or acetic acid).
    bool calorIncierto = false;
};
struct ResultadoValores {
    ValoresTabla valores;
    bool valido = false;
    const Texto* error = nullptr;  // the message of the first failing input
};
// Computes the stage's column when its flag is clear. The charge of the
// stage is the one the stage row set.
ResultadoValores ValoresTablaVista(CadenaEtapas& cadena, const ModeloELV& elv, const Entradas& e,
                                   const std::array<double, kMaxEtapas>& cortes, PeticionTabla p,
                                   const TemperaturasTabla& temperaturas = {}, const CalorTabla& calor = {});

struct ResultadoTabla {
    std::string texto;             // empty when the table cannot be built
    const Texto* error = nullptr;  // the message of the first failing input
    ValoresTabla valores;          // the numbers the text shows
};

// The whole text of the view: a doubtful temperature carries the marks of
// its flags after the number, and a note under the table explains them.
ResultadoTabla CrearTablaTexto(CadenaEtapas& cadena, const ModeloELV& elv, const Entradas& e,
                               const std::array<double, kMaxEtapas>& cortes, PeticionTabla p,
                               const TemperaturasTabla& temperaturas = {}, const CalorTabla& calor = {});

// The same numbers for a spreadsheet, in full precision under a header of
// codes and units: comma-separated with a decimal point, or
// semicolon-separated when the decimal separator is the comma. Lines end
// with CR LF.
std::string CrearTablaCsv(const ValoresTabla& v, char sep);
// An HTML table of the numbers as the view shows them, for a paste into a
// spreadsheet to fill cells.
std::string CrearTablaHtml(const ValoresTabla& v, char sep);

// The code of quantity q ("%tMd", " TBs", " Rfx"), the temperatures' and the
// column's included.
std::string codigoMagnitud(int q);

// `s` padded with blanks or cut to exactly 12 characters.
std::string columna12(std::string s);

}  // namespace quillon
