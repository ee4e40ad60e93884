#pragma once
// The window state the graph widgets read, with the input boxes as plain
// strings, and a Dialogos that answers without a person.

#include <QDir>
#include <QImage>
#include <QString>
#include <QStringList>

#include "mainwindow/estado_ventana.h"
#include "platform/plataforma.h"

namespace quillon::prueba {

struct EntornoGraficos {
    EstadoVentana estado;
    QString alfa = QStringLiteral("2.5"), x0 = QStringLiteral("0.4"), mma = QStringLiteral("78.11"),
            mmb = QStringLiteral("92.14"), masa = QStringLiteral("100"), nombreA = QStringLiteral("benzene");
    int unidad = 0;
    QString mensaje;
    std::array<double, kMaxEtapas> cortes{50, 50, 50, 50, 50, 50};

    EntornoGraficos()
    {
        estado.leerEntradas = [this] {
            auto leer = [this](const QString& t) { return LeerNumero(t.toStdString(), estado.numero); };
            Entradas e;
            e.alfa = leer(alfa);
            e.x0 = leer(x0);
            e.mma = leer(mma);
            e.mmb = leer(mmb);
            e.m0 = leer(masa);
            e.modoTabla = estado.modoTablaElv;
            e.unidad = unidad;
            return e;
        };
        estado.nombreA = [this] { return nombreA.toStdString(); };
        estado.cortes = [this] { return cortes; };
        estado.mensaje = [this](const QString& t) { mensaje = t; };
    }
};

class DialogosPrueba final : public plataforma::Dialogos {
public:
    QStringList mensajes;
    QString rutaGuardar;  // the answer of the save dialog ("" cancels)
    int guardados = 0;

    DialogosPrueba() { plataforma::fijarDialogos(this); }
    ~DialogosPrueba() override { plataforma::fijarDialogos(nullptr); }

    plataforma::Respuesta mensaje(QWidget*, const QString& texto, plataforma::Icono, plataforma::Botones,
                                  const QString&) override
    {
        mensajes << texto;
        return plataforma::Respuesta::Aceptar;
    }
    QString abrirArchivo(QWidget*, const plataforma::PeticionArchivo&) override { return {}; }
    QString guardarArchivo(QWidget*, const plataforma::PeticionArchivo&) override
    {
        ++guardados;
        return rutaGuardar;
    }
    bool abrirConShell(const QString&) override { return false; }
};

// Counts pixels within `tolerancia` of `color` in every channel.
inline int pixelesDeColor(const QImage& imagen, const QColor& color, int tolerancia = 40)
{
    const QImage im = imagen.convertToFormat(QImage::Format_RGB32);
    int n = 0;
    for (int y = 0; y < im.height(); ++y) {
        const QRgb* fila = reinterpret_cast<const QRgb*>(im.constScanLine(y));
        for (int x = 0; x < im.width(); ++x)
            if (qAbs(qRed(fila[x]) - color.red()) <= tolerancia && qAbs(qGreen(fila[x]) - color.green()) <= tolerancia &&
                qAbs(qBlue(fila[x]) - color.blue()) <= tolerancia)
                ++n;
    }
    return n;
}

// Saves a picture for a person to look at when QUILLON_SHOTS names a folder.
inline void guardarCaptura(const QImage& imagen, const QString& nombre)
{
    const QString carpeta = qEnvironmentVariable("QUILLON_SHOTS");
    if (carpeta.isEmpty()) return;
    QDir().mkpath(carpeta);
    imagen.save(carpeta + QLatin1Char('/') + nombre + QStringLiteral(".png"));
}

}  // namespace quillon::prueba
