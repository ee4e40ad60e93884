#pragma once
// The stage row of the Main view: one still per stage and, after
// the last, the receiver, each with the text of its contents; under every
// still a slider and a percent box set how far that stage has progressed.
// The row scrolls one stage at a time with its two arrow buttons.
//
// The row draws what the simulation gives for each stage and writes the cuts
// into it. Stages are always drawn from left to right, since each cut sets
// the next charge.

#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>

#include "mainwindow/geometria_etapa.h"
#include "simulacion/simulacion.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QScrollBar;

namespace quillon {

class BotonImagen;
class DibujoEtapa;
struct Contenido;

class FilaEtapas : public QWidget {
    Q_OBJECT
public:
    explicit FilaEtapas(Simulacion& sim, QWidget* padre = nullptr);

    // Arranges the visible part of the row for its width, the number of
    // stages and the first picture shown, then redraws stage 1 onward.
    void Actualizar();
    // Draws still k, its text and, when k is the last stage, the receiver.
    // False when stage k cannot be drawn: its message is out, and the
    // stages after it have no charge to draw.
    bool DibujarNivelErlem(int k);
    // Scroll the row one stage right (stops once the last stage shows) or left.
    void Siguiente();
    void Anterior();

    int primeraEtapa() const { return primeraEtapa_; }
    void fijarPrimeraEtapa(int f);
    // Liquid colour scheme 0..4; the row is drawn again when `redibujar`.
    void fijarEsquemaColor(int i, bool redibujar = true);
    int esquemaColor() const { return esquema_; }
    const EsquemaColor& colorLiquido() const { return colorLiquido_; }

    // Empties the text and clears the picture of every picture of the row
    // (a message stands: no stale result stays beside an error). The next
    // redraw then starts again from stage 1.
    void blanquear();

    bool eventFilter(QObject* objeto, QEvent* evento) override;

signals:
    // The drawing's message for the message line ("" clears it).
    void mensaje(const QString& texto);

private slots:
    // What the simulation announced: the row is arranged and drawn again, or
    // drawn from the first stage whose cut changed.
    void seguir(const Cambios& c);

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    void crearControles();
    void crearEtapa(int k);
    void conectarEtapa(int k);
    void aplicarDisposicion(const DisposicionFila& d);
    // The progress controls of stage k: the slider moved (`final` false
    // while its thumb is dragged), the percent box typed into.
    void deslizadorMovido(int k, bool final);
    void avanceTecleado(int k);
    // Draws stage k, then the later stages, whose tables its cut made stale.
    void redibujarDesde(int k);
    // The percent boxes and sliders as the document holds them.
    void mostrarCortes();
    void mostrarCorte(int k);
    void moverDeslizador(int k, int valor);  // without editing the cut
    // The text of picture j, its lines joined.
    void escribirTexto(int j, const QStringList& lineas);
    QString textoDeLiquido(const Contenido& c, const QString& unidad) const;
    // The column's line of still k at cut P, or none without a column.
    QString lineaCabeza(int k, double P) const;
    int etapaDe(QObject* control) const;

    Simulacion& sim_;
    int primeraEtapa_ = 0;
    bool enBlanco_ = false;  // blanked since the last drawing from stage 1
    int esquema_ = 0;
    EsquemaColor colorLiquido_;

    std::array<DibujoEtapa*, kNumDibujos> dibujos_{};
    std::array<QPlainTextEdit*, kNumDibujos> textos_{};             // the contents beside each picture
    std::array<QFrame*, kNumDibujos> marcos_{};                     // the frame around each text
    std::array<DibujoEtapa*, kNumDibujos> piezas_{};               // the tube before still k
    std::array<QScrollBar*, kNumDibujos> deslizadores_{};          // the progress of stage k
    std::array<QLineEdit*, kNumDibujos> cajas_{};                   // the same, as a percentage
    std::array<QLabel*, kNumDibujos> etiquetasAvance_{};
    std::array<QLabel*, kNumDibujos> etiquetasEtapa_{};
    std::array<int, kNumDibujos> valorAlPulsar_{};  // slider value when its thumb was grabbed
    BotonImagen* anterior_ = nullptr;
    BotonImagen* siguiente_ = nullptr;
};

}  // namespace quillon
