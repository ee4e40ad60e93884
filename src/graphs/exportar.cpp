#include "graphs/exportar.h"

#include <QBuffer>
#include <QButtonGroup>
#include <QGridLayout>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPdfWriter>
#include <QRadioButton>
#include <QSpinBox>
#include <QSvgGenerator>

#include "model/textos.h"
#include "platform/escritura.h"
#include "platform/archivos.h"
#include "platform/boton_imagen.h"
#include "platform/plataforma.h"
#include "platform/texto_qt.h"

namespace quillon {
namespace {

constexpr Texto kTitulo{"Export graph", "Exportar gráfica"};
constexpr Texto kFormato{"Format:", "Formato:"};
constexpr Texto kPng{"PNG picture", "Imagen PNG"};
constexpr Texto kSvg{"SVG drawing", "Dibujo SVG"};
constexpr Texto kPdf{"PDF document", "Documento PDF"};
constexpr Texto kPantalla{"As on the screen", "Como en la pantalla"};
constexpr Texto kElegido{"Width and height in pixels:", "Ancho y alto en píxeles:"};
constexpr Texto kOk{"Ok", "Aceptar"};
constexpr Texto kCancelar{"Cancel", "Cancelar"};
constexpr Texto kFiltros[3] = {{"PNG picture (*.png)|*.png", "Imagen PNG (*.png)|*.png"},
                               {"SVG drawing (*.svg)|*.svg", "Dibujo SVG (*.svg)|*.svg"},
                               {"PDF document (*.pdf)|*.pdf", "Documento PDF (*.pdf)|*.pdf"}};
const char* const kSufijos[3] = {"png", "svg", "pdf"};

QRadioButton* opcion(const Texto& t, const char* nombre, QWidget* padre)
{
    auto* o = new QRadioButton(qtr(t), padre);
    o->setObjectName(QString::fromLatin1(nombre));
    return o;
}

}  // namespace

QByteArray bytesDeGrafico(const DibujoGrafico& dibujo, FormatoGrafico formato, QSizeF tamano, double escala)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const auto pintar = [&](QPaintDevice& d, double factor) {
        QPainter p(&d);
        p.scale(factor, factor);
        p.fillRect(QRectF(QPointF(0, 0), tamano), Qt::white);
        dibujo(p, tamano);
    };
    if (formato == FormatoGrafico::Png) {
        QImage imagen((tamano * escala).toSize(), QImage::Format_RGB32);
        pintar(imagen, escala);
        imagen.save(&buffer, "PNG");
    } else if (formato == FormatoGrafico::Svg) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(tamano.toSize());
        svg.setViewBox(QRectF(QPointF(0, 0), tamano));
        pintar(svg, 1);
    } else {
        // One page the size of the graph: a pixel of the screen is a point.
        QPdfWriter pdf(&buffer);
        pdf.setPageLayout(QPageLayout(QPageSize(tamano, QPageSize::Point), QPageLayout::Portrait, QMarginsF()));
        pdf.setResolution(72);
        pintar(pdf, 1);
    }
    return buffer.data();
}

