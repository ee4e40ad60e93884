#pragma once
// Shared by the table editor's tests: dialogs answered by the test, an
// editor with its own shared state, and ways to reach its widgets.

#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QScrollBar>
#include <QTest>
#include <clocale>
#include <memory>

#include "documents/form_xyinput.h"
#include "platform/boton_imagen.h"
#include "platform/plataforma.h"

namespace quillon::prueba {

// Records every message and file dialog; the file dialogs answer with the
// queued paths (none queued: the user cancels).
class DialogosPrueba final : public plataforma::Dialogos {
public:
    struct Mensaje {
        QString texto;
        plataforma::Icono icono;
        QString titulo;
    };
    QList<Mensaje> mensajes;
    QList<plataforma::PeticionArchivo> pedidosAbrir, pedidosGuardar;
    QStringList respuestasAbrir, respuestasGuardar;

    plataforma::Respuesta mensaje(QWidget*, const QString& texto, plataforma::Icono icono, plataforma::Botones,
                                  const QString& titulo) override
    {
        mensajes.append({texto, icono, titulo});
        return plataforma::Respuesta::Aceptar;
    }
    QString abrirArchivo(QWidget*, const plataforma::PeticionArchivo& p) override
    {
        pedidosAbrir.append(p);
        return respuestasAbrir.isEmpty() ? QString() : respuestasAbrir.takeFirst();
    }
    QString guardarArchivo(QWidget*, const plataforma::PeticionArchivo& p) override
    {
        pedidosGuardar.append(p);
        return respuestasGuardar.isEmpty() ? QString() : respuestasGuardar.takeFirst();
    }
    bool abrirConShell(const QString&) override { return false; }

    QString ultimoMensaje() const { return mensajes.isEmpty() ? QString() : mensajes.last().texto; }
    void olvidar()
    {
        mensajes.clear();
        pedidosAbrir.clear();
        pedidosGuardar.clear();
    }
};

// Numbers are formatted without the process locale, but pin it anyway.
inline void fijarLocale()
{
    std::setlocale(LC_ALL, "C");
    QLocale::setDefault(QLocale::c());
}

// A table with no row in use.
inline TablaELV tablaVacia()
{
    TablaELV t;
    t.x.fill(-1);
    t.y.fill(-1);
    return t;
}

// A table whose first rows are the given points.
inline TablaELV tablaCon(std::initializer_list<std::pair<double, double>> puntos)
{
    TablaELV t = tablaVacia();
    std::size_t i = 0;
    for (const auto& [x, y] : puntos) {
        t.x[i] = x;
        t.y[i] = y;
        ++i;
    }
    t.ultPunto = static_cast<int>(i) - 1;
    return t;
}

// An editor shown and active, over its own copy of the main window's state.
struct Banco {
    TablaELV tabla = tablaVacia();
    DatosCompuestos datos{"benzene", "toluene", "78.1121", "92.1387"};
    QString pathTabla;
    EstadoNumerico estado{'.', 0};
    std::unique_ptr<FormXYinput> ventana;

    FormXYinput& abrir()
    {
        ventana = std::make_unique<FormXYinput>(tabla, datos, pathTabla, estado);
        ventana->show();
        ventana->activateWindow();
        if (!QTest::qWaitForWindowActive(ventana.get())) qWarning("the editor did not become active");
        return *ventana;
    }

    QLineEdit* x(int k) const { return ventana->findChild<QLineEdit*>(QStringLiteral("TxtX%1").arg(k)); }
    QLineEdit* y(int k) const { return ventana->findChild<QLineEdit*>(QStringLiteral("TxTY%1").arg(k)); }
    QScrollBar* scroll() const { return ventana->findChild<QScrollBar*>(QStringLiteral("VScroll1")); }
    BotonImagen* boton(int i) const { return ventana->findChild<BotonImagen*>(QStringLiteral("LabelB%1").arg(i)); }

    // Clicks a box (which selects its text) and types over it.
    void escribir(QLineEdit* caja, const QString& texto) const
    {
        QTest::mouseClick(caja, Qt::LeftButton, {}, caja->rect().center());
        QTest::keyClick(caja, Qt::Key_Delete);
        QTest::keyClicks(caja, texto);
    }
    void escribirFila(int k, const QString& tx, const QString& ty) const
    {
        escribir(x(k), tx);
        escribir(y(k), ty);
    }
    void pulsar(int i) const
    {
        BotonImagen* b = boton(i);
        QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
    }
    void ok() const { pulsar(0); }
    void cancelar() const { pulsar(1); }
    void borrar() const { pulsar(2); }
    void abrirArchivo() const { pulsar(3); }
    void guardarComo() const { pulsar(4); }
};

// Installs the test's dialogs for the lifetime of the object.
struct ConDialogos {
    DialogosPrueba d;
    ConDialogos() { plataforma::fijarDialogos(&d); }
    ~ConDialogos() { plataforma::fijarDialogos(nullptr); }
    ConDialogos(const ConDialogos&) = delete;
    ConDialogos& operator=(const ConDialogos&) = delete;
};

}  // namespace quillon::prueba
