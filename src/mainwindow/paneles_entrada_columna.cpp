// The column of plates in the input column: the plates above the still, the
// policy and its boxes, written into the simulation as typed.

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "mainwindow/panel.h"
#include "mainwindow/paneles_entrada.h"
#include "platform/texto_qt.h"

namespace quillon {
namespace {

constexpr Texto kTitulo{"Column of plates (batch rectification)", "Columna de platos (rectificación)"};
constexpr Texto kPlatos{"Plates above the still (0 = none)", "Platos (0 = sin columna)"};
constexpr Texto kRazon{"Constant reflux ratio", "Razón de reflujo constante"};
constexpr Texto kPureza{"Constant distillate purity", "Pureza constante del destilado"};
constexpr Texto kCaptionR{"R", "R"};
constexpr Texto kXD{"xD", "xD"};
constexpr Texto kReflujoMax{"Rmax", "Rmáx"};
// What a screen reader and the tool tips say of each box.
constexpr Texto kNombreReflujo{"Reflux ratio R", "Razón de reflujo R"};
constexpr Texto kNombrePureza{"Distillate purity xD (mole fraction of A)",
                              "Pureza del destilado xD (fracción molar de A)"};
constexpr Texto kNombreReflujoMax{"Largest reflux ratio", "Razón de reflujo máxima"};
constexpr Texto kAyudaPlatos{"Ideal plates above the still, 0 to 30; 0: simple distillation",
                             "Platos ideales sobre el alambique, de 0 a 30; 0: destilación simple"};

constexpr int kBordeCajas = 220;  // the boxes' left edge: each caption ends before it

}  // namespace

QLineEdit* PanelesEntrada::caja(CajaColumna c) const
{
    switch (c) {
    case CajaColumna::Platos: return TxtPlatos;
    case CajaColumna::Reflujo: return TxtReflujo;
    case CajaColumna::Pureza: return TxtPureza;
    case CajaColumna::ReflujoMaximo: break;
    }
    return TxtReflujoMax;
}

void PanelesEntrada::conectarColumna()
{
    for (CajaColumna c : {CajaColumna::Platos, CajaColumna::Reflujo, CajaColumna::Pureza, CajaColumna::ReflujoMaximo}) {
        QLineEdit* l = caja(c);
        connect(l, &QLineEdit::textEdited, this, [this, c](const QString& t) { sim_.editarColumna(c, t); });
        l->installEventFilter(this);
    }
    const auto elegir = [this](PoliticaReflujo p) {
        sim_.elegirPolitica(p);
        mostrarColumna();
    };
    connect(OptRazon, &QRadioButton::clicked, this, [elegir] { elegir(PoliticaReflujo::RazonConstante); });
    connect(OptPureza, &QRadioButton::clicked, this, [elegir] { elegir(PoliticaReflujo::PurezaConstante); });
}

void PanelesEntrada::mostrarColumna()
{
    for (CajaColumna c : {CajaColumna::Platos, CajaColumna::Reflujo, CajaColumna::Pureza, CajaColumna::ReflujoMaximo})
        caja(c)->setText(sim_.textoColumna(c));
    const bool razon = sim_.politica() == PoliticaReflujo::RazonConstante;
    (razon ? OptRazon : OptPureza)->setChecked(true);
    // The boxes of the other policy stay in view, greyed: the document
    // keeps them, and choosing it back finds them as they were.
    for (QWidget* w : std::initializer_list<QWidget*>{etiquetaReflujo_, TxtReflujo}) w->setEnabled(razon);
    for (QWidget* w : std::initializer_list<QWidget*>{etiquetaPureza_, TxtPureza, etiquetaReflujoMax_, TxtReflujoMax})
        w->setEnabled(!razon);
}

void PanelesEntrada::ponerTextosColumna()
{
    tituloColumna_->setText(qtr(kTitulo));
    etiquetaPlatos_->setText(qtr(kPlatos));
    OptRazon->setText(qtr(kRazon));
    OptPureza->setText(qtr(kPureza));
    etiquetaReflujo_->setText(qtr(kCaptionR));
    etiquetaPureza_->setText(qtr(kXD));
    etiquetaReflujoMax_->setText(qtr(kReflujoMax));
    for (QLabel* l : {tituloColumna_, etiquetaPlatos_, etiquetaReflujo_, etiquetaPureza_, etiquetaReflujoMax_})
        l->adjustSize();
    for (QRadioButton* o : {OptRazon, OptPureza}) o->adjustSize();
    // The short captions stand right-aligned against their boxes.
    for (QLabel* l : {etiquetaReflujo_, etiquetaPureza_, etiquetaReflujoMax_})
        l->move(kBordeCajas - 6 - l->width(), l->y());
    const QString titulo = tituloColumna_->text() + QStringLiteral(", ");
    const std::pair<QWidget*, const Texto*> nombres[] = {
        {TxtPlatos, &kPlatos}, {TxtReflujo, &kNombreReflujo}, {TxtPureza, &kNombrePureza},
        {TxtReflujoMax, &kNombreReflujoMax}, {OptRazon, &kRazon}, {OptPureza, &kPureza},
    };
    for (const auto& [w, t] : nombres) w->setAccessibleName(titulo + qtr(*t));
    TxtPlatos->setToolTip(qtr(kAyudaPlatos));
    TxtReflujo->setToolTip(qtr(kNombreReflujo));
    TxtPureza->setToolTip(qtr(kNombrePureza));
    TxtReflujoMax->setToolTip(qtr(kNombreReflujoMax));
}

}  // namespace quillon
