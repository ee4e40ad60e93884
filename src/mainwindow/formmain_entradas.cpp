// The input boxes: what every edit does (invalidate, schedule a refresh, mark
// the document changed), the composition twins, Clear and the slider cursors.

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

#include "graphs/cursor_deslizante.h"
#include "graphs/grafico_avance.h"
#include "graphs/grafico_elv.h"
#include "graphs/panel_avance.h"
#include "mainwindow/fila_etapas.h"
#include "mainwindow/formmain.h"
#include "mainwindow/panel.h"
#include "model/compuestos.h"
#include "model/formato.h"
#include "model/mensajes.h"
#include "platform/boton_imagen.h"

namespace quillon {

void FormMain::conectarEntradas()
{
    connect(TxtX0A, &QLineEdit::textChanged, this, &FormMain::TxtX0A_Change);
    connect(TxtP0A, &QLineEdit::textChanged, this, &FormMain::TxtP0A_Change);
    connect(TxtMMA, &QLineEdit::textChanged, this, &FormMain::TxtMM_Change);
    connect(txtMMB, &QLineEdit::textChanged, this, &FormMain::TxtMM_Change);
    connect(TxtAlfa, &QLineEdit::textChanged, this, &FormMain::TxtAlfa_Change);
    connect(TxtMasa0, &QLineEdit::textChanged, this, &FormMain::TxtMasa0_Change);
    connect(TxtCompA, &QLineEdit::textChanged, this, &FormMain::TxtCompA_Change);
    connect(TxtCompB, &QLineEdit::textChanged, this, &FormMain::TxtCompB_Change);
    for (QLineEdit* c : {TxtCompA, TxtCompB, TxtMMA, txtMMB, TxtAlfa, TxtX0A, TxtP0A, TxtMasa0}) c->installEventFilter(this);

    for (int i = 0; i < 4; ++i)
        connect(OptUNIT[static_cast<std::size_t>(i)], &QRadioButton::clicked, this, [this, i] { OptUNIT_Click(i); });
    for (int k = 1; k <= kMaxEtapas; ++k)
        connect(OptETAP[static_cast<std::size_t>(k)], &QRadioButton::clicked, this, [this, k] { OptETAP_Click(k); });
    connect(OptVOL, &QRadioButton::clicked, this, &FormMain::OptVOL_Click);
    connect(OptTAB, &QRadioButton::clicked, this, &FormMain::OptTAB_Click);
    for (int i : {0, 1, 2})
        connect(LabelB[static_cast<std::size_t>(i)], &BotonImagen::clicked, this, [this, i] { LabelB_Click(i); });
    for (int i : {0, 1})
        connect(Image2[static_cast<std::size_t>(i)], &CursorDeslizante::arrastrado, this,
                [this, i](double porcentaje) { arrastrarCursor(i, porcentaje); });
}

bool FormMain::eventFilter(QObject* o, QEvent* e)
{
    auto* caja = qobject_cast<QLineEdit*>(o);
    if (caja && e->type() == QEvent::FocusIn) {
        // Entering a box selects its whole text (after the click that placed the caret).
        QTimer::singleShot(0, caja, &QLineEdit::selectAll);
    } else if (caja == TxtAlfa && e->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent*>(e)->key();
        if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) redibujarVLESiVisible();
    }
    return QMainWindow::eventFilter(o, e);
}

std::string FormMain::textoDe(const QLineEdit* caja) const { return caja->text().toStdString(); }

Entradas FormMain::leerEntradas()
{
    Entradas e;
    EstadoNumerico& n = estado_.numero;
    e.mma = LeerNumero(textoDe(TxtMMA), n);
    e.mmb = LeerNumero(textoDe(txtMMB), n);
    e.alfa = LeerNumero(textoDe(TxtAlfa), n);
    e.x0 = LeerNumero(textoDe(TxtX0A), n);
    e.m0 = LeerNumero(textoDe(TxtMasa0), n);
    e.modoTabla = estado_.modoTablaElv;
    for (int i = 3; i >= 0; --i)
        if (OptUNIT[static_cast<std::size_t>(i)]->isChecked()) e.unidad = i;
    e.numEtapas = estado_.numEtapas;
    return e;
}

void FormMain::escribirCaja(QLineEdit* caja, const QString& texto)
{
    Escribiendo guarda(estado_);
    caja->setText(texto);
}

void FormMain::invalidarEtapas() { estado_.cadena.invalidar(1, estado_.numEtapas); }

void FormMain::marcarModificado() { estado_.modificado = true; }

void FormMain::TxtX0A_Change()
{
    if (estado_.escribiendoTexto) return;
    invalidarEtapas();
    ReajustarCursores();
    EstadoNumerico& n = estado_.numero;
    const double mma = LeerNumero(textoDe(TxtMMA), n), mmb = LeerNumero(textoDe(txtMMB), n);
    const double x0 = LeerNumero(textoDe(TxtX0A), n);
    if (!masasMolaresValidas(mma, mmb)) return LblMSG->setText(QString::fromUtf8(quillon::tr(mensajes::masaMolar)));
    if (!fraccionMolarValida(x0)) return LblMSG->setText(QString::fromUtf8(quillon::tr(mensajes::fraccionMolarA)));
    escribirCaja(TxtP0A, QString::fromStdString(FormatoNumero(porcentajeMasicoDeFraccion(x0, mma, mmb), 5, n.sepDecimal)));
    Espoleta();
    marcarModificado();
}

