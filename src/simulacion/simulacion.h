#pragma once
// The simulation the window shows: the inputs as typed, the equilibrium in
// force, the stage chain and its cuts. The input panels write into it; the
// stage row, the graphs, the table view and printing read from it. It never
// touches a widget: the input boxes follow its signals at once, and the views
// follow its announcement of what changed, made once per turn of the event
// loop (`cambiado`). The stage row is made before the other views and so
// follows it first, as the stills cut the charges the other views read.
//
// Numbers are read from the texts when a view needs them, in the order each
// view reads them: the separator the user typed last in what was read decides
// how numbers are written back.

#include <QObject>
#include <QString>
#include <array>

class QTimer;
#include <memory>

#include "formats/documento.h"
#include "simulacion/cambios.h"
#include "model/cadena.h"
#include "model/condiciones.h"
#include "model/equilibrio.h"
#include "model/numero.h"
#include "model/tabla_texto.h"
#include "model/temperaturas.h"
#include "model/tiempo_calor.h"

namespace quillon {

// The input boxes.
enum class Entrada { CompA, CompB, MMA, MMB, Alfa, X0, P0A, Masa0 };
// The boxes of the column of plates.
enum class CajaColumna { Platos, Reflujo, Pureza, ReflujoMaximo };

// What a view needs of one stage: its evaluation, or the message of the
// first input it cannot use.
struct EtapaParaVista {
    const Texto* error = nullptr;
    bool calculada = false;  // false with no error: the stage cannot be computed
    EtapaEvaluable evaluable;
};

class Simulacion : public QObject {
    Q_OBJECT
public:
    explicit Simulacion(QObject* padre = nullptr);
    ~Simulacion() override;

    // --- Inputs, as typed (simulacion.cpp)
    QString texto(Entrada e) const;
    int unidad() const { return doc_.unidad; }
    int numEtapas() const { return doc_.numEtapas; }
    QString textoCorte(int k) const;
    bool modoTabla() const { return doc_.modoTabla; }
    const TablaELV& tablaELV() const { return doc_.tabla; }
    bool modificado() const { return modificado_; }
    void marcarGuardado() { fijarModificado(false); }
    EstadoNumerico& numero() { return numero_; }
    char separador() const { return numero_.sepDecimal; }

    // The document to save, and what Clear and Open do. It holds the mass
    // percentage box only when x0 does not give it back (a refused edit), so
    // that it reopens as it was seen.
    DocumentoDestilacion documento() const;
    void borrar();
    void cargar(const LecturaBdf& lectura);

    // --- Edits (simulacion_edicion.cpp): each runs what the edit of its box
    // does: the composition twins, the molar mass of a known name, the
    // invalidation of the stages, the refresh, the changed flag.
    void editar(Entrada e, const QString& texto);
    // The program writes a box as typing would: its rules run, and the box
    // shows the text.
    void escribirComoTecleado(Entrada e, const QString& texto);
    void elegirUnidad(int unidad);
    void elegirNumEtapas(int k);
    // A percent box typed (or written by its slider: `final` false while the
    // thumb is dragged, which changes nothing else).
    void editarCorte(int k, const QString& texto, bool final = true);
    // The equilibrium source options: alpha, or the table when it is usable.
    void elegirVolatilidad();
    void elegirTabla();
    // The table editor's Ok, and its closing without a table.
    void aceptarTabla(const TablaELV& tabla);
    void perderTabla();
    // The pressure and model of the temperatures and of a predicted table;
    // a document has them once a table has been predicted.
    CondicionesTermo condiciones() const { return doc_.condiciones.value_or(CondicionesTermo{}); }
    bool tieneCondiciones() const { return doc_.condiciones.has_value(); }
    void fijarCondiciones(const CondicionesTermo& c);
    // The binary of the boiling temperatures: the names typed when both are
    // known compounds, at the document's pressure, with the document's model
    // (UNIFAC wherever the pair has its parameters when it names none); null
    // when there is none, and then the message of why.
    const termo::Sistema* sistemaTermico();
    std::string motivoSinSistemaTermico();
    // "UNIFAC, 1 atm": what the temperatures are computed with.
    std::string textoSistemaTermico();
    // An accepted edit (or the row resized): the deferred refresh starts
    // again, so that a burst of keys gives one refresh, 250 ms after the last.
    void pedirRefresco();
    // Calculate, a view shown or a stage chosen in a view: every view on
    // screen is drawn again.
    void recalcular() { anunciar({Cambios::Calculo}); }
    // Enter in the alpha box: the diagram is drawn again at once.
    void volverADibujarEquilibrio() { anunciar({Cambios::Equilibrio}); }
    // Every box empty, as Clear leaves them: a blank page, not an error. The
    // views then draw nothing and say nothing.
    bool enBlanco() const;
    // The slider cursors of x0 and alpha, dragged.
    void arrastrarX0(double x0);
    void arrastrarAlfa(double alfa);
    // Places the slider cursors from the typed x0 and alpha.
    void reajustarCursores();

