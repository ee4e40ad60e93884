#pragma once
// The side panel of the progress graph view: the stage options, the tick
// lists of the vertical (17 quantities, and after them the two boiling
// temperatures when both components are known compounds) and horizontal (6)
// axes where at most one item stays ticked, the timer that enforces it, and
// the graph's "Copy" button.

#include <QWidget>
#include <array>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QRadioButton;
class QTimer;

namespace quillon {

class BotonImagen;

class PanelAvance : public QWidget {
    Q_OBJECT
public:
    explicit PanelAvance(QWidget* padre = nullptr);

    int etapa() const;  // the chosen stage, 1..6
    int itemY() const;  // first ticked item of the vertical axis list, -1 for none
    int itemX() const;  // first ticked item of the horizontal axis list, -1 for none

    // Stage options 1..n shown; selects stage 1 without a click.
    void mostrarEtapas(int n);
    // The timer that keeps one tick per list, on or off.
    void activarApagador(bool activo);
    // The two temperature items after the 17 of the vertical list, or not;
    // a ticked one that goes leaves the first item ticked.
    void mostrarTemperaturas(bool si);
    // The column's two quantities after the temperatures, or not.
    void mostrarColumna(bool si);
    // The time from the first drop offered last on the horizontal axis, or not.
    void mostrarTiempo(bool si);

signals:
    void etapaElegida(int k);
    // A tick changed: the graph follows at once (a drawing costs well under
    // a millisecond).
    void eleccionCambiada();
    void copiar();

protected:
    void paintEvent(QPaintEvent*) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    QListWidget* crearLista(int y, int alto, const QStringList& nombres);
    void crearOpcionesEtapa();
    // The single-tick rule of a click on a list.
    void marcarUnico(QListWidget* lista);
    void dejarUnaMarcaPorLista();
    // Two quantities from `primera` on, offered at row `donde` or taken away.
    void mostrarGrupo(bool si, int donde, int primera, const std::array<QString, 2>& nombres);
    bool tieneGrupo(int magnitud) const;

    std::array<QRadioButton*, 7> OptETAXAV{};  // 1..6
    QListWidget* LstEjeY = nullptr;
    QListWidget* LstEjeX = nullptr;
    QTimer* apagador_ = nullptr;  // keeps one tick per list
    BotonImagen* botonCopiar_ = nullptr;
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