void FormMain::TxtP0A_Change()
{
    if (estado_.escribiendoTexto) return;
    invalidarEtapas();
    EstadoNumerico& n = estado_.numero;
    const double mma = LeerNumero(textoDe(TxtMMA), n), mmb = LeerNumero(textoDe(txtMMB), n);
    const double p0a = LeerNumero(textoDe(TxtP0A), n);
    if (!masasMolaresValidas(mma, mmb)) return LblMSG->setText(QString::fromUtf8(quillon::tr(mensajes::masaMolar)));
    if (!porcentajeMasicoValido(p0a)) return LblMSG->setText(QString::fromUtf8(quillon::tr(mensajes::porcentajeMasico)));
    escribirCaja(TxtX0A, QString::fromStdString(FormatoNumero(fraccionDePorcentajeMasico(p0a, mma, mmb), 5, n.sepDecimal)));
    ReajustarCursores();
    Espoleta();
    marcarModificado();
}

void FormMain::TxtMM_Change()
{
    if (estado_.escribiendoTexto) return;
    invalidarEtapas();
    EstadoNumerico& n = estado_.numero;
    const double mma = LeerNumero(textoDe(TxtMMA), n), mmb = LeerNumero(textoDe(txtMMB), n);
    const double x0 = LeerNumero(textoDe(TxtX0A), n);
    // Only a valid set rewrites the mass percentage; the handler itself says
    // nothing. The refresh runs in any case, so the stills never go on
    // showing the result of a molar mass that is no longer in the box.
    if (masasMolaresValidas(mma, mmb) && fraccionMolarValida(x0))
        escribirCaja(TxtP0A, QString::fromStdString(FormatoNumero(porcentajeMasicoDeFraccion(x0, mma, mmb), 5, n.sepDecimal)));
    Espoleta();
    marcarModificado();
}

void FormMain::TxtAlfa_Change()
{
    if (estado_.escribiendoTexto) return;
    ReajustarCursores();
    redibujarVLESiVisible();
    invalidarEtapas();
    Espoleta();
    marcarModificado();
}

void FormMain::TxtMasa0_Change()
{
    if (estado_.escribiendoTexto) return;
    Espoleta();
    marcarModificado();
}

void FormMain::buscarMasaMolar(const QLineEdit* nombre, QLineEdit* masa)
{
    if (const auto c = BuscarCompuesto(textoDe(nombre)))
        masa->setText(QString::fromUtf8(c->textoMasa.data(), static_cast<int>(c->textoMasa.size())));
}

void FormMain::TxtCompA_Change()
{
    // The diagram's axis titles follow the name even while the program writes
    // it; they are rebuilt whenever the diagram is drawn.
    if (estado_.escribiendoTexto) return;
    buscarMasaMolar(TxtCompA, TxtMMA);
    redibujarVLESiVisible();
    Espoleta();
    marcarModificado();
}

void FormMain::TxtCompB_Change()
{
    if (estado_.escribiendoTexto) return;
    buscarMasaMolar(TxtCompB, txtMMB);
    redibujarVLESiVisible();
    Espoleta();
    marcarModificado();
}

void FormMain::Espoleta()
{
    TmrACT->stop();
    TmrACT->start();
}

void FormMain::Borrar()
{
    {
        Escribiendo guarda(estado_);
        for (QLineEdit* c : {TxtCompA, TxtCompB, TxtMMA, txtMMB, TxtAlfa, TxtX0A, TxtP0A, TxtMasa0}) c->setText(QString());
        OptUNIT[0]->setChecked(true);
        for (int k = 1; k <= kMaxEtapas; ++k) {
            PicMain->escribirAvance(k, QStringLiteral("0"));
            PicMain->deslizador(k)->setValue(0);
        }
        estado_.modoTablaElv = false;
        OptVOL->setChecked(true);
        PicVLE->limpiar();
        PicXAvan->limpiar();
        TxtXAvan->setPlainText(QString());
        estado_.cadena.invalidar(0, kMaxEtapas);
    }
    // After the guard is released the alpha controls come back and the
    // one-stage option runs its handler, which draws the row from its first
    // picture: the emptied boxes then show their message instead of leaving
    // the old stills in place.
    mostrarControlesAlfa(true);
    OptETAP_Click(1);
    nombreArchivo_.clear();
    estado_.modificado = false;
}

void FormMain::ReajustarCursores()
{
    EstadoNumerico& n = estado_.numero;
    const double x0 = std::clamp(LeerNumero(textoDe(TxtX0A), n), 0.0, 1.0);
    const double alfa = std::max(LeerNumero(textoDe(TxtAlfa), n), 1.01);
    Image2[0]->colocarEnValor(posicionCursorAlfa(alfa));
    Image2[1]->colocarEnValor(posicionCursorX0(x0));
}

void FormMain::arrastrarCursor(int i, double porcentaje)
{
    EstadoNumerico& n = estado_.numero;
    if (i == 1) {
        const double x0 = x0DePorcentaje(porcentaje);
        Escribiendo guarda(estado_);
        TxtX0A->setText(QString::fromStdString(FormatoNumero(x0, 5, n.sepDecimal)));
        const double ma = LeerNumero(textoDe(TxtMMA), n), mb = LeerNumero(textoDe(txtMMB), n);
        if (esNumero(ma) && esNumero(mb) && ma > 0 && mb > 0)
            TxtP0A->setText(QString::fromStdString(FormatoNumero(100 * ma * x0 / (ma * x0 + mb * (1 - x0)), 5, n.sepDecimal)));
    } else {
        const double alfa = alfaDePorcentaje(porcentaje);
        Escribiendo guarda(estado_);
        TxtAlfa->setText(QString::fromStdString(FormatoNumero(alfa, 5, n.sepDecimal)));
        redibujarVLESiVisible();
    }
    invalidarEtapas();
    Espoleta();
    marcarModificado();
}

}  // namespace quillon
