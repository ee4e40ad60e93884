#include "documents/validador_guardable.h"

#include "formats/etiquetas.h"

namespace quillon {
namespace {

// A character the grammar takes as itself.
bool guardable(const QString& c) { return QString::fromStdString(textoSinMarcas(c.toStdString())) == c; }

bool corcheteDoble(const QString& hecho, const QString& c)
{
    return (c == QLatin1String("[") || c == QLatin1String("]")) && hecho.endsWith(c);
}

}  // namespace

QValidator::State ValidadorGuardable::validate(QString& texto, int& posicion) const
{
    QString limpio;
    int nuevaPosicion = 0;
    for (int i = 0; i < texto.size();) {
        const int largo = texto.at(i).isHighSurrogate() && i + 1 < texto.size() ? 2 : 1;
        const QString c = texto.mid(i, largo);
        if (guardable(c) && !corcheteDoble(limpio, c)) limpio += c;
        i += largo;
        if (i <= posicion) nuevaPosicion = static_cast<int>(limpio.size());
    }
    texto = limpio;
    posicion = nuevaPosicion;
    return Acceptable;
}

}  // namespace quillon
