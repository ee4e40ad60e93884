#pragma once
// Predict VLE table: two compounds the name list knows, a pressure and a
// model give the predicted x-y table, shown with its azeotropes, the constant
// alpha that fits it best and whatever makes its temperatures doubtful. Ok
// hands the table over as the table editor's Ok would; "Use this alpha"
// hands over that alpha instead.

#include <QDialog>

#include "model/condiciones.h"
#include "model/equilibrio.h"
#include "model/termo_tabla.h"

class QLabel;
class QLineEdit;
class QComboBox;
class QRadioButton;
class QSpinBox;

namespace quillon {

class BotonImagen;

class FormPrediccion : public QDialog {
    Q_OBJECT
public:
    // The names and conditions the dialog starts with; `sep` writes its numbers.
    FormPrediccion(const QString& nombreA, const QString& nombreB, const CondicionesTermo& condiciones, char sep,
                   QWidget* padre = nullptr);

    enum class Resultado { Cancelada, Tabla, Alfa };
    Resultado resultado() const { return resultado_; }
    // After Tabla: the completed table; after either: the names and the
    // conditions chosen, and the fitted alpha.
    const TablaELV& tabla() const { return tabla_; }
    double alfa() const { return alfa_; }
    QString nombreA() const;
    QString nombreB() const;
    CondicionesTermo condiciones() const;

    // Interior points a table may be asked for: fewer give a table that no
    // longer resembles the curve; with (0, 0) and (1, 1) it holds 100 rows.
    static constexpr int kPuntosMinimos = 10, kPuntosMaximos = kFilasTablaELV - 2;

private:
    void crearControles();
    void ponerTextos();
    // Predicts again from what the controls hold (form_prediccion_informe.cpp).
    void predecir();
    // What the dialog says of a table it could make.
    QString informeDeTabla(const termo::Sistema& s, const termo::TablaPredicha& t);
    void cambiarUnidad(int unidad);
    void intercambiar();
    void aceptar(Resultado r);
    QString numero(double v) const;

    char sep_;
    int unidad_ = kAtmosferas;  // the pressure's unit as last shown
    Resultado resultado_ = Resultado::Cancelada;
    TablaELV tabla_;
    double alfa_ = 0;
    bool valida_ = false;
    bool alfaUtil_ = false;  // the fitted alpha is one the alpha box takes
    bool bMasVolatil_ = false;

    QLineEdit *cajaCompuestoA_ = nullptr, *cajaCompuestoB_ = nullptr, *cajaPresion_ = nullptr;
    QComboBox* listaUnidades_ = nullptr;
    QRadioButton *opcionIdeal_ = nullptr, *opcionUnifac_ = nullptr;
    QSpinBox* cajaPuntos_ = nullptr;
    QLabel *etiquetaA_ = nullptr, *etiquetaB_ = nullptr, *etiquetaPresion_ = nullptr, *etiquetaModelo_ = nullptr;
    QLabel *etiquetaPuntos_ = nullptr, *informe_ = nullptr;  // the azeotropes, the alpha, warnings or an error
    BotonImagen *botonIntercambiar_ = nullptr, *botonAlfa_ = nullptr, *botonOk_ = nullptr, *botonCancelar_ = nullptr;
};

}  // namespace quillon
