#pragma once
// The table editor opened over its own copy of the main window's state, with
// scripted dialogs, and driven through its widgets as a user drives it.

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <memory>

#include "documents/form_xyinput.h"
#include "support/dialogos_guion.h"

namespace quillon::prueba {

// Table files are written with the system's decimal separator: pin it
// before the application reads the locale.
inline const bool localeFijado = qputenv("LC_ALL", "C.UTF-8");

struct Editor {
    DialogosGuion dialogos;
    TablaELV tabla = [] {
        TablaELV t{{}, {}, -1};
        t.x.fill(-1);
        t.y.fill(-1);
        return t;
    }();
    DatosCompuestos datos{"benzene", "toluene", "78.11", "92.14"};
    QString pathTabla;
    EstadoNumerico estado;
    std::unique_ptr<FormXYinput> v;

    void abrir()
    {
        v = std::make_unique<FormXYinput>(tabla, datos, pathTabla, estado);
        v->show();
        v->activateWindow();
        if (!QTest::qWaitForWindowActive(v.get())) qWarning("the editor did not become active");
    }
    template <typename T = QWidget>
    T* hijo(const QString& nombre) const { return v->findChild<T*>(nombre); }
    QLineEdit* x(int k) const { return hijo<QLineEdit>(QStringLiteral("TxtX%1").arg(k)); }
    QLineEdit* y(int k) const { return hijo<QLineEdit>(QStringLiteral("TxtY%1").arg(k)); }
    QScrollBar* barra() const { return hijo<QScrollBar>(QStringLiteral("barraFilas")); }
    QString numero(int k) const { return hijo<QLabel>(QStringLiteral("numeroFila%1").arg(k))->text(); }

    // A click (which selects the text), Delete, then the keys.
    void escribir(QLineEdit* caja, const QString& texto) const
    {
        QTest::mouseClick(caja, Qt::LeftButton, {}, caja->rect().center());
        QTest::keyClick(caja, Qt::Key_Delete);
        QTest::keyClicks(caja, texto);
    }
    // Rows "x;y", separated by blanks, typed from the top.
    void escribirFilas(const QString& filas) const
    {
        const QStringList l = filas.split(' ', Qt::SkipEmptyParts);
        for (int k = 0; k < l.size(); ++k) {
            escribir(x(k), l[k].section(';', 0, 0));
            escribir(y(k), l[k].section(';', 1, 1));
        }
    }
    void pulsar(const QString& boton) const
    {
        QWidget* b = hijo(boton);
        QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
    }

    // What the user has seen and got: the messages, then "open" with the
    // rows "x;y" the boxes show, or how the editor closed, with the rows of
    // the table it hands back and the names and molar masses when changed.
    QString resumen() const
    {
        const char* fines[] = {"accepted", "cancelled", "cancelled after Ok", "no table"};  // by Resultado
        const bool abierto = v->isVisible();
        QString s = abierto ? "open" : fines[static_cast<int>(v->resultado())];
        for (int k = 0; abierto && k < FormXYinput::kFilasVisibles && !x(k)->text().isEmpty(); ++k)
            s += ' ' + x(k)->text() + ';' + y(k)->text();
        if (!abierto && v->resultado() == FormXYinput::Resultado::Aceptada) {
            for (std::size_t i = 0; i <= static_cast<std::size_t>(v->tabla().ultPunto); ++i)
                s += ' ' + QString::number(v->tabla().x[i]) + ';' + QString::number(v->tabla().y[i]);
            const DatosCompuestos& d = v->datos();
            if (!(d == datos)) s += " with " + QStringList{d.nombreA, d.nombreB, d.masaA, d.masaB}.join(' ');
        }
        return (dialogos.mensajes + QStringList{s}).join(" / ");
    }
};

}  // namespace quillon::prueba
