#pragma once
// The strip over the equilibrium diagram: the choice between the x-y and the
// T-x-y diagram and, for T-x-y or a column's staircase, the stage shown and a
// slider for its cut.

#include <QWidget>

class QButtonGroup;
class QComboBox;
class QLabel;
class QRadioButton;
class QSlider;

namespace quillon {

class ControlesDiagrama : public QWidget {
    Q_OBJECT
public:
    explicit ControlesDiagrama(QWidget* padre = nullptr);

    bool txy() const;
    int etapa() const;  // 1..number of stages

    // The T-x-y diagram needs a binary to compute temperatures with; without
    // one the x-y diagram is shown and the choice is disabled, `motivo`
    // saying why.
    void permitirTxy(bool si, const QString& motivo = {});
    void fijarNumEtapas(int n);
    // The x-y diagram shows a stage too, its staircase, with a column.
    void mostrarEtapaConColumna(bool si);
    // The slider and its caption follow a cut (the percent box's text and
    // what it reads as; not a number leaves the slider where it is).
    void mostrarCorte(const QString& texto, double porcentaje);

signals:
    void modoCambiado();
    void etapaCambiada();
    // The slider wrote a cut: "35 %"; `final` false while the thumb is dragged.
    void corteMovido(const QString& texto, bool final);

private:
    void colocar();

    QRadioButton* opcionXY_ = nullptr;
    QRadioButton* opcionTXY_ = nullptr;
    QButtonGroup* grupo_ = nullptr;
    QLabel* tituloEtapa_ = nullptr;
    QComboBox* etapa_ = nullptr;
    QSlider* deslizador_ = nullptr;
    QLabel* corte_ = nullptr;
    bool conColumna_ = false;
};

}  // namespace quillon
