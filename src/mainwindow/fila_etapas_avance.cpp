// The stage row's drawing of one stage and its progress controls.

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <algorithm>
#include <optional>

#include "mainwindow/fila_etapas.h"
#include "mainwindow/fila_etapas_dibujo.h"
#include "model/magnitudes.h"
#include "platform/plataforma.h"

namespace quillon {
namespace {

QColor aColor(const ColorRGB& c) { return QColor(c.r, c.g, c.b); }

}  // namespace

void FilaEtapas::DibujarNivelErlem(int k)
{
    if (k < 1 || k > kMaxEtapas || !estado_.leerEntradas) return;
    mostrarMensaje(QString());
    const Entradas e = estado_.leerEntradas();
    EstadoEtapa r;
    {
        // The hourglass while the stage's table is computed.
        std::optional<plataforma::CursorEspera> espera;
        if (!estado_.cadena.calculada(k)) espera.emplace();
        r = calcularEtapa(estado_.cadena, estado_.modelo(e.alfa), e, cortes(), k);
    }
    if (r.error) {
        mostrarMensaje(QString::fromUtf8(quillon::tr(*r.error)));
        return;
    }
    const auto& unidades = unidadesMasa();
    const auto& unidad = unidades[static_cast<std::size_t>(std::clamp(e.unidad, 0, int(unidades.size()) - 1))];
    const QString u = QString::fromUtf8(unidad.nombre.data(), static_cast<qsizetype>(unidad.nombre.size()));

    const auto still = static_cast<std::size_t>(k - 1);
    dibujos_[still]->dibujarLiquido(filasAlambique(alturaAlambique(r.avance, r.fraccion)),
                                    aColor(quillon::colorLiquido(colorLiquido_, r.alambique.x)));
    escribirContenido(k - 1, r.alambique, u);
    if (k < estado_.numEtapas) return;

    const auto receptor = static_cast<std::size_t>(k);
    dibujos_[receptor]->dibujarLiquido(filasReceptor(alturaReceptor(r.avance, r.fraccion)),
                                       aColor(quillon::colorLiquido(colorLiquido_, r.destilado.x)));
    escribirContenido(k, r.destilado, u);
}

void FilaEtapas::escribirContenido(int j, const Contenido& c, const QString& unidad)
{
    QString t = QString::fromStdString(textoContenido(c, unidad.toStdString(), estado_.sep()));
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    textos_[static_cast<std::size_t>(j)]->setPlainText(t);
}

void FilaEtapas::mostrarMensaje(const QString& texto)
{
    if (estado_.mensaje) estado_.mensaje(texto);
}

void FilaEtapas::redibujarDesde(int k)
{
    DibujarNivelErlem(k);
    redibujarSiguientes(k);
}

void FilaEtapas::redibujarSiguientes(int k)
{
    // The cut of stage k is the charge of k+1: every later table is stale.
    estado_.cadena.invalidar(k + 1, estado_.numEtapas);
    for (int j = k + 1; j <= estado_.numEtapas; ++j) DibujarNivelErlem(j);
}

void FilaEtapas::HScroll1_Change(int k)
{
    if (estado_.escribiendoTexto || !deslizador(k)) return;
    {
        Escribiendo guarda(estado_);
        cajas_[static_cast<std::size_t>(k)]->setText(QString::number(deslizador(k)->value()) + QStringLiteral(" %"));
        DibujarNivelErlem(k);
    }
    redibujarSiguientes(k);
    estado_.modificado = true;
}

void FilaEtapas::HScroll1_Scroll(int k)
{
    if (estado_.escribiendoTexto || !deslizador(k)) return;
    Escribiendo guarda(estado_);
    cajas_[static_cast<std::size_t>(k)]->setText(QString::number(deslizador(k)->value()) + QStringLiteral(" %"));
    DibujarNivelErlem(k);
}

void FilaEtapas::TxtAVAN_Change(int k)
{
    if (estado_.escribiendoTexto || !cajaAvance(k)) return;
    if (aplicarTextoAvance(k)) estado_.modificado = true;
}

bool FilaEtapas::aplicarTextoAvance(int k)
{
    const double v = leerTextoAvance(textoAvance(k).toStdString());
    if (!esNumero(v) || v < 0 || v > 100) return false;
    {
        Escribiendo guarda(estado_);
        // The slider takes the whole percent; the drawing reads the exact text.
        deslizador(k)->setValue(static_cast<int>(redondearPar(v)));
        DibujarNivelErlem(k);
    }
    redibujarSiguientes(k);
    return true;
}

void FilaEtapas::TxtAVAN_GotFocus(int k)
{
    if (QLineEdit* caja = cajaAvance(k)) caja->selectAll();
}

void FilaEtapas::blanquear()
{
    const int hasta = std::clamp(estado_.numEtapas, 0, kMaxEtapas);
    for (int j = 0; j <= hasta; ++j) {
        textos_[static_cast<std::size_t>(j)]->clear();
        dibujos_[static_cast<std::size_t>(j)]->limpiar();
    }
}

QString FilaEtapas::textoAvance(int k) const
{
    const QLineEdit* caja = cajaAvance(k);
    return caja ? caja->text() : QString();
}

void FilaEtapas::escribirAvance(int k, const QString& texto)
{
    QLineEdit* caja = cajaAvance(k);
    if (!caja) return;
    // Writing the text it already holds emits no change; run the handler
    // all the same, as the caller expects the stage redrawn.
    if (caja->text() == texto) TxtAVAN_Change(k);
    else caja->setText(texto);
}

std::array<double, kMaxEtapas> FilaEtapas::cortes() const
{
    std::array<double, kMaxEtapas> c{};
    for (int k = 1; k <= kMaxEtapas; ++k)
        c[static_cast<std::size_t>(k - 1)] =
            corteEfectivo(leerTextoAvance(textoAvance(k).toStdString()), deslizador(k)->value());
    return c;
}

}  // namespace quillon
