#pragma once
// Vapour pressure and UNIFAC numbers of the compounds of the molar-mass list.
// The tables live in termo_datos.cpp, which tools/termo/generar_datos.py
// writes from data/thermo/ (run by hand when the data change).
//
// Sources:
// - Antoine constants: Poling, Prausnitz & O'Connell, The Properties of Gases
//   and Liquids, 5th ed., McGraw-Hill 2000, Appendix A; for ethylene glycol,
//   formic acid, styrene and acetonitrile, Landolt-Boernstein IV/20 (stored
//   as ln(P/Pa), converted to log10). Both as stored in
//   github.com/CalebBell/chemicals (MIT licence, commit
//   82faef900dcf2b48537c31bcf1ab56c35bb79a1e).
// - Normal boiling points: CRC Handbook of Chemistry and Physics, 95th ed.,
//   as stored in the same library.
// - UNIFAC R_k, Q_k, a_mn and group assignments: Hansen, Rasmussen,
//   Fredenslund, Schiller & Gmehling, Ind. Eng. Chem. Res. 30 (1991) 2352;
//   Wittig, Lohmann & Gmehling, Ind. Eng. Chem. Res. 42 (2003) 183; model of
//   Fredenslund, Jones & Prausnitz, AIChE J. 21 (1975) 1086. As stored in
//   github.com/CalebBell/thermo (MIT licence, commit
//   2bb466e98439c2395a004e7095d07f9b97a5a0f0).
// - Critical temperatures and pressures: the IUPAC series "Vapor-Liquid
//   Critical Properties of Elements and Compounds", J. Chem. Eng. Data
//   (1995-2007); styrene from the CRC Handbook, 95th ed.; water from IAPWS-95;
//   the critical pressure of formic acid from PSRK revision IV. Melting points
//   and enthalpies of vaporization at the normal boiling point: CRC Handbook,
//   95th ed. As stored in github.com/CalebBell/chemicals (same commit as the
//   Antoine constants). Each row of termo_datos.cpp cites its own sources;
//   data/thermo/README-critical.md gives them in full.

#include <array>
#include <span>
#include <string_view>

namespace quillon::termo::datos {

// log10(P/Pa) = A - B / (T/K + C), fitted on Tmin..Tmax (K).
struct Antoine {
    double A, B, C;
    double Tmin, Tmax;
};

// `cuenta` subgroups number `subgrupo` of the UNIFAC tables.
struct GrupoCuenta {
    int subgrupo = 0;
    int cuenta = 0;
};

struct CompuestoTermo {
    std::string_view nombre;  // canonical English name
    std::string_view cas;
    Antoine antoine;
    double tebManual;                   // handbook normal boiling point, K
    std::array<GrupoCuenta, 3> grupos;  // unused entries count 0
};

// A name of the molar-mass list, normalised (lower case, no accents), and the
// compound it names.
struct NombrePrograma {
    std::string_view nombre;
    int compuesto;
};

struct Subgrupo {
    int numero;
    int grupoPrincipal;
    double R, Q;
};

// a_mn in K between main groups; pairs without a published value are absent.
struct Interaccion {
    int m, n;
    double a;
};

// The limits of a liquid, in the units of data/thermo/critical.tsv.
struct ConstantesFisicas {
    double Tc;        // critical temperature, K
    double PcKPa;     // critical pressure, kPa
    double Tm;        // normal melting point, K
    double dHvapKJ;   // enthalpy of vaporization, kJ/mol, at...
    double TbDHvap;   // ...this boiling temperature (K), the one its source gives
};

std::span<const CompuestoTermo> compuestos();
std::span<const ConstantesFisicas> constantesFisicas();  // in the order of compuestos()
std::span<const NombrePrograma> nombresPrograma();
std::span<const Subgrupo> subgrupos();          // sorted by number
std::span<const Interaccion> interacciones();   // sorted by (m, n)

}  // namespace quillon::termo::datos
