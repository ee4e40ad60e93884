#pragma once
// The graphs on their own, fed by a simulation as the window feeds them.

#include <QSignalSpy>
#include <QtTest>
#include <QtWidgets>
#include <memory>

#include "graphs/geometria_elv.h"
#include "graphs/grafico_avance.h"
#include "graphs/grafico_elv.h"
#include "graphs/panel_avance.h"
#include "model/condiciones.h"
#include "simulacion/simulacion.h"
#include "support/imagen.h"
#include "support/tabla_elv.h"

namespace quillon::prueba {

struct Graficos {
    Simulacion sim;
    GraficoELV elv{sim};
    PanelAvance panel;
    GraficoAvance avance{sim, panel};
    QString mensaje = QStringLiteral("none yet");  // the last message of a graph

    Graficos()
    {
        QLocale::setDefault(QLocale::c());
        const auto guardar = [this](const QString& t) { mensaje = t; };
        QObject::connect(&elv, &GraficoELV::mensaje, &elv, guardar);
        QObject::connect(&avance, &GraficoAvance::mensaje, &avance, guardar);
        // A plot of 400 pixels: hundredths of the diagram fall on whole pixels.
        elv.resize(450, 450);
        avance.resize(650, 600);
    }
    // The turn of the event loop in which the graphs follow what the
    // simulation announced.
    static void seguir() { QCoreApplication::processEvents(); }
    bool mostrar()
    {
        for (QWidget* w : std::initializer_list<QWidget*>{&elv, &panel, &avance})
            if (w->show(); !QTest::qWaitForWindowExposed(w)) return false;
        elv.Dibujar_VLE();
        avance.Dibujar_XAV();
        // A move to where the pointer already is gives no event: start aside.
        QTest::mouseMove(&elv, QPoint());
        return true;
    }
    // The pixel of the diagram's point (x, y).
    QPoint punto(double x, double y) const
    {
        const GeometriaELV g = geometriaPantalla(elv.width(), elv.height());
        return QPointF(g.xDe(x), g.yDe(y)).toPoint();
    }
    QLabel* lectura() const { return elv.findChild<QLabel*>(QStringLiteral("lecturaELV")); }
    // Table mode, with the equilibrium points of alpha 3.
    void tablaDeAlfa3() { sim.aceptarTabla({{0, 0.5, 1}, {0, 0.75, 1}, 2}); }
    // Names typed, and the temperatures' model at 1 atm: UNIFAC with the
    // table it predicts in force (the diagram shows the model's own curves),
    // or the ideal model in alpha mode.
    void binario(const QString& a, const QString& b, bool unifac)
    {
        sim.escribirComoTecleado(Entrada::CompA, a);
        sim.escribirComoTecleado(Entrada::CompB, b);
        sim.fijarCondiciones({"1", kAtmosferas, unifac ? termo::Modelo::Unifac : termo::Modelo::Ideal});
        if (!unifac) return sim.elegirVolatilidad();
        const auto t = std::get<termo::TablaPredicha>(termo::predecirTabla(*sim.sistemaTermico(), 98));
        sim.aceptarTabla(tablaELV(t.x, t.y));
    }
    // The T-x-y diagram, chosen as a person chooses it.
    bool elegirTxy()
    {
        auto* b = elv.findChild<QAbstractButton*>("opcionDiagramaTXY");
        if (!b->isEnabled()) return false;
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(4, b->height() / 2));
        return elv.muestraTxy();
    }
};

}  // namespace quillon::prueba
