#include "documents/form_xyinput.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

#include "documents/form_xyinput_textos.h"
#include "model/formato.h"
#include "platform/boton_imagen.h"

namespace quillon {
namespace {

// Window geometry, in pixels.
constexpr int kAncho = 456;
constexpr int kAlto = 495;
constexpr int kArribaFilas = 76;   // top of visible row 0
constexpr int kPasoFila = 27;      // row pitch
constexpr int kAltoCaja = 23;
constexpr int kIzquierdaNum = 45, kAnchoNum = 42;
constexpr int kIzquierdaX = 95, kIzquierdaY = 245, kAnchoCaja = 140;
constexpr int kIzquierdaScroll = 393, kAnchoScroll = 18;

const QColor kFondo(207, 232, 255);

struct PosicionBoton {
    int izquierda, arriba;
};
// Ok, Cancel, Clear, Open..., Save as...
constexpr PosicionBoton kBotones[5] = {{160, 409}, {305, 409}, {305, 450}, {15, 450}, {160, 450}};

}  // namespace

FormXYinput::FormXYinput(const TablaELV& tabla, const DatosCompuestos& datos, QString& pathTabla,
                         EstadoNumerico& estado, QWidget* padre)
    : QDialog(padre), TablaX(tabla.x), TablaY(tabla.y), datos_(datos), pathTabla_(pathTabla), estado_(estado)
{
    setObjectName(QStringLiteral("FormXYinput"));
    setFont(QFont(QStringLiteral("Arial"), 9));
    QPalette paleta = palette();
    paleta.setColor(QPalette::Window, kFondo);
    setPalette(paleta);
    setAutoFillBackground(true);
    setFixedSize(kAncho, kAlto);
    // A fixed dialog: no resize grip, no maximise, no context help.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(true);

    crearControles();
    AjustaIDIOMA_GUI();
    colocarBotones();
    mostrarDesdeArriba();
}

void FormXYinput::crearControles()
{
    for (int k = 0; k < kFilasVisibles; ++k) {
        const int arriba = kArribaFilas + k * kPasoFila;
        auto* num = new QLabel(this);
        num->setObjectName(QStringLiteral("LblNUM%1").arg(k));
        num->setGeometry(kIzquierdaNum, arriba, kAnchoNum, kAltoCaja);
        num->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        num->setStyleSheet(QStringLiteral("color: rgb(40, 70, 120);"));
        LblNUM[static_cast<std::size_t>(k)] = num;

        for (const Columna c : {Columna::X, Columna::Y}) {
            auto* caja = new QLineEdit(this);
            const bool esX = c == Columna::X;
            caja->setObjectName((esX ? QStringLiteral("TxtX%1") : QStringLiteral("TxTY%1")).arg(k));
            caja->setGeometry(esX ? kIzquierdaX : kIzquierdaY, arriba, kAnchoCaja, kAltoCaja);
            caja->installEventFilter(this);
            connect(caja, &QLineEdit::textChanged, this, [this, c, k] { textoCambiado(c, k); });
            (esX ? TxtX : TxTY)[static_cast<std::size_t>(k)] = caja;
        }
    }

    VScroll1 = new QScrollBar(Qt::Vertical, this);
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    VScroll1->setGeometry(kIzquierdaScroll, kArribaFilas, kAnchoScroll,
                          (kFilasVisibles - 1) * kPasoFila + kAltoCaja);
    VScroll1->setRange(0, kMaxScroll);
    VScroll1->setSingleStep(1);
    VScroll1->setPageStep(11);
    // The bar tracks its thumb: the rows follow while it is dragged.
    connect(VScroll1, &QScrollBar::valueChanged, this, [this] { refrescarFilas(); });

    for (int i = 0; i < 2; ++i) {
        auto* etiqueta = new QLabel(this);
        etiqueta->setObjectName(QStringLiteral("Label1_%1").arg(i + 3));
        etiqueta->setGeometry(i == 0 ? kIzquierdaX : kIzquierdaY, 6, kAnchoCaja, kArribaFilas - 12);
        etiqueta->setWordWrap(true);
        etiqueta->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        Label1[static_cast<std::size_t>(i)] = etiqueta;
    }

    for (int i = 0; i < 5; ++i) {
        auto* boton = new BotonImagen(QString(), this);
        boton->setObjectName(QStringLiteral("LabelB%1").arg(i));
        LabelB[static_cast<std::size_t>(i)] = boton;
    }
    // The wheel moves the rows wherever the pointer is in the window.
    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!qobject_cast<QLineEdit*>(control)) control->installEventFilter(this);

