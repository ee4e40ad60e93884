#pragma once
// Where a colour lies in a picture.

#include <QImage>
#include <QPolygon>

namespace quillon::prueba {

// The pixels within `tolerancia` of a colour in every channel.
inline QPolygon mancha(const QImage& imagen, const QColor& c, int tolerancia = 40)
{
    const QImage im = imagen.convertToFormat(QImage::Format_RGB32);
    QPolygon m;
    for (int y = 0; y < im.height(); ++y)
        for (int x = 0; x < im.width(); ++x) {
            const QColor p = im.pixelColor(x, y);
            if (qAbs(p.red() - c.red()) <= tolerancia && qAbs(p.green() - c.green()) <= tolerancia &&
                qAbs(p.blue() - c.blue()) <= tolerancia)
                m << QPoint(x, y);
        }
    return m;
}

}  // namespace quillon::prueba
