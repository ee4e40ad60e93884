#pragma once
// The train of stages: the distillate collected in stage k up to its cut is
// the charge of stage k+1. The window owns one CadenaEtapas and draws from it;
// the command-line companion evaluates files with the same code.

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "model/avance.h"
#include "model/equilibrio.h"
#include "model/idioma.h"
#include "model/magnitudes.h"
#include "model/rectificacion.h"

namespace quillon {

inline constexpr int kMaxEtapas = 6;

// The parsed values of the input boxes.
struct Entradas {
    double mma = 0, mmb = 0, alfa = 0, x0 = 0, m0 = 0;
    // The mass percentage of A as its box holds it. Only the window has the
    // box; a bad percentage left x0 as the last good one was.
    double p0a = 0;
    bool modoTabla = false;
    int unidad = 0;  // index into unidadesMasa()
    int numEtapas = 1;
};

// The first failing input test of a view, in the views' order: molar masses,
// initial mass, initial mole fraction, mass percentage, then (alpha mode)
// alpha. Null when all
// pass. `masaPositiva`: the graph wants M0 > 0, the other views M0 >= 0.
const Texto* validarEntradas(const Entradas& e, bool masaPositiva, bool comprobarAlfa);

// The cut of a stage as drawn: the typed percentage when it is a number from
// 0 to 100, otherwise the slider's whole percent.
double corteEfectivo(double textoLeido, int valorSlider);

// Mass of stage k's charge per unit of the first charge: the product of the
// earlier stages' cuts over 100.
double fraccionCarga(const std::array<double, kMaxEtapas>& cortes, int etapa);

// Charge mass of stage k as the table and the graph compute it: M0
// multiplied by Pj/100 for every earlier stage, in order. (The still drawing
// takes fraccionCarga(...) * M0; the two can differ in the last bit.)
double masaCargaVista(const std::array<double, kMaxEtapas>& cortes, int etapa, double m0);

// Row of the column at a stage's cut, as the still drawing reads it:
// P / 100 * 10000 rounded, halves to even (the views read P * 100; the two
// differ for some cuts typed with three decimals).
int filaDeCorte(double P);

// Progress tables of the six stages with their validity flags and charges
// (TablaAvance, EtapaCalculada, X0Etapa). Index 0 of the flags and of the
// columns holds no stage.
class CadenaEtapas {
public:
    CadenaEtapas();

    // Stage k's whole table. Whatever reads a table computed only in part
    // finds it completed first (see completarHasta).
    const ColumnaAvance& columna(int etapa) const
    {
        completarHasta(etapa, kPasosAvance);
        return (*tablas_)[static_cast<std::size_t>(etapa)];
    }
    // The still's composition at one row.
    double alambiqueEnFila(int etapa, int fila) const
    {
        completarHasta(etapa, fila);
        return (*tablas_)[static_cast<std::size_t>(etapa)][static_cast<std::size_t>(fila)];
    }
    // Whether stage k's whole table is computed; whether its rows up to
    // `fila` are (a column's table may be computed only that far).
    bool calculada(int etapa) const { return calculadaHasta(etapa, kPasosAvance); }
    bool calculadaHasta(int etapa, int fila) const
    {
        return calculada_[static_cast<std::size_t>(etapa)] && filaCalculada(etapa) >= fila;
    }
    // Mole fraction of A in the charge of stage j+1.
    double x0Etapa(int j) const { return x0_[static_cast<std::size_t>(j)]; }
    void fijarCargaInicial(double x0) { x0_[0] = x0; }

    // Clears the flags of stages desde..hasta (within 1..6).
    void invalidar(int desde = 1, int hasta = kMaxEtapas);
    // The same when only the charges of those stages may have changed (an
    // earlier cut was drawn or moved): a stage whose charge and molar masses
    // are those its table was computed with keeps the table, which the same
    // inputs would give again. A column's table costs milliseconds.
    void invalidarCargas(int desde, int hasta = kMaxEtapas);

    // Computes stage k's whole table when it is not. True when its column is
    // valid. With a column of plates in force the stage is a batch
    // rectification (false too when the column refuses its charge: see
    // rechazo).
    bool asegurar(int etapa, const ModeloELV& elv, double mma, double mmb)
    {
        return asegurarHasta(etapa, kPasosAvance, elv, mma, mmb);
    }
    // The same as far as row `fila`: a column's table stops there, to be
    // continued when more is asked of it; simple distillation's is whole.
    bool asegurarHasta(int etapa, int fila, const ModeloELV& elv, double mma, double mmb);
    // A stage whose table is valid computed as far as `fila` with what it
    // was begun with; false, doing nothing, when it is not valid.
    bool continuar(int etapa, int fila);
    // A number that changes every time stage k's column is computed: what
    // was worked out from the column is stale once it differs.
    unsigned long version(int etapa) const { return versiones_[static_cast<std::size_t>(etapa)]; }