    connect(LabelB[0], &BotonImagen::clicked, this, &FormXYinput::Aceptar);
    connect(LabelB[1], &BotonImagen::clicked, this, &FormXYinput::Cancelar);
    connect(LabelB[2], &BotonImagen::clicked, this, &FormXYinput::Borrar);
    connect(LabelB[3], &BotonImagen::clicked, this, &FormXYinput::Abrir);
    connect(LabelB[4], &BotonImagen::clicked, this, &FormXYinput::Guardar);
}

void FormXYinput::colocarBotones()
{
    for (std::size_t i = 0; i < LabelB.size(); ++i) LabelB[i]->move(kBotones[i].izquierda, kBotones[i].arriba);
}

void FormXYinput::AjustaIDIOMA_GUI()
{
    setWindowTitle(textos_xy::texto(textos_xy::titulo));
    const Texto* captions[5] = {&textos_xy::botonOk, &textos_xy::botonCancelar, &textos_xy::botonBorrar,
                                &textos_xy::botonAbrir, &textos_xy::botonGuardar};
    for (std::size_t i = 0; i < LabelB.size(); ++i) LabelB[i]->setTexto(textos_xy::texto(*captions[i]));
    Label1[0]->setText(textos_xy::texto(textos_xy::explicacionX));
    Label1[1]->setText(textos_xy::texto(textos_xy::explicacionY));
}

// Visible row k shows table row VScroll1 + k; a row not in use shows empty
// boxes, and a row with X set and Y not shows Y as -1.
void FormXYinput::refrescarFilas()
{
    escribiendoTexto_ = true;
    const int primera = VScroll1->value();
    for (int k = 0; k < kFilasVisibles; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const auto r = static_cast<std::size_t>(primera + k);
        LblNUM[i]->setText(QString::number(primera + k + 1));
        if (TablaX[r] != -1) {
            TxtX[i]->setText(QString::fromStdString(FormatoNumero(TablaX[r], 6, estado_.sepDecimal)));
            TxTY[i]->setText(QString::fromStdString(FormatoNumero(TablaY[r], 6, estado_.sepDecimal)));
        } else {
            TxtX[i]->clear();
            TxTY[i]->clear();
        }
    }
    escribiendoTexto_ = false;
}

void FormXYinput::mostrarDesdeArriba()
{
    // setValue emits nothing when the bar is already at 0.
    VScroll1->setValue(0);
    refrescarFilas();
}

// Typing stores the box's value at once: empty is -1 (the row or cell is not
// in use), a malformed text the parser's invalid-value sentinel, which the
// range check of Ok reports.
void FormXYinput::textoCambiado(Columna columna, int k)
{
    if (escribiendoTexto_) return;
    const QString texto = caja(columna, k)->text();
    const double valor = texto.trimmed().isEmpty() ? -1 : LeerNumero(texto.toStdString(), estado_);
    filas(columna)[static_cast<std::size_t>(VScroll1->value() + k)] = valor;
}

QLineEdit* FormXYinput::caja(Columna columna, int k) const
{
    return (columna == Columna::X ? TxtX : TxTY)[static_cast<std::size_t>(k)];
}

std::array<double, kFilasTablaELV>& FormXYinput::filas(Columna columna)
{
    return columna == Columna::X ? TablaX : TablaY;
}

}  // namespace quillon
