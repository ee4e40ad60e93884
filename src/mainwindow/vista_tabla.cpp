#include "mainwindow/vista_tabla.h"

#include "mainwindow/panel_tabla.h"
#include "model/textos.h"
#include "platform/escritura.h"
#include "platform/plataforma.h"
#include "platform/texto_qt.h"
#include "simulacion/simulacion.h"

namespace quillon {

VistaTabla::VistaTabla(Simulacion& sim, PanelTabla& panel, QWidget* padre) : QPlainTextEdit(padre), sim_(sim), panel_(panel)
{
    setObjectName(QStringLiteral("TxtXAvan"));
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont courier(QStringLiteral("Courier New"), 12);
    courier.setStyleHint(QFont::Monospace);
    setFont(courier);
    setAccessibleName(qtr(textos::vistas[3]));
    connect(&sim_, &Simulacion::cambiado, this, &VistaTabla::seguir);
    // The table follows its choices at once: building it costs a millisecond.
    connect(&panel_, &PanelTabla::eleccionCambiada, this, [this] {
        if (isVisible()) crearTabla();
    });
    panel_.mostrarTemperaturas(sim_.sistemaTermico() != nullptr);
    panel_.mostrarColumna(sim_.hayColumna());
    panel_.mostrarCalor(sim_.ofrecerTiempo(), sim_.ofrecerCalor());
}

void VistaTabla::seguir(const Cambios& c)
{
    // The temperatures are offered while both names are known compounds.
    if (c.hay(Cambios::Equilibrio | Cambios::Borrado | Cambios::Abierto))
        panel_.mostrarTemperaturas(sim_.sistemaTermico() != nullptr);
    if (c.hay(Cambios::Columna | Cambios::Borrado | Cambios::Abierto)) panel_.mostrarColumna(sim_.hayColumna());
    // The time while a heating is given, the heat while it has latent heats.
    if (c.hay(Cambios::Calefaccion | Cambios::Equilibrio | Cambios::Borrado | Cambios::Abierto))
        panel_.mostrarCalor(sim_.ofrecerTiempo(), sim_.ofrecerCalor());
    const bool abierto = c.hay(Cambios::Abierto);
    if (c.hay(Cambios::Borrado | Cambios::Abierto) && !(abierto && isVisible())) {
        clear();
        mostrada_ = {};
    }
    if (isVisible() && c.hay(Cambios::Calculo | Cambios::Abierto)) crearTabla();
}

void VistaTabla::crearTabla()
{
    clear();
    mostrada_ = {};
    emit mensaje(QString());
    PeticionTabla p;
    p.nombreA = sim_.texto(Entrada::CompA).toStdString();
    p.nombreB = sim_.texto(Entrada::CompB).toStdString();
    p.etapa = panel_.etapa();
    p.intervalos = panel_.intervalos();
    p.items = panel_.items();
    plataforma::CursorEspera espera;
    const ResultadoTabla r = sim_.tablaTexto(p);
    if (r.error) return emit mensaje(sim_.mensajeDe(r.error, p.etapa));
    setPlainText(QString::fromStdString(r.texto).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    mostrada_ = r.valores;
    sep_ = sim_.separador();
}

void VistaTabla::copiar()
{
    const QString texto = toPlainText();
    if (texto.trimmed().isEmpty()) return;
    QString conFinales = texto;
    conFinales.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    plataforma::copiarTexto(conFinales, QString::fromStdString(CrearTablaHtml(mostrada_, sep_)));
}

void VistaTabla::exportarCsv(const QString& carpeta)
{
    if (mostrada_.filas.empty()) return;
    const QString ruta = plataforma::elegirRutaGuardar(
        this, {plataforma::carpetaInicial(carpeta), qtr(textos::filtroCsv), qtr(textos::dialogoExportar), QStringLiteral("csv")});
    if (ruta.isEmpty()) return;
    // UTF-8 with its mark, so that spreadsheets read "°C" right.
    const std::string bytes = "\xEF\xBB\xBF" + CrearTablaCsv(mostrada_, sep_);
    if (const auto fallo = guardarArchivo(ruta, bytes)) plataforma::mensajeError(window(), *fallo);
}

}  // namespace quillon