    // --- The column of plates above every still (simulacion_columna.cpp)
    QString textoColumna(CajaColumna c) const;
    PoliticaReflujo politica() const { return columna_.politica; }
    // A box typed into, or the policy chosen: the stages follow at the
    // deferred refresh, the x-y diagram at once.
    void editarColumna(CajaColumna c, const QString& texto);
    void elegirPolitica(PoliticaReflujo p);
    // The plates box reads 1 to 30: the column's quantities are offered and
    // the diagram shows the staircase.
    bool hayColumna() const;
    // The column as the boxes give it (its message when one is not valid),
    // put in force for the stages.
    const Texto* leerColumna();
    // The message of a view of stage k: a refusal of the column says what
    // the column can give and the stage, other messages their text.
    QString mensajeDe(const Texto* error, int k) const;
    // The column's head over stage k at its cut P, as the still drawing
    // reads it; none without a column or before the stage is computed.
    struct Cabeza {
        double reflujo = 0, destilado = 0;
    };
    std::optional<Cabeza> cabezaEnCorte(int k, double P) const;
    int platos() const { return cadena_->columnaPlatos().platos; }

    // --- The heating of the still (simulacion_calefaccion.cpp)
    TextosCalefaccion textosCalefaccion() const { return doc_.calefaccion.value_or(TextosCalefaccion{}); }
    void editarCalefaccion(const QString& valor);
    void elegirUnidadCalefaccion(int unidad);
    // The heating read from its box: none when the box is blank, or its message.
    LecturaCalefaccion calefaccion() const { return leerCalefaccion(textosCalefaccion()); }
    // Whether the views offer the time (while the box holds anything: a
    // text that is no heating then gives its message), and the heat (which
    // needs the latent heats of two known compounds).
    bool ofrecerTiempo() const { return calefaccionEnUso(textosCalefaccion()); }
    bool ofrecerCalor();
    // The time from the first drop at stage k's cut as the still drawing
    // found it; none without a heating, or the message of why not.
    struct RelojAlambique {
        std::optional<double> minutos;
        const Texto* error = nullptr;
    };
    RelojAlambique relojAlambique(int k, const EstadoEtapa& r);
    // What the table view's time and heat need.
    CalorTabla calorTabla();
    // The running sums of stage k for the progress graph's time axis, after
    // etapaParaGrafico(k); null (and the message) when the heating cannot
    // time the stage.
    const AcumuladoCalor* acumuladoParaGrafico(int k, const Texto*& error);

