#pragma once
// PicPanelXAV: the side panel of the progress graph view. The stage options
// OptETAXAV(1..6), the tick lists LstEjeY (17 quantities) and LstEJEX (6)
// where at most one item stays ticked, the timer TimerAPAGADOR that enforces
// it, and the graph's "Copy" button.

#include <QWidget>
#include <array>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QRadioButton;
class QTimer;

namespace quillon {

struct EstadoVentana;
class BotonImagen;

class PanelAvance : public QWidget {
    Q_OBJECT
public:
    explicit PanelAvance(EstadoVentana& estado, QWidget* padre = nullptr);

    int etapa() const;  // the chosen OptETAXAV, 1..6
    int itemY() const;  // first ticked item of LstEjeY, -1 for none
    int itemX() const;  // first ticked item of LstEJEX, -1 for none

    // OptETAXAV(j) visible for j <= n; selects stage 1 without a click.
    void mostrarEtapas(int n);
    // TimerAPAGADOR on or off.
    void activarApagador(bool activo);

    std::array<QRadioButton*, 7> OptETAXAV{};  // 1..6
    QListWidget* LstEjeY = nullptr;
    QListWidget* LstEJEX = nullptr;
    QTimer* TimerAPAGADOR = nullptr;
    BotonImagen* LabelB6 = nullptr;  // "Copy"
    QLabel *LblEtapa = nullptr, *LblEjeY = nullptr, *LblEjeX = nullptr;

signals:
    void etapaElegida(int k);  // OptETAXAV_Click
    void copiar();

protected:
    void paintEvent(QPaintEvent*) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    QListWidget* crearLista(int y, int alto, const QStringList& nombres);
    void crearOpcionesEtapa();
    // The single-tick rule of a click on a list.
    void LstEje_Click(QListWidget* lista);
    void TimerAPAGADOR_Timer();

    EstadoVentana& estado_;
    QListWidgetItem* itemAlPulsar_ = nullptr;
    Qt::CheckState estadoAlPulsar_ = Qt::Unchecked;
};

// The rule on its own, for any tick list whose items carry 1 (ticked one) or
// 0 in Qt::UserRole: the first ticked item with data 0 becomes the only one.
void aplicarMarcaUnica(QListWidget* lista);
// Keeps the first ticked item only.
void dejarPrimeraMarca(QListWidget* lista);
// Index of the first ticked item, -1 for none.
int primeraMarcada(const QListWidget* lista);

}  // namespace quillon