    // The column of plates every stage distils through; one without plates
    // leaves simple distillation. Another column than the one in force
    // clears every stage.
    void fijarColumna(const ColumnaPlatos& c);
    const ColumnaPlatos& columnaPlatos() const { return columnaPlatos_; }
    // Stage k's column head, row by row: its reflux ratio and its distillate.
    // Only while a column with plates is in force.
    const AvanceColumnaPlatos& cabeza(int etapa) const
    {
        completarHasta(etapa, kPasosAvance);
        return (*cabezas_)[static_cast<std::size_t>(etapa)];
    }
    // The head at one row.
    CabezaColumna cabezaEnFila(int etapa, int fila) const;
    // Why the column refused stage k's charge the last time it was computed,
    // or null.
    const RechazoColumna* rechazo(int etapa) const;

    // Cuts stage k at progress P: the distillate's mole fraction of A becomes
    // the charge of stage k+1. Returns the distillate's composition.
    ComposicionDestilado cortar(int etapa, double P, double mma, double mmb);

private:
    bool calcularConColumna(int etapa, const ModeloELV& elv, double mma, double mmb);
    // A table begun and stopped short of `fila` continued that far: its rows
    // are fixed by what it was begun with, bit for bit those of one go, so
    // reading them changes nothing but the time it takes. The views ask for
    // what they read beforehand; this keeps any reader from finding rows
    // not yet computed.
    void completarHasta(int etapa, int fila) const;
    // The last row of stage k's table computed (its flag aside).
    int filaCalculada(int etapa) const
    {
        const auto& i = integraciones_[static_cast<std::size_t>(etapa)];
        return i ? i->fila() : kPasosAvance;
    }

    std::unique_ptr<std::array<ColumnaAvance, kMaxEtapas + 1>> tablas_;
    std::array<bool, kMaxEtapas + 1> calculada_{};
    std::array<double, kMaxEtapas + 1> x0_{};
    // What each stage's table was computed with, and whether only its charge
    // has been put in doubt since.
    struct Calculo {
        double x0 = -1, mma = 0, mmb = 0;
        bool reutilizable = false;
    };
    std::array<Calculo, kMaxEtapas + 1> calculos_{};
    // The row at which each stage's charge last ran out of a component with
    // whole steps (0: it did not), the guess for its next table.
    std::array<int, kMaxEtapas + 1> agotamientos_{};
    ColumnaPlatos columnaPlatos_;
    // Made with the first column of plates.
    std::unique_ptr<std::array<AvanceColumnaPlatos, kMaxEtapas + 1>> cabezas_;
    std::array<std::optional<RechazoColumna>, kMaxEtapas + 1> rechazos_{};
    // The column's tables computed only in part, and how to continue them;
    // none once a table is whole.
    mutable std::array<std::optional<IntegracionColumna>, kMaxEtapas + 1> integraciones_{};
    std::array<unsigned long, kMaxEtapas + 1> versiones_{};
    unsigned long ultimaVersion_ = 0;
};

// Mass and composition of a liquid (a still's contents or the distillate).
struct Contenido {
    double masa = 0;        // in the mass unit
    double masaA = 0, masaB = 0;
    double wA = 0, wB = 0;  // mass fractions
    double x = 0, xB = 0;   // mole fractions
    double molesA = 0, molesB = 0;
};
// `xB`, the mole fraction of B, where it is known better than 1 − x (a
// distillate almost pure A); the still's is 1 − x.
Contenido contenidoDeLiquido(double x, double xB, double masa, double mma, double mmb, double gramos);
inline Contenido contenidoDeLiquido(double x, double masa, double mma, double mmb, double gramos)
{
    return contenidoDeLiquido(x, 1 - x, masa, mma, mmb, gramos);
}

// The text beside a still or the receiver, numbers with `sep` as separator.
std::string textoContenido(const Contenido& c, std::string_view unidad, char sep);

// What drawing stage k finds: its charge, its cut, and the two liquids.
struct EstadoEtapa {
    const Texto* error = nullptr;  // set when the stage cannot be drawn
    double fraccion = 1;           // F, charge of the stage over the first charge
    double avance = 0;             // P, percent
    double masaCarga = 0;          // Mk, in the mass unit
    Contenido alambique;           // the liquid left in the still
    Contenido destilado;           // the distillate collected up to P
    // When the column refused the stage's charge (`error` is then its
    // message, which textoRechazo completes with its figure and stage).
    std::optional<RechazoColumna> rechazo;
};

// Validates, computes stage k as far as its cut if needed (a column's table
// may stop there), cuts it there and describes both liquids: the
// arithmetic of drawing one stage of the row.
// Stages must be evaluated from left to right, since each cut sets the next
// stage's charge.
EstadoEtapa calcularEtapa(CadenaEtapas& cadena, const ModeloELV& elv, const Entradas& e,
                          const std::array<double, kMaxEtapas>& cortes, int etapa);

// The stage's evaluation context for the result quantities; the column must
// be valid.
EtapaEvaluable etapaEvaluable(const CadenaEtapas& cadena, const ModeloELV& elv, const Entradas& e,
                              const std::array<double, kMaxEtapas>& cortes, int etapa);

}  // namespace quillon
