// The input column's behaviour: what the user types goes into the
// simulation, what the program writes comes back into the boxes.

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTimer>

#include "graphs/cursor_deslizante.h"
#include "mainwindow/panel.h"
#include "mainwindow/paneles_entrada.h"
#include "platform/boton_imagen.h"

namespace quillon {

QLineEdit* PanelesEntrada::caja(Entrada e) const
{
    switch (e) {
    case Entrada::CompA: return TxtCompA;
    case Entrada::CompB: return TxtCompB;
    case Entrada::MMA: return TxtMMA;
    case Entrada::MMB: return TxtMMB;
    case Entrada::Alfa: return TxtAlfa;
    case Entrada::X0: return TxtX0A;
    case Entrada::P0A: return TxtP0A;
    case Entrada::Masa0: break;
    }
    return TxtMasa0;
}

void PanelesEntrada::conectar()
{
    for (Entrada e : {Entrada::CompA, Entrada::CompB, Entrada::MMA, Entrada::MMB, Entrada::Alfa, Entrada::X0,
                      Entrada::P0A, Entrada::Masa0}) {
        QLineEdit* c = caja(e);
        // Only the user's edits: what the program writes runs no rule.
        connect(c, &QLineEdit::textEdited, this, [this, e](const QString& t) { sim_.editar(e, t); });
        c->installEventFilter(this);
    }
    connect(&sim_, &Simulacion::textoReescrito, this, [this](Entrada e) { caja(e)->setText(sim_.texto(e)); });
    connect(&sim_, &Simulacion::documentoReemplazado, this, &PanelesEntrada::mostrarDocumento);
    connect(&sim_, &Simulacion::cursoresCambiados, this, &PanelesEntrada::colocarCursores);
    // The mode shown is the mode in force, whoever changed it (the table
    // editor's Ok, a file handed over by the desktop).
    connect(&sim_, &Simulacion::modoCambiado, this, &PanelesEntrada::mostrarFuente);

    for (int i = 0; i < 4; ++i)
        connect(OptUNIT[static_cast<std::size_t>(i)], &QRadioButton::clicked, this, [this, i] { sim_.elegirUnidad(i); });
    for (int k = 1; k <= kMaxEtapas; ++k)
        connect(OptETAP[static_cast<std::size_t>(k)], &QRadioButton::clicked, this, [this, k] {
            sim_.elegirNumEtapas(k);
            emit numEtapasElegido(k);
        });
    connect(OptVOL, &QRadioButton::clicked, this, &PanelesEntrada::elegirVolatilidad);
    connect(OptTAB, &QRadioButton::clicked, this, &PanelesEntrada::elegirTabla);
    connect(botonEditarTabla_, &BotonImagen::clicked, this, &PanelesEntrada::editarTabla);
    connect(botonPredecir_, &BotonImagen::clicked, this, &PanelesEntrada::predecirTabla);
    connect(botonCalcular_, &BotonImagen::clicked, this, &PanelesEntrada::calcular);
    connect(botonBorrar_, &BotonImagen::clicked, this, &PanelesEntrada::borrar);
    connect(cursorX0_, &CursorDeslizante::arrastrado, this,
            [this](double porcentaje) { sim_.arrastrarX0(x0DePorcentaje(porcentaje)); });
    connect(cursorAlfa_, &CursorDeslizante::arrastrado, this,
            [this](double porcentaje) { sim_.arrastrarAlfa(alfaDePorcentaje(porcentaje)); });
    conectarColumna();
    conectarCalefaccion();
}

void PanelesEntrada::conectarCalefaccion()
{
    connect(TxtCalor, &QLineEdit::textEdited, &sim_, &Simulacion::editarCalefaccion);
    TxtCalor->installEventFilter(this);
    connect(CmbUnidadCalor, &QComboBox::activated, &sim_, &Simulacion::elegirUnidadCalefaccion);
}

void PanelesEntrada::mostrarCalefaccion()
{
    const TextosCalefaccion t = sim_.textosCalefaccion();
    TxtCalor->setText(QString::fromStdString(t.valor));
    const QSignalBlocker bloqueo(CmbUnidadCalor);
    CmbUnidadCalor->setCurrentIndex(t.unidad);
}

void PanelesEntrada::mostrarDocumento()
{
    for (Entrada e : {Entrada::CompA, Entrada::CompB, Entrada::MMA, Entrada::MMB, Entrada::Alfa, Entrada::X0,
                      Entrada::P0A, Entrada::Masa0})
        caja(e)->setText(sim_.texto(e));
    OptUNIT[static_cast<std::size_t>(sim_.unidad())]->setChecked(true);
    marcarNumEtapas(sim_.numEtapas());
    mostrarFuente();
    mostrarColumna();
    mostrarCalefaccion();
}

void PanelesEntrada::mostrarFuente()
{
    (sim_.modoTabla() ? OptTAB : OptVOL)->setChecked(true);
    mostrarControlesAlfa(!sim_.modoTabla());
}

void PanelesEntrada::marcarNumEtapas(int k) { OptETAP[static_cast<std::size_t>(k)]->setChecked(true); }

void PanelesEntrada::colocarCursores(double x0, double alfa)
{
    cursorX0_->colocarEnValor(posicionCursorX0(x0));
    cursorAlfa_->colocarEnValor(posicionCursorAlfa(alfa));
}

void PanelesEntrada::mostrarControlesAlfa(bool alfa)
{
    etiquetaAlfa_->setVisible(alfa);
    TxtAlfa->setVisible(alfa);
    cursorAlfa_->setVisible(alfa);
    panelEquilibrio_->setLineaVisible(alfa);
    botonEditarTabla_->setVisible(!alfa);
}

void PanelesEntrada::elegirVolatilidad()
{
    OptVOL->setChecked(true);
    sim_.elegirVolatilidad();
    mostrarControlesAlfa(true);
}

void PanelesEntrada::elegirTabla()
{
    // The table editor's button shows even while no usable table is in force.
    mostrarControlesAlfa(false);
    sim_.elegirTabla();
}

bool PanelesEntrada::eventFilter(QObject* objeto, QEvent* evento)
{
    auto* c = qobject_cast<QLineEdit*>(objeto);
    if (c && evento->type() == QEvent::FocusIn) {
        // Entering a box selects its whole text (after the click that placed the caret).
        QTimer::singleShot(0, c, &QLineEdit::selectAll);
    } else if (c == TxtAlfa && evento->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent*>(evento)->key();
        if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) sim_.volverADibujarEquilibrio();
    }
    return QWidget::eventFilter(objeto, evento);
}

void PanelesEntrada::resizeEvent(QResizeEvent* evento)
{
    QWidget::resizeEvent(evento);
    // The heating's panel, the last, takes the height that is left.
    panelCalefaccion_->resize(panelCalefaccion_->width(),
                              std::max(height(), alturaNecesaria()) - panelCalefaccion_->y());
}

int PanelesEntrada::alturaNecesaria() const { return panelCalefaccion_->y() + 34; }

int PanelesEntrada::alturaCubierta() const { return panelMasa_->y() + botonCalcular_->y() - 4; }

}  // namespace quillon
