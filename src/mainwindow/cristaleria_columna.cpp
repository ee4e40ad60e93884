#include "mainwindow/cristaleria_columna.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <map>

#include "mainwindow/cristaleria.h"
#include "model/idioma.h"
#include "platform/texto_qt.h"

namespace quillon::cristaleria {
namespace {

constexpr Texto kPlatos{"plates", "platos"};

// The column stands where the still's neck stood, as wide; the neck's stub
// below kCorte is kept, so that the two fuse.
constexpr double kIzq = 59, kDer = 83, kEje = 71, kCorte = 206;
constexpr double kArribaColumna = 52, kPrimerPlato = 62, kUltimoPlato = 198;
// The head above it: the reflux divider, then the condenser's jacket.
constexpr double kDivisor = 40, kArribaCondensador = 4, kAbajoCondensador = 30;
// The tubes leave and enter the picture where the connecting tube meets it.
constexpr double kYSalida = 42, kYEntrada = 96, kPendiente = (96.0 - 42.0) / 162.0, kMasAlla = 12;
constexpr double kLuzTubo = 7, kGrosor = 1.6;

void tubo(QPainter& p, const QPainterPath& camino)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colorPared(), kLuzTubo + 2 * kGrosor, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(camino);
    p.setPen(QPen(colorInterior(), kLuzTubo, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(camino);
}

// A short vertical neck: its walls and its inside.
void cuello(QPainter& p, double izq, double der, double arriba, double abajo)
{
    p.fillRect(QRectF(izq, arriba, der - izq, abajo - arriba), colorInterior());
    p.setPen(QPen(colorPared(), kGrosor));
    p.drawLine(QPointF(izq, arriba), QPointF(izq, abajo));
    p.drawLine(QPointF(der, arriba), QPointF(der, abajo));
}

void cuerpoColumna(QPainter& p, int platos)
{
    cuello(p, kIzq, kDer, kArribaColumna, kCorte + 2);
    const int n = platosDibujados(platos);
    // Each plate with its downcomer on alternate sides.
    p.setPen(QPen(colorPared(), 1.4, Qt::SolidLine, Qt::FlatCap));
    for (int i = 0; i < n; ++i) {
        const double y = yPlato(i, n);
        const bool izquierda = i % 2 == 0;
        p.drawLine(QPointF(izquierda ? kIzq + 6 : kIzq, y), QPointF(izquierda ? kDer : kDer - 6, y));
        const double x = izquierda ? kIzq + 6 : kDer - 6;
        p.drawLine(QPointF(x, y), QPointF(x, y + 5));
    }
    if (platos <= kPlatosDibujados) return;
    // More plates than fit: how many, right of the column, between the
    // take-off above and the thermometer below.
    p.setFont(QFont(QStringLiteral("Arial"), 8, QFont::Bold));
    p.setPen(colorPared());
    p.drawText(QRectF(kDer + 5, 80, 142 - kDer - 5, 40), Qt::AlignLeft | Qt::AlignVCenter,
               QString::number(platos) + QLatin1Char('\n') + qtr(kPlatos));
}

void cabeza(QPainter& p)
{
    // The take-off: from the divider to the right edge, meeting the
    // connecting tube with its slope.
    QPainterPath salida(QPointF(kEje, kDivisor - 4));
    salida.cubicTo(QPointF(110, kDivisor - 4), QPointF(126, kYSalida - 16 * kPendiente), QPointF(142, kYSalida));
    salida.lineTo(142 + kMasAlla, kYSalida + kMasAlla * kPendiente);
    tubo(p, salida);
    cuello(p, kIzq + 3, kDer - 3, kAbajoCondensador, kArribaColumna + 1);
    // The divider: a funnel that sends the reflux back down the column.
    p.setPen(QPen(colorPared(), 1.4));
    p.drawLine(QPointF(kIzq + 4, kDivisor), QPointF(kEje, kDivisor + 7));
    p.drawLine(QPointF(kEje, kDivisor + 7), QPointF(kDer - 4, kDivisor));
    const QColor reflujo(30, 90, 200);
    p.setPen(QPen(reflujo, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(kEje, kDivisor + 8), QPointF(kEje, kArribaColumna + 6));
    p.setBrush(reflujo);
    p.drawPolygon(QPolygonF({QPointF(kEje - 3, kArribaColumna + 3), QPointF(kEje + 3, kArribaColumna + 3),
                             QPointF(kEje, kArribaColumna + 8)}));
    // The condenser: a water jacket around the vapour tube, with its inlet and outlet.
    QPainterPath entrada(QPointF(kDer + 2, kAbajoCondensador - 6));
    entrada.lineTo(kDer + 14, kAbajoCondensador - 6);
    QPainterPath salidaAgua(QPointF(kIzq - 2, kArribaCondensador + 6));
    salidaAgua.lineTo(kIzq - 14, kArribaCondensador + 6);
    p.save();
    p.setPen(QPen(colorPared(), 5, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(entrada);
    p.drawPath(salidaAgua);
    p.restore();
    p.setPen(QPen(colorPared(), kGrosor));
    p.setBrush(QColor(206, 230, 250));
    p.drawRoundedRect(QRectF(kIzq - 4, kArribaCondensador, kDer - kIzq + 8, kAbajoCondensador - kArribaCondensador), 4, 4);
    p.setBrush(colorInterior());
    p.drawRect(QRectF(kIzq + 5, kArribaCondensador + 3, kDer - kIzq - 10, kAbajoCondensador - kArribaCondensador - 3));
}

void cuellosLaterales(QPainter& p)
{
    // The charge from the previous picture comes in by the left side neck.
    QPainterPath carga(QPointF(-kMasAlla, kYEntrada - kMasAlla * kPendiente));
    carga.lineTo(18, kYEntrada + 18 * kPendiente);
    carga.quadTo(QPointF(30, kYEntrada + 30 * kPendiente), QPointF(30, kYEntrada + 30 * kPendiente + 14));
    carga.lineTo(30, 232);
    tubo(p, carga);
    // The thermometer's neck on the right.
    cuello(p, 106, 118, 198, 228);
}

}  // namespace

int platosDibujados(int platos) { return std::clamp(platos, 0, kPlatosDibujados); }

double yPlato(int i, int dibujados)
{
    const double paso = (kUltimoPlato - kPrimerPlato) / std::max(dibujados, 1);
    return kPrimerPlato + (i + 0.5) * paso;
}

void pintarColumna(QPainter& p, int platos, bool blanco)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // What stood above the bulb (the neck, its stopper, the side arm and the
    // inlet) goes; the column and its head stand there instead.
    if (blanco) p.fillRect(QRectF(0, 0, 142, kCorte), Qt::white);
    cuellosLaterales(p);
    cuerpoColumna(p, platos);
    cabeza(p);
    p.restore();
}

const QPixmap& imagenConColumna(int platos, qreal dpr)
{
    static std::map<std::pair<int, int>, QPixmap> hechas;
    const auto clave = std::make_pair(platos, static_cast<int>(std::lround(dpr * 100)));
    if (const auto it = hechas.find(clave); it != hechas.end()) return it->second;
    QPixmap pm = imagen(Pieza::Alambique, Capa::Detras, dpr).copy();
    pm.setDevicePixelRatio(dpr);
    {
        QPainter p(&pm);
        // Where the column covers the neck it paints white: on this layer,
        // transparent, as around the rest of the glass.
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.fillRect(QRectF(0, 0, 142, kCorte), Qt::transparent);
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        pintarColumna(p, platos, false);
    }
    return hechas.emplace(clave, std::move(pm)).first->second;
}

QTransform transformacionTermometro()
{
    // The thermometer drawn for the neck (its bulb at (76, 196), its top at
    // y = 4), shortened into the right side neck with its bulb in the liquid.
    return QTransform(0.8, 0, 0, 0.46, 112 - 0.8 * 76, 238 - 0.46 * 196);
}

}  // namespace quillon::cristaleria
