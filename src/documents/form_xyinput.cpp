#include "documents/form_xyinput.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

#include "documents/form_xyinput_textos.h"
#include "model/formato.h"
#include "platform/boton_imagen.h"
#include "platform/texto_qt.h"

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
    crearBotones();
    ponerTextos();
    mostrarDesdeArriba();
}

void FormXYinput::crearControles()
{
    for (int k = 0; k < kFilasVisibles; ++k) {
        const int arriba = kArribaFilas + k * kPasoFila;
        auto* num = new QLabel(this);
        num->setObjectName(QStringLiteral("numeroFila%1").arg(k));
        num->setGeometry(kIzquierdaNum, arriba, kAnchoNum, kAltoCaja);
        num->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        num->setStyleSheet(QStringLiteral("color: rgb(40, 70, 120);"));
        numerosFila_[static_cast<std::size_t>(k)] = num;

        for (const Columna c : {Columna::X, Columna::Y}) {
            auto* caja = new QLineEdit(this);
            const bool esX = c == Columna::X;
            caja->setObjectName((esX ? QStringLiteral("TxtX%1") : QStringLiteral("TxtY%1")).arg(k));
            caja->setGeometry(esX ? kIzquierdaX : kIzquierdaY, arriba, kAnchoCaja, kAltoCaja);
            caja->installEventFilter(this);
            connect(caja, &QLineEdit::textChanged, this, [this, c, k] { textoCambiado(c, k); });
            (esX ? TxtX : TxtY)[static_cast<std::size_t>(k)] = caja;
        }
    }

    barraFilas_ = new QScrollBar(Qt::Vertical, this);
    barraFilas_->setObjectName(QStringLiteral("barraFilas"));
    barraFilas_->setGeometry(kIzquierdaScroll, kArribaFilas, kAnchoScroll,
                             (kFilasVisibles - 1) * kPasoFila + kAltoCaja);
    barraFilas_->setRange(0, kMaxScroll);
    barraFilas_->setSingleStep(1);
    barraFilas_->setPageStep(11);
    // The bar tracks its thumb: the rows follow while it is dragged.
    connect(barraFilas_, &QScrollBar::valueChanged, this, [this] { refrescarFilas(); });

    for (QLabel** destino : {&explicacionX_, &explicacionY_}) {
        const bool esX = destino == &explicacionX_;
        auto* etiqueta = new QLabel(this);
        etiqueta->setObjectName(esX ? QStringLiteral("explicacionX") : QStringLiteral("explicacionY"));
        etiqueta->setGeometry(esX ? kIzquierdaX : kIzquierdaY, 6, kAnchoCaja, kArribaFilas - 12);
        etiqueta->setWordWrap(true);
        etiqueta->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        *destino = etiqueta;
    }
}

void FormXYinput::crearBotones()
{
    const auto boton = [this](const char* nombre, int izquierda, int arriba, void (FormXYinput::*accion)()) {
        auto* b = new BotonImagen(QString(), this);
        b->setObjectName(QLatin1String(nombre));
        b->move(izquierda, arriba);
        connect(b, &BotonImagen::clicked, this, accion);
        return b;
    };
    botonAceptar_ = boton("botonAceptar", 160, 409, &FormXYinput::Aceptar);
    botonCancelar_ = boton("botonCancelar", 305, 409, &FormXYinput::Cancelar);
    botonBorrar_ = boton("botonBorrar", 305, 450, &FormXYinput::Borrar);
    botonAbrir_ = boton("botonAbrir", 15, 450, &FormXYinput::Abrir);
    botonGuardarComo_ = boton("botonGuardarComo", 160, 450, &FormXYinput::Guardar);
    // The wheel moves the rows wherever the pointer is in the window.
    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!qobject_cast<QLineEdit*>(control)) control->installEventFilter(this);
}

void FormXYinput::ponerTextos()
{
    setWindowTitle(qtr(textos_xy::titulo));
    botonAceptar_->setTexto(qtr(textos_xy::botonOk));
    botonCancelar_->setTexto(qtr(textos_xy::botonCancelar));
    botonBorrar_->setTexto(qtr(textos_xy::botonBorrar));
    botonAbrir_->setTexto(qtr(textos_xy::botonAbrir));
    botonGuardarComo_->setTexto(qtr(textos_xy::botonGuardar));
    explicacionX_->setText(qtr(textos_xy::explicacionX));
    explicacionY_->setText(qtr(textos_xy::explicacionY));
}

// Visible row k shows table row (bar value) + k; a row not in use shows empty
// boxes, and a row with X set and Y not shows Y as -1.
void FormXYinput::refrescarFilas()
{
    escribiendoTexto_ = true;
    const int primera = barraFilas_->value();
    for (int k = 0; k < kFilasVisibles; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const auto r = static_cast<std::size_t>(primera + k);
        numerosFila_[i]->setText(QString::number(primera + k + 1));
        if (TablaX[r] != -1) {
            TxtX[i]->setText(QString::fromStdString(FormatoNumero(TablaX[r], 6, estado_.sepDecimal)));
            TxtY[i]->setText(QString::fromStdString(FormatoNumero(TablaY[r], 6, estado_.sepDecimal)));
        } else {
            TxtX[i]->clear();
            TxtY[i]->clear();
        }
    }
    escribiendoTexto_ = false;
}

void FormXYinput::mostrarDesdeArriba()
{
    // setValue emits nothing when the bar is already at 0.
    barraFilas_->setValue(0);
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
    filas(columna)[static_cast<std::size_t>(barraFilas_->value() + k)] = valor;
}

QLineEdit* FormXYinput::caja(Columna columna, int k) const
{
    return (columna == Columna::X ? TxtX : TxtY)[static_cast<std::size_t>(k)];
}

std::array<double, kFilasTablaELV>& FormXYinput::filas(Columna columna)
{
    return columna == Columna::X ? TablaX : TablaY;
}

}  // namespace quillon
