#pragma once
// Predict VLE table: two compounds the name list knows, a pressure and a
// model give the predicted x-y table, shown with its azeotrope and the
// constant alpha that fits it best. Ok hands the table over as the table
// editor's Ok would; "Use this alpha" hands over that alpha instead.

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

private:
    void crearControles();
    void ponerTextos();
    // Predicts again from what the controls hold.
    void predecir();
    void aceptar(Resultado r);
    QString numero(double v) const;

    char sep_;
    Resultado resultado_ = Resultado::Cancelada;
    TablaELV tabla_;
    double alfa_ = 0;
    bool valida_ = false;

    QLineEdit *cajaCompuestoA_ = nullptr, *cajaCompuestoB_ = nullptr, *cajaPresion_ = nullptr;
    QComboBox* listaUnidades_ = nullptr;
    QRadioButton *opcionIdeal_ = nullptr, *opcionUnifac_ = nullptr;
    QSpinBox* cajaPuntos_ = nullptr;
    QLabel *etiquetaA_ = nullptr, *etiquetaB_ = nullptr, *etiquetaPresion_ = nullptr, *etiquetaModelo_ = nullptr;
    QLabel *etiquetaPuntos_ = nullptr, *informe_ = nullptr;  // the azeotrope, the alpha, a warning or an error
    BotonImagen *botonAlfa_ = nullptr, *botonOk_ = nullptr, *botonCancelar_ = nullptr;
};

}  // namespace quillon
