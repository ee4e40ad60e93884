#pragma once
// The 23 result quantities of a stage at a given progress, their names and
// codes, and the three ordered lists in which the views offer them.

#include <array>
#include <string_view>

#include "model/avance.h"

namespace quillon {

// Index in the full list (the table view's order).
enum Magnitud : int {
    PctMasaTotalDest = 0,   // %tMd
    PctMolesTotalDest,      // %tNd
    PctMasaADest,           // %MAd
    PctMasaAResid,          // %MAs
    XADest,                 //  XAd
    XAResid,                //  XAs
    MasaTotalDest,          //  tMd
    MolesTotalDest,         //  tNd
    PctMasaBResid,          // %MBs
    XBResid,                //  XBs
    PctMasaBDest,           // %MBd
    XBDest,                 //  XBd
    MasaTotalResid,         //  tMs
    MolesTotalResid,        //  tNs
    MasaAResid,             //  MAs
    MasaBResid,             //  MBs
    MolesAResid,            //  NAs
    MolesBResid,            //  NBs
    MasaADest,              //  MAd
    MasaBDest,              //  MBd
    MolesADest,             //  NAd
    MolesBDest,             //  NBd
    YAVapor,                //  YAd
    kNumMagnitudes
};

struct InfoMagnitud {
    std::string_view nombre;
    std::string_view codigo;  // four characters, some with a leading blank
};

// NomMagnitud / CodMagnitud, index 0..22.
const std::array<InfoMagnitud, kNumMagnitudes>& magnitudes();
// Items of the graph's vertical axis (17) and horizontal axis (6), as indices
// into the full list.
const std::array<int, 17>& listaEjeY();
const std::array<int, 6>& listaEjeX();

// True for the quantities measured in the mass unit (their code has an "M"
// and no "%").
bool esMagnitudDeMasa(int indice);

// Mass units: caption and grams per unit.
struct UnidadMasa {
    std::string_view nombre;
    double gramos;
};
const std::array<UnidadMasa, 4>& unidadesMasa();

// Mole fractions of A and B in the distillate accumulated at progress P
// (percent), by mass balance from the still composition x and the charge x0:
// both 0 before anything is distilled (or when x0 is 0), A 1 for a charge of
// pure A. Always within 0..1; B is computed apart where 1 − A would lose its
// digits.
struct ComposicionDestilado {
    double xA = 0, xB = 0;
};
ComposicionDestilado composicionDestilado(double P, double x, double x0, double mma, double mmb);

// Its mole fraction of A.
double GetXD_DEST(double P, double x, double x0, double mma, double mmb);

using ValoresMagnitudes = std::array<double, kNumMagnitudes>;

struct AvanceColumnaPlatos;  // rectificacion.h

// Everything the evaluation of a stage needs besides the progress.
struct EtapaEvaluable {
    const ColumnaAvance* columna = nullptr;
    const ModeloELV* elv = nullptr;
    double x0 = 0;         // mole fraction of A in the stage's charge
    double mma = 0, mmb = 0;
    double masaCarga = 0;  // M, in the mass unit
    double gramos = 1;     // grams per mass unit
    // The head of the stage's column of plates, row by row; null without one.
    const AvanceColumnaPlatos* columnaPlatos = nullptr;
};

// All 23 quantities of the stage at progress P. No side effects.
ValoresMagnitudes EvaluarMagnitudes(const EtapaEvaluable& etapa, double P);

}  // namespace quillon
