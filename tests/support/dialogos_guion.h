#pragma once
// A scripted stand-in for the modal dialogs: tests queue the answers and read
// what was asked, so no person is needed.

#include <QList>
#include <QString>
#include <QStringList>

#include "platform/plataforma.h"

namespace quillon::prueba {

class DialogosGuion : public plataforma::Dialogos {
public:
    DialogosGuion() { plataforma::fijarDialogos(this); }
    ~DialogosGuion() override { plataforma::fijarDialogos(nullptr); }

    // Answers, taken in order; when a queue is empty the dialog is cancelled
    // (message boxes answer Cancel or OK).
    QList<plataforma::Respuesta> respuestas;
    QStringList rutasAbrir, rutasGuardar;

    // What was shown.
    QStringList mensajes, titulos;
    QList<plataforma::Icono> iconos;
    QList<plataforma::PeticionArchivo> peticiones;

    plataforma::Respuesta mensaje(QWidget*, const QString& texto, plataforma::Icono icono,
                                  plataforma::Botones botones, const QString& titulo) override
    {
        mensajes << texto;
        titulos << titulo;
        iconos << icono;
        if (!respuestas.isEmpty()) return respuestas.takeFirst();
        return botones == plataforma::Botones::SiNoCancelar ? plataforma::Respuesta::Cancelar
                                                            : plataforma::Respuesta::Aceptar;
    }
    QString abrirArchivo(QWidget*, const plataforma::PeticionArchivo& p) override
    {
        peticiones << p;
        return rutasAbrir.isEmpty() ? QString() : rutasAbrir.takeFirst();
    }
    QString guardarArchivo(QWidget*, const plataforma::PeticionArchivo& p) override
    {
        peticiones << p;
        return rutasGuardar.isEmpty() ? QString() : rutasGuardar.takeFirst();
    }
    // Nothing can open a file here: the caller hears of the failure.
    void abrirConShell(const QString&, QObject*, std::function<void()> fallo) override { fallo(); }
};

}  // namespace quillon::prueba
