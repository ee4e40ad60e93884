#include "graphs/form_imprimir.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QScrollBar>
#include <QSignalBlocker>
#include <cmath>

#include "model/numero.h"
#include "platform/boton_imagen.h"
#include "platform/plataforma.h"
#include "platform/texto_qt.h"

namespace quillon {
namespace {

constexpr Texto kTitulo{"Print", "Imprimir"};
constexpr Texto kImprimir{"Print", "Imprimir"};
constexpr Texto kCancelar{"Cancel", "Cancelar"};
constexpr Texto kCopias{"Number of copies:", "Número de copias:"};
constexpr Texto kImpresora{"Printer:", "Impresora:"};
constexpr Texto kBlancoYNegro{"Black && white", "Blanco y negro"};
constexpr Texto kArchivoPdf{"PDF file", "Archivo PDF"};
constexpr Texto kCopiasNoValidas{"The number of copies isn't valid. Max. 1999 copies.",
                                 "El número de copias no es válido. Máximo 1999 copias."};

template <typename W>
W* nombrado(W* w, const char* nombre)
{
    w->setObjectName(QLatin1String(nombre));
    return w;
}

}  // namespace

AjustesImpresion& ajustesImpresion()
{
    static AjustesImpresion a = [] {
        AjustesImpresion n;
        n.impresora = QPrinterInfo::defaultPrinterName();
        n.aPdf = n.impresora.isEmpty();
        return n;
    }();
    return a;
}

QStringList impresorasInstaladas() { return QPrinterInfo::availablePrinterNames(); }

FormImprimir::FormImprimir(AjustesImpresion& ajustes, const QStringList& impresoras, QWidget* padre)
    : QDialog(padre), ajustes_(ajustes)
{
    setObjectName(QStringLiteral("frmImprimir"));
    setWindowTitle(qtr(kTitulo));
    setFont(QFont(QStringLiteral("Arial"), 9));
    setFixedSize(464, 262);
    ajustes_.imprimirOK = false;

    etiquetaImpresora_ = nombrado(new QLabel(qtr(kImpresora), this), "etiquetaImpresora");
    etiquetaImpresora_->setGeometry(16, 14, 300, 18);
    listaImpresoras_ = nombrado(new QComboBox(this), "listaImpresoras");
    listaImpresoras_->setGeometry(16, 34, 432, 26);
    llenarImpresoras(impresoras);

    etiquetaCopias_ = nombrado(new QLabel(qtr(kCopias), this), "etiquetaCopias");
    etiquetaCopias_->setGeometry(16, 90, 140, 18);
    cajaCopias_ = nombrado(new QLineEdit(QStringLiteral(" 1"), this), "cajaCopias");
    cajaCopias_->setGeometry(160, 86, 64, 26);
    cajaCopias_->setContextMenuPolicy(Qt::NoContextMenu);
    cajaCopias_->setDragEnabled(false);
    cajaCopias_->setAcceptDrops(false);
    cajaCopias_->installEventFilter(this);
    spinnerCopias_ = nombrado(new QScrollBar(Qt::Vertical, this), "spinnerCopias");
    spinnerCopias_->setGeometry(225, 86, 18, 26);
    // 1999 copies at the top end and 1 at the bottom: the upper arrow raises
    // the number of copies, one per click.
    spinnerCopias_->setRange(1, kMaxCopias);
    fijarSpinner(1);
    connect(spinnerCopias_, &QScrollBar::valueChanged, this,
            [this] { cajaCopias_->setText(QString::number(copiasDelSpinner())); });
    connect(cajaCopias_, &QLineEdit::textChanged, this, &FormImprimir::copiasEditadas);

    casillaBlancoYNegro_ = nombrado(new QCheckBox(qtr(kBlancoYNegro), this), "casillaBlancoYNegro");
    casillaBlancoYNegro_->setGeometry(16, 136, 300, 22);

    botonImprimir_ = nombrado(new BotonImagen(qtr(kImprimir), this), "botonImprimir");
    botonCancelar_ = nombrado(new BotonImagen(qtr(kCancelar), this), "botonCancelar");
    botonImprimir_->setGeometry(160, 220, 136, 30);
    botonCancelar_->setGeometry(312, 220, 136, 30);
    connect(botonImprimir_, &BotonImagen::clicked, this, &FormImprimir::Aceptar);
    connect(botonCancelar_, &BotonImagen::clicked, this, &FormImprimir::Cancelar);
}

void FormImprimir::llenarImpresoras(const QStringList& impresoras)
{
    for (const QString& nombre : impresoras) listaImpresoras_->addItem(nombre, false);
    listaImpresoras_->addItem(qtr(kArchivoPdf), true);
    int actual = listaImpresoras_->count() - 1;
    if (!ajustes_.aPdf) {
        const int i = impresoras.indexOf(ajustes_.impresora);
        if (i >= 0) actual = i;
    }
    listaImpresoras_->setCurrentIndex(actual);
    elegirImpresora(actual);
    connect(listaImpresoras_, &QComboBox::currentIndexChanged, this, &FormImprimir::elegirImpresora);
}

void FormImprimir::elegirImpresora(int indice)
{
    if (indice < 0) return;
    ajustes_.aPdf = listaImpresoras_->itemData(indice).toBool();
    ajustes_.impresora = ajustes_.aPdf ? QString() : listaImpresoras_->itemText(indice);
}

long FormImprimir::numeroEnCaja() const
{
    const auto v = valorInicial(cajaCopias_->text().toStdString());
    if (!v) return 0;
    // Far outside 1..1999 either way; keeps the rounding inside a long.
    if (std::abs(*v) > 1e9) return *v > 0 ? 1000000000L : -1000000000L;
    return std::lround(*v);
}

int FormImprimir::copiasDelSpinner() const { return kMaxCopias + 1 - spinnerCopias_->value(); }

void FormImprimir::fijarSpinner(long copias)
{
    // The spinner cannot hold a number outside its range; it stops at the ends.
    const long n = std::clamp(copias, 1L, static_cast<long>(kMaxCopias));
    // Following the box, not writing it back: the box may hold what the
    // spinner cannot (an empty text, 2500 before the box is left).
    const QSignalBlocker bloqueo(spinnerCopias_);
    spinnerCopias_->setValue(static_cast<int>(kMaxCopias + 1 - n));
}

void FormImprimir::copiasEditadas()
{
    if (cajaCopias_->text().trimmed().isEmpty()) {
        cajaCopias_->setText(QStringLiteral("1"));
        return;
    }
    fijarSpinner(numeroEnCaja());
}

void FormImprimir::normalizarCopias()
{
    fijarSpinner(numeroEnCaja());
    cajaCopias_->setText(QString::number(copiasDelSpinner()));
}

bool FormImprimir::teclaEnCopias(QKeyEvent* e)
{
    const int k = e->key();
    if (k == Qt::Key_Up || k == Qt::Key_Down) {
        cajaCopias_->setText(QString::number(numeroEnCaja() + (k == Qt::Key_Up ? 1 : -1)));
        normalizarCopias();
        return true;
    }
    if (k == Qt::Key_Left || k == Qt::Key_Right || k == Qt::Key_Delete || k == Qt::Key_Backspace) return false;
    // Escape closes the dialog; Tab moves the focus.
    if (k == Qt::Key_Escape || k == Qt::Key_Tab || k == Qt::Key_Backtab) return false;
    const bool cifra = k >= Qt::Key_0 && k <= Qt::Key_9 && !(e->modifiers() & Qt::KeypadModifier) &&
                       e->text().size() == 1 && e->text()[0].isDigit();
    return !cifra;
}

bool FormImprimir::eventFilter(QObject* o, QEvent* e)
{
    if (o == cajaCopias_ && e->type() == QEvent::KeyPress) return teclaEnCopias(static_cast<QKeyEvent*>(e));
    if (o == cajaCopias_ && e->type() == QEvent::ShortcutOverride) {
        // Keep editing shortcuts (paste, undo) from reaching the box.
        e->accept();
        return true;
    }
    if (o == cajaCopias_ && e->type() == QEvent::FocusOut) normalizarCopias();
    return QDialog::eventFilter(o, e);
}

void FormImprimir::Aceptar()
{
    ajustes_.imprimirOK = true;
    ajustes_.imprimirBN = casillaBlancoYNegro_->isChecked();
    const long n = numeroEnCaja();
    if (n < 1 || n > kMaxCopias) {
        plataforma::mensajeError(this, qtr(kCopiasNoValidas));
        return;
    }
    ajustes_.numCopias = static_cast<int>(n);
    accept();
}

void FormImprimir::Cancelar()
{
    ajustes_.imprimirOK = false;
    QDialog::reject();
}

}  // namespace quillon
