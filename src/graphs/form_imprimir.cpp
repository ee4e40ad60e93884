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

#include "model/idioma.h"
#include "model/numero.h"
#include "platform/boton_imagen.h"
#include "platform/plataforma.h"

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

// quillon::tr by its full name: inside a QObject, tr means QObject::tr.
QString qtr(const Texto& t) { return QString::fromUtf8(quillon::tr(t)); }

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

    Label2 = new QLabel(qtr(kImpresora), this);
    Label2->setGeometry(16, 14, 300, 18);
    Combo1 = new QComboBox(this);
    Combo1->setGeometry(16, 34, 432, 26);
    llenarImpresoras(impresoras);

    Label1 = new QLabel(qtr(kCopias), this);
    Label1->setGeometry(16, 90, 140, 18);
    Text1 = new QLineEdit(QStringLiteral(" 1"), this);
    Text1->setGeometry(160, 86, 64, 26);
    Text1->setContextMenuPolicy(Qt::NoContextMenu);
    Text1->setDragEnabled(false);
    Text1->setAcceptDrops(false);
    Text1->installEventFilter(this);
    VScroll1 = new QScrollBar(Qt::Vertical, this);
    VScroll1->setGeometry(225, 86, 18, 26);
    // 1999 copies at the top end and 1 at the bottom: the upper arrow raises
    // the number of copies, one per click.
    VScroll1->setRange(1, kMaxCopias);
    fijarSpinner(1);
    connect(VScroll1, &QScrollBar::valueChanged, this, [this] {
        if (!moviendoSpinner_) Text1->setText(QString::number(copiasDelSpinner()));
    });
    connect(Text1, &QLineEdit::textChanged, this, &FormImprimir::Text1_Change);

    ChK_BN = new QCheckBox(qtr(kBlancoYNegro), this);
    ChK_BN->setGeometry(16, 136, 300, 22);

    const std::array<Texto, 2> captions{kImprimir, kCancelar};
    for (std::size_t i = 0; i < 2; ++i) {
        Image1[i] = new BotonImagen(qtr(captions[i]), this);
        Image1[i]->move(i == 0 ? 160 : 312, 220);
        Image1[i]->resize(136, 30);
    }
    connect(Image1[0], &BotonImagen::clicked, this, &FormImprimir::Aceptar);
    connect(Image1[1], &BotonImagen::clicked, this, &FormImprimir::Cancelar);
}

void FormImprimir::llenarImpresoras(const QStringList& impresoras)
{
    for (const QString& nombre : impresoras) Combo1->addItem(nombre, false);
    Combo1->addItem(qtr(kArchivoPdf), true);
    int actual = Combo1->count() - 1;
    if (!ajustes_.aPdf) {
        const int i = impresoras.indexOf(ajustes_.impresora);
        if (i >= 0) actual = i;
    }
    Combo1->setCurrentIndex(actual);
    Combo1_Click(actual);
    connect(Combo1, &QComboBox::currentIndexChanged, this, &FormImprimir::Combo1_Click);
}

void FormImprimir::Combo1_Click(int indice)
{
    if (indice < 0) return;
    ajustes_.aPdf = Combo1->itemData(indice).toBool();
    ajustes_.impresora = ajustes_.aPdf ? QString() : Combo1->itemText(indice);
}

long FormImprimir::numeroEnCaja() const
{
    const auto v = valorInicial(Text1->text().toStdString());
    if (!v) return 0;
    // Far outside 1..1999 either way; keeps the rounding inside a long.
    if (std::abs(*v) > 1e9) return *v > 0 ? 1000000000L : -1000000000L;
    return std::lround(*v);
}

int FormImprimir::copiasDelSpinner() const { return kMaxCopias + 1 - VScroll1->value(); }

void FormImprimir::fijarSpinner(long copias)
{
    // The spinner cannot hold a number outside its range; it stops at the ends.
    const long n = std::clamp(copias, 1L, static_cast<long>(kMaxCopias));
    moviendoSpinner_ = true;
    VScroll1->setValue(static_cast<int>(kMaxCopias + 1 - n));
    moviendoSpinner_ = false;
}

void FormImprimir::Text1_Change()
{
    if (Text1->text().trimmed().isEmpty()) {
        Text1->setText(QStringLiteral("1"));
        return;
    }
    fijarSpinner(numeroEnCaja());
}

void FormImprimir::normalizarCopias()
{
    fijarSpinner(numeroEnCaja());
    Text1->setText(QString::number(copiasDelSpinner()));
}

bool FormImprimir::Text1_KeyDown(QKeyEvent* e)
{
    const int k = e->key();
    if (k == Qt::Key_Up || k == Qt::Key_Down) {
        Text1->setText(QString::number(numeroEnCaja() + (k == Qt::Key_Up ? 1 : -1)));
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
    if (o == Text1 && e->type() == QEvent::KeyPress) return Text1_KeyDown(static_cast<QKeyEvent*>(e));
    if (o == Text1 && e->type() == QEvent::ShortcutOverride) {
        // Keep editing shortcuts (paste, undo) from reaching the box.
        e->accept();
        return true;
    }
    if (o == Text1 && e->type() == QEvent::FocusOut) normalizarCopias();
    return QDialog::eventFilter(o, e);
}

void FormImprimir::Aceptar()
{
    ajustes_.imprimirOK = true;
    ajustes_.imprimirBN = ChK_BN->isChecked();
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
