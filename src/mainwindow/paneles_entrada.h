#pragma once
// The input column of the main window: the components, the initial
// composition, the equilibrium and the mass and stages panels. Each box
// writes what the user types into the simulation and shows what the program
// writes back; the options choose the unit, the number of stages and the
// equilibrium source; the two slider cursors set x0 and alpha.

#include <QWidget>
#include <array>

#include "model/cadena.h"
#include "simulacion/simulacion.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace quillon {

class BotonImagen;
class CursorDeslizante;
class Panel;

class PanelesEntrada : public QWidget {
    Q_OBJECT
public:
    PanelesEntrada(Simulacion& sim, QWidget* padre = nullptr);

    // The panels' captions in the build's language.
    void ponerTextos();
    // The volatility box with its scale and cursor (alpha mode), or the
    // button of the table editor (table mode).
    void mostrarControlesAlfa(bool alfa);
    // The "Relative volatility" option chosen by the program, with what a
    // click on it does.
    void elegirVolatilidad();
    // The number-of-stages option k shown as chosen.
    void marcarNumEtapas(int k);
    // The source option and its controls as the simulation has it: they
    // follow every change of the equilibrium in force.
    void mostrarFuente();

signals:
    void calcular();
    void borrar();
    void editarTabla();
    void predecirTabla();
    void numEtapasElegido(int k);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

private:
    // Construction (paneles_entrada_crear.cpp).
    void crearPanelComponentes();
    void crearPanelComposicion();
    void crearPanelEquilibrio();
    void crearPanelMasa();
    void crearPanelColumna();
    void crearPanelCalefaccion();
    void conectar();
    void conectarCalefaccion();
    void mostrarCalefaccion();
    // The column of plates (paneles_entrada_columna.cpp).
    void conectarColumna();
    void mostrarColumna();
    void ponerTextosColumna();
    QLineEdit* caja(CajaColumna c) const;
    QLineEdit* caja(Entrada e) const;
    void mostrarDocumento();
    void colocarCursores(double x0, double alfa);
    void elegirTabla();

public:
    // What the panels need top to bottom: below it the column scrolls.
    int alturaNecesaria() const;
    // How far down the side panels of the other views cover the inputs:
    // to just above Calculate and Clear, which stay in reach.
    int alturaCubierta() const;
private:

    Simulacion& sim_;
    Panel *panelComponentes_ = nullptr, *panelComposicion_ = nullptr;
    Panel *panelEquilibrio_ = nullptr, *panelMasa_ = nullptr, *panelColumna_ = nullptr;
    Panel* panelCalefaccion_ = nullptr;
    QLineEdit *TxtCompA = nullptr, *TxtCompB = nullptr, *TxtMMA = nullptr, *TxtMMB = nullptr;
    QLineEdit *TxtAlfa = nullptr, *TxtX0A = nullptr, *TxtP0A = nullptr, *TxtMasa0 = nullptr;
    std::array<QRadioButton*, 4> OptUNIT{};
    std::array<QRadioButton*, kMaxEtapas + 1> OptETAP{};  // 1..6
    QRadioButton *OptVOL = nullptr, *OptTAB = nullptr;
    // The column: its plates, the two policies and their boxes.
    QLineEdit *TxtPlatos = nullptr, *TxtReflujo = nullptr, *TxtPureza = nullptr, *TxtReflujoMax = nullptr;
    QRadioButton *OptRazon = nullptr, *OptPureza = nullptr;
    QLabel *tituloColumna_ = nullptr, *etiquetaPlatos_ = nullptr, *etiquetaReflujo_ = nullptr;
    QLabel *etiquetaPureza_ = nullptr, *etiquetaReflujoMax_ = nullptr;
    CursorDeslizante *cursorAlfa_ = nullptr, *cursorX0_ = nullptr;
    BotonImagen *botonEditarTabla_ = nullptr, *botonPredecir_ = nullptr, *botonCalcular_ = nullptr, *botonBorrar_ = nullptr;
    // Captions, in the order of the panels.
    QLabel *tituloComponenteA_ = nullptr, *nombreA_ = nullptr, *masaMolarA_ = nullptr, *unidadMasaA_ = nullptr;
    QLabel *tituloComponenteB_ = nullptr, *nombreB_ = nullptr, *masaMolarB_ = nullptr, *unidadMasaB_ = nullptr;
    QLabel *tituloComposicion_ = nullptr, *etiquetaX0_ = nullptr, *etiquetaP0A_ = nullptr, *unidadP0A_ = nullptr;
    QLabel *tituloEquilibrio_ = nullptr, *etiquetaAlfa_ = nullptr;
    QLabel *tituloMasa_ = nullptr, *tituloEtapas_ = nullptr;
    // The heating of the still: its box and its unit.
    QLabel* tituloCalefaccion_ = nullptr;
    QLineEdit* TxtCalor = nullptr;
    QComboBox* CmbUnidadCalor = nullptr;
};

}  // namespace quillon
