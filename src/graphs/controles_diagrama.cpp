#include "graphs/controles_diagrama.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <cmath>

#include "model/equilibrio.h"
#include "model/numero.h"
#include "platform/texto_qt.h"

namespace quillon {
namespace {

constexpr Texto kXY{"x-y diagram", "Diagrama x-y"};
constexpr Texto kTXY{"T-x-y diagram", "Diagrama T-x-y"};
constexpr Texto kEtapa{"Stage", "Etapa"};
constexpr Texto kDeslizador{"Percentage distilled in the stage", "Porcentaje destilado en la etapa"};

}  // namespace

ControlesDiagrama::ControlesDiagrama(QWidget* padre) : QWidget(padre)
{
    setObjectName(QStringLiteral("controlesDiagrama"));
    setFont(QFont(QStringLiteral("Arial"), 9));
    auto* fila = new QHBoxLayout(this);
    fila->setContentsMargins(0, 0, 0, 0);
    fila->setSpacing(6);

    opcionXY_ = new QRadioButton(qtr(kXY), this);
    opcionXY_->setObjectName(QStringLiteral("opcionDiagramaXY"));
    opcionXY_->setChecked(true);
    opcionTXY_ = new QRadioButton(qtr(kTXY), this);
    opcionTXY_->setObjectName(QStringLiteral("opcionDiagramaTXY"));
    grupo_ = new QButtonGroup(this);
    grupo_->addButton(opcionXY_);
    grupo_->addButton(opcionTXY_);
    fila->addWidget(opcionXY_);
    fila->addWidget(opcionTXY_);
    fila->addSpacing(14);

    tituloEtapa_ = new QLabel(qtr(kEtapa), this);
    etapa_ = new QComboBox(this);
    etapa_->setObjectName(QStringLiteral("etapaDiagrama"));
    tituloEtapa_->setBuddy(etapa_);
    deslizador_ = new QSlider(Qt::Horizontal, this);
    deslizador_->setObjectName(QStringLiteral("deslizadorDiagrama"));
    deslizador_->setRange(0, 100);
    deslizador_->setPageStep(10);
    deslizador_->setFixedWidth(170);
    deslizador_->setToolTip(qtr(kDeslizador));
    deslizador_->setAccessibleName(qtr(kDeslizador));
    corte_ = new QLabel(this);
    corte_->setObjectName(QStringLiteral("corteDiagrama"));
    corte_->setMinimumWidth(corte_->fontMetrics().horizontalAdvance(QStringLiteral("100.00 %")));
    for (QWidget* w : std::initializer_list<QWidget*>{tituloEtapa_, etapa_, deslizador_, corte_}) fila->addWidget(w);
    fijarNumEtapas(1);

    connect(grupo_, &QButtonGroup::buttonToggled, this, [this](QAbstractButton*, bool marcado) {
        if (!marcado) return;
        colocar();
        emit modoCambiado();
    });
    connect(etapa_, &QComboBox::currentIndexChanged, this, &ControlesDiagrama::etapaCambiada);
    // The slider writes the cut as the row's slider does: whole percents, the
    // drag itself not final.
    const auto escribir = [this](bool final) {
        const QString t = QString::number(deslizador_->value()) + QStringLiteral(" %");
        corte_->setText(t);
        emit corteMovido(t, final);
    };
    connect(deslizador_, &QSlider::valueChanged, this, [this, escribir] { escribir(!deslizador_->isSliderDown()); });
    connect(deslizador_, &QSlider::sliderReleased, this, [escribir] { escribir(true); });
    colocar();
}

bool ControlesDiagrama::txy() const { return opcionTXY_->isChecked(); }

int ControlesDiagrama::etapa() const { return etapa_->currentIndex() + 1; }

void ControlesDiagrama::permitirTxy(bool si, const QString& motivo)
{
    opcionTXY_->setEnabled(si);
    opcionTXY_->setToolTip(si ? QString() : motivo);
    if (!si && txy()) {
        // The program's own choice: the caller draws what follows.
        const QSignalBlocker bloqueo(grupo_);
        opcionXY_->setChecked(true);
        colocar();
    }
}

void ControlesDiagrama::fijarNumEtapas(int n)
{
    if (n == etapa_->count()) return;
    const QSignalBlocker bloqueo(etapa_);
    const int actual = etapa_->currentIndex();
    etapa_->clear();
    for (int k = 1; k <= n; ++k) etapa_->addItem(QString::number(k));
    etapa_->setCurrentIndex(actual < n ? std::max(actual, 0) : n - 1);
}

void ControlesDiagrama::mostrarCorte(const QString& texto, double porcentaje)
{
    corte_->setText(texto.trimmed());
    if (!esNumero(porcentaje) || deslizador_->isSliderDown()) return;
    const QSignalBlocker bloqueo(deslizador_);
    deslizador_->setValue(static_cast<int>(redondearPar(porcentaje)));
}

void ControlesDiagrama::mostrarEtapaConColumna(bool si)
{
    if (si == conColumna_) return;
    conColumna_ = si;
    colocar();
}

void ControlesDiagrama::colocar()
{
    for (QWidget* w : std::initializer_list<QWidget*>{tituloEtapa_, etapa_, deslizador_, corte_})
        w->setVisible(txy() || conColumna_);
    adjustSize();
}

}  // namespace quillon