    // --- Reading for the views (simulacion_lectura.cpp)
    double leer(Entrada e);
    // A stage's cut, VALOR_NO_VALIDO when its box holds no percentage.
    double leerCorte(int k);
    // The still drawing of stage k: its cut sets the charge of stage k+1.
    // Without a heating a column's table is computed only as far as the cut.
    EstadoEtapa etapa(int k);
    // Whether stage k's whole table is computed; whether what its still
    // drawing needs of it is.
    bool calculada(int k) const { return cadena_->calculada(k); }
    bool alambiqueCalculado(int k);
    // The progress graph's and the table's view of stage k.
    EtapaParaVista etapaParaGrafico(int k);
    ResultadoTabla tablaTexto(PeticionTabla peticion);
    // The equilibrium for the diagram: false (and the range message) when
    // alpha mode has no valid alpha.
    bool equilibrioParaDiagrama(ModeloELV& elv, const Texto*& error);
    // The equilibrium in force for a parsed alpha.
    ModeloELV modelo(double alfa) const { return {doc_.modoTabla, alfa, superTabla_.get()}; }
    // Stages from k on must be computed again (the stage chain follows).
    void invalidarDesde(int k);
    // The charges of the stages from k on may have changed (a cut drawn or
    // moved): those whose charge did are computed again.
    void cargasCambiadasDesde(int k) { cadena_->invalidarCargas(k, doc_.numEtapas); }

signals:
    // What changed since the last announcement, once per turn of the event
    // loop: what the views follow.
    void cambiado(const Cambios& c);
    // For the input boxes, at once. The program wrote a box (a composition
    // twin, a molar mass, a drag).
    void textoReescrito(Entrada e);
    // Clear or Open replaced the whole document.
    void documentoReemplazado();
    // The equilibrium in force went from alpha to a table or back.
    void modoCambiado(bool tabla);
    // Where the slider cursors go: x0 within 0..1, alpha at least 1.01.
    void cursoresCambiados(double x0, double alfa);
    // An edit's message for the message line.
    void mensaje(const QString& texto);
    void modificadoCambiado(bool modificado);

private:
    const std::string& textoDe(Entrada e) const;
    std::string& textoDe(Entrada e);
    void escribir(Entrada e, const std::string& texto);  // the program writes a box
    void fijarModificado(bool m);
    // The names, the source or the conditions changed: the curve and the
    // temperatures follow.
    void cambiarEquilibrio()
    {
        sistemaTermicoAlDia_ = false;
        anunciar({Cambios::Equilibrio});
    }
    void fijarModoTabla(bool tabla);
    void modificar() { fijarModificado(true); }
    void invalidar() { cadena_->invalidar(1, doc_.numEtapas); }
    // Adds `c` to what the next announcement tells.
    void anunciar(const Cambios& c);
    void emitirCambios();
    void avisar(const Texto& t);
    void fijarTablaELV(const TablaELV& t);
    // The edit rules, per box.
    void editarX0();
    void editarP0A();
    void editarMasaMolar();
    void editarNombre(Entrada nombre, Entrada masa);
    // Inputs read in the views' order (`vista`: the graph and the table,
    // which also read alpha); x0 also charges stage 1.
    Entradas leerEntradas(bool vista);
    std::array<double, kMaxEtapas> leerCortes(int hasta);
    // Stage k computed as far as row `fila`.
    bool asegurar(int k, const Entradas& e, int fila);
    // The column's message, else the refusal of stage k's charge, else null
    // for a stage that computed.
    const Texto* asegurarConColumna(int k, const Entradas& e, int fila = kPasosAvance);
    // The last row of a stage's table its still drawing reads: the one at
    // the cut, or every row for the sums of a heating's clock.
    int filaDelAlambique(double corte) const;
    static TextosColumnaPlatos columnaInicial();

    DocumentoDestilacion doc_;  // every input as typed but the mass percentage
    std::string p0a_;           // the mass percentage box
    // The column's boxes as typed; the document carries them while the
    // plates box holds anything but 0.
    TextosColumnaPlatos columna_;
    // The mass percentage box holds what x0 gives, or what x0 was taken
    // from: reopening the document brings it back without being saved.
    bool p0aAlDia_ = true;
    // The temperatures' binary, made again when a name, the conditions or
    // the source change.
    std::optional<termo::Sistema> sistemaTermico_;
    std::string motivoSinSistemaTermico_;
    bool sistemaTermicoAlDia_ = false;
    EstadoNumerico numero_;
    bool modificado_ = false;
    std::unique_ptr<SuperTablaELV> superTabla_;
    std::unique_ptr<CadenaEtapas> cadena_;
    // The equilibrium a view's stage evaluation points to: it must outlive
    // the call that hands the evaluation out.
    ModeloELV modeloVista_;
    // The heating read for the views, and each stage's running sums.
    std::optional<Calefaccion> calefaccionVista_;
    std::unique_ptr<RelojEtapas> reloj_;
    // The heating's message for a stage the views cannot time, or null.
    const Texto* errorDeReloj(int k, const ModeloELV& elv, const AcumuladoCalor*& a);
    QTimer* refresco_ = nullptr;  // the deferred refresh
    Cambios pendientes_;          // what the next announcement tells
};

}  // namespace quillon
