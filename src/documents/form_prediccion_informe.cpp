// What Predict VLE table says of the compounds, pressure, model and points
// it holds: the table it would hand over, or why it cannot make one.

#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

#include "documents/form_prediccion.h"
#include "formats/documento.h"
#include "model/numero.h"
#include "platform/boton_imagen.h"
#include "platform/texto_qt.h"

namespace quillon {
namespace {

constexpr Texto kAzeotropo{"Azeotrope: x = ", "Azeótropo: x = "};
constexpr Texto kA{" at ", " a "};
constexpr Texto kMinimo{" °C, minimum-boiling", " °C, de temperatura de ebullición mínima"};
constexpr Texto kMaximo{" °C, maximum-boiling", " °C, de temperatura de ebullición máxima"};
constexpr Texto kSinAzeotropo{"No azeotrope", "Sin azeótropo"};
constexpr Texto kBMasVolatil{"B is the more volatile component over most of the range: swap A and B?",
                             "B es el componente más volátil en casi todo el intervalo: ¿intercambiar A y B?"};
constexpr Texto kAlfa{"Constant alpha that fits best: ", "Alfa constante que mejor se ajusta: "};
constexpr Texto kAlfaAzeotropo{"No constant alpha describes a mixture with an azeotrope: this one misses it.",
                               "Ninguna alfa constante describe una mezcla con azeótropo: esta no lo recoge."};
constexpr Texto kAlfaFuera{"\"Use this alpha\" is not available: the alpha box takes 1 < α ≤ 100.",
                           "«Usar esta alfa» no está disponible: la casilla de alfa admite 1 < α ≤ 100."};
constexpr Texto kDudosas{"Doubtful temperatures in the table: %1.", "Temperaturas dudosas en la tabla: %1."};
constexpr Texto kPuntosFuera{"ERROR: The number of points must be between %1 and %2",
                             "ERROR: El número de puntos debe estar entre %1 y %2"};

}  // namespace

void FormPrediccion::predecir()
{
    valida_ = alfaUtil_ = bMasVolatil_ = false;
    const int a = termo::compuestoDe(nombreA().toStdString()), b = termo::compuestoDe(nombreB().toStdString());
    const CondicionesTermo c = condiciones();
    const double P = presionEnPascales(c);
    const int puntos = cajaPuntos_->value();
    QString texto;
    if (a < 0 || b < 0) {
        texto = qtr(termo::mensajes::compuestoDesconocido);
    } else if (!presionValida(P)) {
        texto = QString::fromStdString(rangoDePresion(mensajes::presionEnUnidad, c.unidad, sep_));
    } else if (puntos < kPuntosMinimos || puntos > kPuntosMaximos) {
        texto = qtr(kPuntosFuera).arg(kPuntosMinimos).arg(kPuntosMaximos);
    } else {
        const auto sistema = termo::Sistema::crear(a, b, c.modelo, P);
        const auto* s = std::get_if<termo::Sistema>(&sistema);
        const auto prediccion = s ? termo::predecirTabla(*s, puntos) : std::variant<termo::TablaPredicha, std::string>{};
        if (!s) {
            texto = QString::fromStdString(std::get<std::string>(sistema));
        } else if (const auto* error = std::get_if<std::string>(&prediccion)) {
            texto = QString::fromStdString(*error);
        } else {
            texto = informeDeTabla(*s, std::get<termo::TablaPredicha>(prediccion));
        }
    }
    informe_->setText(texto);
    informe_->setStyleSheet(valida_ ? QString() : QStringLiteral("color: rgb(160, 0, 0);"));
    botonOk_->setEnabled(valida_);
    botonAlfa_->setEnabled(valida_ && alfaUtil_);
    botonAlfa_->setToolTip(valida_ && !alfaUtil_ ? qtr(kAlfaFuera) : QString());
    botonIntercambiar_->setVisible(bMasVolatil_);
}

QString FormPrediccion::informeDeTabla(const termo::Sistema& s, const termo::TablaPredicha& t)
{
    std::array<double, kFilasTablaELV> x, y;
    x.fill(-1);
    y.fill(-1);
    std::copy(t.x.begin(), t.x.end(), x.begin());
    std::copy(t.y.begin(), t.y.end(), y.begin());
    // Exactly what the table editor's Ok does with these rows.
    if (const Texto* fallo = tablaComprobada(x, y, static_cast<int>(t.x.size()) - 1, tabla_)) return qtr(*fallo);
    valida_ = true;
    alfa_ = termo::alfaAjustada(t);
    alfaUtil_ = volatilidadValida(alfa_);
    QStringList lineas;
    const auto azeotropos = termo::buscarAzeotropos(s);
    for (const termo::Azeotropo& az : azeotropos)
        lineas << qtr(kAzeotropo) + numero(az.x) + qtr(kA) + numero(az.T - kCeroCelsius) + qtr(az.maximo ? kMaximo : kMinimo);
    if (azeotropos.empty()) lineas << qtr(kSinAzeotropo);
    bMasVolatil_ = termo::parteConBMasVolatil(s, azeotropos) > 0.5;
    if (bMasVolatil_) lineas << qtr(kBMasVolatil);
    QString alfa = qtr(kAlfa) + numero(alfa_);
    if (!azeotropos.empty()) alfa += QStringLiteral(". ") + qtr(kAlfaAzeotropo);
    lineas << alfa;
    if (!alfaUtil_) lineas << qtr(kAlfaFuera);
    if (const termo::Avisos avisos = t.todosLosAvisos(); !avisos.vacio())
        lineas << qtr(kDudosas).arg(QString::fromStdString(termo::textoAvisos(avisos)));
    return lineas.join(QLatin1Char('\n'));
}

}  // namespace quillon
