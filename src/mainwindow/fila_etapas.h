#pragma once
// The stage row of the Main view (PicMain): one still per stage and, after
// the last, the receiver, each with the text of its contents; under every
// still a slider and a percent box set how far that stage has progressed.
// The row scrolls one stage at a time with its two arrow buttons.
//
// The row draws from the window's state (inputs, stage chain, guard, changed
// flag), which the main window owns and shares by reference. Stages are
// always drawn from left to right, since each cut sets the next charge.

#include <QString>
#include <QWidget>
#include <array>

#include "mainwindow/estado_ventana.h"
#include "mainwindow/geometria_etapa.h"

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
    explicit FilaEtapas(EstadoVentana& estado, QWidget* padre = nullptr);

    // Arranges the visible part of the row for its width, the number of
    // stages and the first picture shown, then redraws stage 1 onward.
    void Actualizar();
    // Draws still k, its text and, when k is the last stage, the receiver.
    void DibujarNivelErlem(int k);
    // Scroll the row one stage right (stops once the last stage shows) or left.
    void Siguiente();
    void Previous();

    int primeraEtapa() const { return primeraEtapa_; }  // PrimeraEtapa
    void fijarPrimeraEtapa(int f);
    // Liquid colour scheme 0..4; redraws unless the program is writing.
    void fijarEsquemaColor(int i);
    int esquemaColor() const { return esquema_; }
    const EsquemaColor& colorLiquido() const { return colorLiquido_; }  // ColorLiquido

    // Empties the text and clears the picture of every picture 0..NumEtapas
    // (the message bar stands: no stale result stays beside an error).
    void blanquear();

    // The progress text of stage k as it stands, and writing it as typing
    // would (its change handler runs).
    QString textoAvance(int k) const;
    void escribirAvance(int k, const QString& texto);
    // The cut drawn for every stage: its typed percentage when that is a
    // number from 0 to 100, otherwise its slider's whole percent.
    std::array<double, kMaxEtapas> cortes() const;

    // The progress controls' handlers (stage k = 1..6).
    void HScroll1_Change(int k);
    void HScroll1_Scroll(int k);
    void TxtAVAN_Change(int k);
    void TxtAVAN_GotFocus(int k);

    // The controls: picture index j = 0..6, stage index k = 1..6 (else null).
    DibujoEtapa* dibujo(int j) const;              // PicDes
    QPlainTextEdit* textoDibujo(int j) const;      // TxtDES
    QFrame* marco(int j) const;                    // ShaBoc
    DibujoEtapa* pieza(int k) const;               // PicMid
    QScrollBar* deslizador(int k) const;           // HScroll1
    QLineEdit* cajaAvance(int k) const;            // TxtAVAN
    QLabel* etiquetaAvance(int k) const;           // LblAVAN
    QLabel* etiquetaEtapa(int k) const;            // LblETAP
    BotonImagen* botonAnterior() const { return anterior_; }    // label button 3
    BotonImagen* botonSiguiente() const { return siguiente_; }  // label button 4

    bool eventFilter(QObject* objeto, QEvent* evento) override;

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    void crearControles();
    void crearEtapa(int k);
    void conectarEtapa(int k);
    void aplicarDisposicion(const DisposicionFila& d);
    // Draws stage k, then invalidates and draws the later stages.
    // Stage k's percent text moves its slider and redraws it and every later
    // stage; false when the text is no percentage (nothing is done).
    bool aplicarTextoAvance(int k);
    void redibujarDesde(int k);
    void redibujarSiguientes(int k);
    void escribirContenido(int j, const Contenido& c, const QString& unidad);
    void mostrarMensaje(const QString& texto);
    int etapaDe(QObject* control) const;

    EstadoVentana& estado_;
    int primeraEtapa_ = 0;
    int esquema_ = 0;
    EsquemaColor colorLiquido_;

    std::array<DibujoEtapa*, kNumDibujos> dibujos_{};
    std::array<QPlainTextEdit*, kNumDibujos> textos_{};
    std::array<QFrame*, kNumDibujos> marcos_{};
    std::array<DibujoEtapa*, kNumDibujos> piezas_{};
    std::array<QScrollBar*, kNumDibujos> deslizadores_{};
    std::array<QLineEdit*, kNumDibujos> cajas_{};
    std::array<QLabel*, kNumDibujos> etiquetasAvance_{};
    std::array<QLabel*, kNumDibujos> etiquetasEtapa_{};
    std::array<int, kNumDibujos> valorAlPulsar_{};  // slider value when its thumb was grabbed
    BotonImagen* anterior_ = nullptr;
    BotonImagen* siguiente_ = nullptr;
};

}  // namespace quillon
