// The still's thermometer: its glass kept as an image per place and pixel
// ratio, its red column painted over it at each temperature.

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

#include "mainwindow/cristaleria.h"

namespace quillon::cristaleria {
namespace {

// The thermometer hangs in the right half of the neck, clear of the inlet
// tube on the left: its stem from above the stopper to a bulb just above the
// liquid's highest row.
constexpr double kXTermometro = 76, kArribaTermometro = 4, kBulboTermometro = 196;
constexpr double kCeroTermometro = kBulboTermometro - 12, kAltoEscala = 150;
// The glass with its scale and pens, in the neck's coordinates.
const QRectF kCajaVidrio(kXTermometro - 6, kArribaTermometro - 1, 12, kBulboTermometro + 6 - kArribaTermometro);

// The glass: a stem and its bulb, and a tick every 50 °C beside the stem.
void pintarVidrio(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colorPared(), 1));
    p.setBrush(QColor(250, 252, 255));
    p.drawRoundedRect(QRectF(kXTermometro - 2.5, kArribaTermometro, 5, kBulboTermometro - kArribaTermometro), 2.5, 2.5);
    p.drawEllipse(QPointF(kXTermometro, kBulboTermometro), 4, 4);
    p.setPen(QPen(colorPared(), 0.8));
    for (double t = 0; t <= kTermometroMaximo; t += 50)
        p.drawLine(QPointF(kXTermometro - 5, yColumnaTermometro(t)), QPointF(kXTermometro - 2.5, yColumnaTermometro(t)));
}

// The glass rendered where `donde` puts it, on whole device pixels: the
// image and its top left corner in the picture.
struct Vidrio {
    QPixmap imagen;
    QPointF origen;
};

const Vidrio& vidrio(const QTransform& donde, qreal dpr)
{
    static std::map<std::tuple<long, long, long, long, long>, Vidrio> hechos;
    const auto centesimas = [](double v) { return std::lround(v * 100); };
    const auto clave = std::make_tuple(centesimas(donde.m11()), centesimas(donde.m22()), centesimas(donde.dx()),
                                       centesimas(donde.dy()), centesimas(dpr));
    if (const auto it = hechos.find(clave); it != hechos.end()) return it->second;
    const QRectF caja = donde.mapRect(kCajaVidrio);
    const QRect enDispositivo = QRectF(caja.topLeft() * dpr, caja.size() * dpr).toAlignedRect();
    Vidrio v{QPixmap(enDispositivo.size()), QPointF(enDispositivo.topLeft()) / dpr};
    v.imagen.setDevicePixelRatio(dpr);
    v.imagen.fill(Qt::transparent);
    {
        QPainter p(&v.imagen);
        p.translate(-v.origen);
        p.setWorldTransform(donde, true);
        pintarVidrio(p);
    }
    return hechos.emplace(clave, std::move(v)).first->second;
}

}  // namespace

double yColumnaTermometro(double celsius)
{
    const double t = std::clamp(celsius, 0.0, kTermometroMaximo);
    return kCeroTermometro - t / kTermometroMaximo * kAltoEscala;
}

void pintarTermometro(QPainter& p, double celsius, const QTransform& donde)
{
    const Vidrio& v = vidrio(donde, p.device()->devicePixelRatioF());
    p.drawPixmap(v.origen, v.imagen);
    // The column, in red, from the bulb up to the temperature.
    p.save();
    p.setWorldTransform(donde, true);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 20, 30));
    p.drawEllipse(QPointF(kXTermometro, kBulboTermometro), 2.8, 2.8);
    const double arriba = yColumnaTermometro(celsius);
    p.drawRect(QRectF(kXTermometro - 1, arriba, 2, kBulboTermometro - arriba));
    p.restore();
}

}  // namespace quillon::cristaleria
