// The stage row's drawing of one stage and its progress controls.

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>
#include <optional>
#include <utility>

#include "mainwindow/fila_etapas.h"
#include "mainwindow/fila_etapas_dibujo.h"
#include "model/cortes.h"
#include "model/formato.h"
#include "model/magnitudes.h"
#include "platform/plataforma.h"
#include "platform/texto_qt.h"

namespace quillon {
namespace {

QColor aColor(const ColorRGB& c) { return QColor(c.r, c.g, c.b); }

// The whole percent a slider shows for a cut text; none when the text is no
// percentage. Read apart: showing a cut sets no separator.
std::optional<int> porcentajeEntero(const QString& texto)
{
    EstadoNumerico aparte;
    const double v = leerCorte(texto.toStdString(), aparte);
    if (!esNumero(v)) return std::nullopt;
    return static_cast<int>(redondearPar(v));
}

constexpr Texto kEbullicion{"Boiling point: ", "Temp. ebullición: "};

// The still's boiling point, each flag on a line of its own (beside the
// temperature it would not fit the box).
QString textoEbullicion(const termo::Burbuja& b, char sep)
{
    QString t = QStringLiteral("\n") + qtr(kEbullicion) +
                QString::fromStdString(FormatoNumero(b.T - kCeroCelsius, 4, sep)) + QStringLiteral(" °C");
    if (!b.avisos.vacio())
        t += QStringLiteral("\n  (") + QString::fromStdString(termo::textoAvisos(b.avisos, ")\n  (")) + QLatin1Char(')');
    return t;
}

constexpr Texto kDesdePrimeraGota{"From 1st drop: ", "Desde 1.ª gota: "};

// The time the still has boiled since its first drop (the heat-up before it
// is not counted), at the stage's heating: one line, the one the box holds
// under the boiling point.
QString textoTiempo(double minutos, char sep)
{
    return qtr(kDesdePrimeraGota) + QString::fromStdString(FormatoNumero(minutos, 4, sep)) + QStringLiteral(" min");
}

}  // namespace

bool FilaEtapas::DibujarNivelErlem(int k)
{
    if (k < 1 || k > kMaxEtapas) return false;
    emit mensaje(QString());
    EstadoEtapa r;
    {
        // The hourglass while the stage's table is computed.
        std::optional<plataforma::CursorEspera> espera;
        if (!sim_.alambiqueCalculado(k)) espera.emplace();
        r = sim_.etapa(k);
    }
    const Simulacion::RelojAlambique reloj = sim_.relojAlambique(k, r);
    if (const Texto* error = r.error ? r.error : reloj.error) {
        // Nothing stays drawn beside the message, not even for the moment
        // before the message bar blanks the row.
        blanquear();
        emit mensaje(sim_.mensajeDe(error, k));
        return false;
    }
    const auto& unidad = unidadesMasa()[static_cast<std::size_t>(sim_.unidad())];
    const QString u = qtexto(unidad.nombre);

    const auto still = static_cast<std::size_t>(k - 1);
    // The still's boiling temperature, when both components are known
    // compounds and there is a liquid to boil; the thermometer reads it
    // only when nothing makes it doubtful.
    std::optional<termo::Burbuja> ebullicion;
    const bool vacio = r.masaCarga == 0 || r.avance >= 100;
    if (const termo::Sistema* s = sim_.sistemaTermico(); s && !vacio) ebullicion = s->burbuja(r.alambique.x);
    dibujos_[still]->fijarTermometro(ebullicion && ebullicion->avisos.vacio()
                                         ? std::optional<double>(ebullicion->T - kCeroCelsius)
                                         : std::nullopt);
    dibujos_[still]->fijarColumna(sim_.cabezaEnCorte(k, r.avance) ? sim_.platos() : 0);
    dibujos_[still]->dibujarLiquido(filasAlambique(alturaAlambique(r.avance, r.fraccion)),
                                    aColor(quillon::colorLiquido(colorLiquido_, r.alambique.x)));
    // The contents, then a line for each of the still's extras.
    QStringList lineas{textoDeLiquido(r.alambique, u)};
    if (ebullicion) lineas << textoEbullicion(*ebullicion, sim_.separador());
    if (const QString cabeza = lineaCabeza(k, r.avance); !cabeza.isEmpty()) lineas << cabeza;
    if (reloj.minutos) {
        // Under the boiling point, or apart from the liquid's lines.
        if (!ebullicion) lineas << QString();
        lineas << textoTiempo(*reloj.minutos, sim_.separador());
    }
    escribirTexto(k - 1, lineas);
    if (k < sim_.numEtapas()) return true;

    const auto receptor = static_cast<std::size_t>(k);
    dibujos_[receptor]->dibujarLiquido(filasReceptor(alturaReceptor(r.avance, r.fraccion)),
                                       aColor(quillon::colorLiquido(colorLiquido_, r.destilado.x)));
    escribirTexto(k, {textoDeLiquido(r.destilado, u)});
    return true;
}

QString FilaEtapas::lineaCabeza(int k, double P) const
{
    const auto cabeza = sim_.cabezaEnCorte(k, P);
    if (!cabeza) return {};
    // The column's reflux ratio and the distillate leaving its condenser now.
    auto F = [this](double v) { return QString::fromStdString(FormatoNumero(v, 4, sim_.separador())); };
    return QStringLiteral("R = ") + F(cabeza->reflujo) + QStringLiteral("   xD = ") + F(cabeza->destilado);
}

QString FilaEtapas::textoDeLiquido(const Contenido& c, const QString& unidad) const
{
    QString t = QString::fromStdString(textoContenido(c, unidad.toStdString(), sim_.separador()));
    return t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

void FilaEtapas::escribirTexto(int j, const QStringList& lineas)
{
    QPlainTextEdit* caja = textos_[static_cast<std::size_t>(j)];
    const QString texto = lineas.join(QLatin1Char('\n'));
    // The same text again: the box keeps its layout and its picture.
    if (caja->toPlainText() == texto) return;
    caja->setPlainText(texto);
    // Lines added after the contents show, as when they were appended.
    if (lineas.size() > 1) caja->verticalScrollBar()->setValue(caja->verticalScrollBar()->maximum());
}

void FilaEtapas::redibujarDesde(int k)
{
    // A blanked row is drawn again whole: the stages before k were blanked
    // too, and nothing else would draw them.
    if (std::exchange(enBlanco_, false)) k = 1;
    // The cut of stage k is the charge of k+1: every later table is stale.
    // A stage that cannot be drawn leaves the later ones no charge: the
    // first message stands.
    const bool dibujada = DibujarNivelErlem(k);
    sim_.cargasCambiadasDesde(k + 1);
    for (int j = k + 1; dibujada && j <= sim_.numEtapas(); ++j)
        if (!DibujarNivelErlem(j)) break;
}

void FilaEtapas::deslizadorMovido(int k, bool final)
{
    QLineEdit* caja = cajas_[static_cast<std::size_t>(k)];
    caja->setText(QString::number(deslizadores_[static_cast<std::size_t>(k)]->value()) + QStringLiteral(" %"));
    // The stills follow the simulation's announcement: while the thumb is
    // dragged only this stage.
    sim_.editarCorte(k, caja->text(), final);
}

void FilaEtapas::avanceTecleado(int k)
{
    const QString texto = cajas_[static_cast<std::size_t>(k)]->text();
    // The slider takes the whole percent; the drawing reads the exact text,
    // and a text that is no percentage draws nothing and says so.
    if (const auto v = porcentajeEntero(texto)) moverDeslizador(k, *v);
    sim_.editarCorte(k, texto);
}

void FilaEtapas::mostrarCortes()
{
    for (int k = 1; k <= kMaxEtapas; ++k) mostrarCorte(k);
}

void FilaEtapas::mostrarCorte(int k)
{
    const QString texto = sim_.textoCorte(k);
    QLineEdit* caja = cajas_[static_cast<std::size_t>(k)];
    // The box being typed into already holds it: rewriting would move the caret.
    if (caja->text() == texto) return;
    caja->setText(texto);
    // A cut the box refuses leaves its slider at 0, where Clear put it.
    moverDeslizador(k, porcentajeEntero(texto).value_or(0));
}

void FilaEtapas::moverDeslizador(int k, int valor)
{
    // Following the text, not writing it: no edit of the cut.
    const QSignalBlocker bloqueo(deslizadores_[static_cast<std::size_t>(k)]);
    deslizadores_[static_cast<std::size_t>(k)]->setValue(valor);
}

void FilaEtapas::blanquear()
{
    enBlanco_ = true;
    const int hasta = std::clamp(sim_.numEtapas(), 0, kMaxEtapas);
    for (int j = 0; j <= hasta; ++j) {
        textos_[static_cast<std::size_t>(j)]->clear();
        dibujos_[static_cast<std::size_t>(j)]->limpiar();
    }
}

}  // namespace quillon