FormExportar::FormExportar(QSize tamano, double escala, QWidget* padre)
    : QDialog(padre), tamanoPantalla_(tamano), escalaPantalla_(escala)
{
    setObjectName(QStringLiteral("FormExportar"));
    setWindowTitle(qtr(kTitulo));
    auto* rejilla = new QGridLayout(this);
    rejilla->addWidget(new QLabel(qtr(kFormato), this), 0, 0);
    opcionPng_ = opcion(kPng, "opcionPng", this);
    opcionSvg_ = opcion(kSvg, "opcionSvg", this);
    opcionPdf_ = opcion(kPdf, "opcionPdf", this);
    auto* formatos = new QButtonGroup(this);
    for (QRadioButton* o : {opcionPng_, opcionSvg_, opcionPdf_}) formatos->addButton(o);
    opcionPng_->setChecked(true);
    rejilla->addWidget(opcionPng_, 0, 1);
    rejilla->addWidget(opcionSvg_, 1, 1);
    rejilla->addWidget(opcionPdf_, 2, 1);
    opcionPantalla_ = opcion(kPantalla, "opcionPantalla", this);
    opcionElegido_ = opcion(kElegido, "opcionTamanoElegido", this);
    auto* tamanos = new QButtonGroup(this);
    tamanos->addButton(opcionPantalla_);
    tamanos->addButton(opcionElegido_);
    opcionPantalla_->setChecked(true);
    rejilla->addWidget(opcionPantalla_, 3, 1);
    rejilla->addWidget(opcionElegido_, 4, 1);
    cajaAncho_ = new QSpinBox(this);
    cajaAlto_ = new QSpinBox(this);
    cajaAncho_->setObjectName(QStringLiteral("cajaAncho"));
    cajaAlto_->setObjectName(QStringLiteral("cajaAlto"));
    for (QSpinBox* c : {cajaAncho_, cajaAlto_}) c->setRange(100, 10000);
    cajaAncho_->setValue(tamano.width());
    cajaAlto_->setValue(tamano.height());
    cajaAncho_->setAccessibleName(qtr(kElegido));
    cajaAlto_->setAccessibleName(qtr(kElegido));
    rejilla->addWidget(cajaAncho_, 5, 1);
    rejilla->addWidget(cajaAlto_, 5, 2);
    auto* ok = new BotonImagen(qtr(kOk), this);
    auto* cancelar = new BotonImagen(qtr(kCancelar), this);
    ok->setObjectName(QStringLiteral("botonOk"));
    cancelar->setObjectName(QStringLiteral("botonCancelar"));
    rejilla->addWidget(ok, 6, 1);
    rejilla->addWidget(cancelar, 6, 2);
    connect(ok, &BotonImagen::clicked, this, &QDialog::accept);
    connect(cancelar, &BotonImagen::clicked, this, &QDialog::reject);
    // Only a picture has a size of its own; the drawings keep the screen's.
    const auto seguir = [this] {
        const bool png = opcionPng_->isChecked();
        opcionPantalla_->setEnabled(png);
        opcionElegido_->setEnabled(png);
        cajaAncho_->setEnabled(png && opcionElegido_->isChecked());
        cajaAlto_->setEnabled(png && opcionElegido_->isChecked());
    };
    for (QRadioButton* o : {opcionPng_, opcionSvg_, opcionPdf_, opcionPantalla_, opcionElegido_})
        connect(o, &QRadioButton::toggled, this, seguir);
    seguir();
}

FormatoGrafico FormExportar::formato() const
{
    return opcionSvg_->isChecked() ? FormatoGrafico::Svg : opcionPdf_->isChecked() ? FormatoGrafico::Pdf : FormatoGrafico::Png;
}

QSizeF FormExportar::tamano() const
{
    const bool elegido = formato() == FormatoGrafico::Png && opcionElegido_->isChecked();
    return elegido ? QSizeF(cajaAncho_->value(), cajaAlto_->value()) : QSizeF(tamanoPantalla_);
}

double FormExportar::escala() const
{
    return formato() == FormatoGrafico::Png && opcionPantalla_->isChecked() ? escalaPantalla_ : 1;
}

void exportarGrafico(QWidget* padre, const DibujoGrafico& dibujo, QSize tamano, double escala, const QString& carpeta)
{
    FormExportar opciones(tamano, escala, padre);
    if (opciones.exec() != QDialog::Accepted) return;
    const auto i = static_cast<std::size_t>(opciones.formato());
    const QString ruta = plataforma::elegirRutaGuardar(
        padre, {carpeta, qtr(kFiltros[i]), qtr(textos::dialogoExportar), QString::fromLatin1(kSufijos[i])});
    if (ruta.isEmpty()) return;
    const QByteArray bytes = bytesDeGrafico(dibujo, opciones.formato(), opciones.tamano(), opciones.escala());
    if (const auto mensaje = guardarArchivo(ruta, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))))
        plataforma::mensajeError(padre, *mensaje);
}

}  // namespace quillon
