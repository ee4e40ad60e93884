#include "mainwindow/panel_tabla.h"

#include <QButtonGroup>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalBlocker>

#include "model/calefaccion.h"
#include "model/textos.h"
#include "model/magnitudes.h"
#include "model/temperaturas.h"
#include "platform/boton_imagen.h"
#include "platform/texto_qt.h"

namespace quillon {
namespace {

constexpr int kFilas[5] = {10, 20, 50, 100, 200};

}  // namespace

PanelTabla::PanelTabla(QWidget* padre) : Panel(padre)
{
    setObjectName(QStringLiteral("panelTabla"));
    QFont arial(QStringLiteral("Arial"), 9);
    QFont negrita = arial;
    negrita.setBold(true);
    auto titulo = [&](int y) {
        auto* l = new QLabel(this);
        l->setFont(negrita);
        l->move(8, y);
        return l;
    };
    auto opcion = [&](const QString& nombre, const QString& texto, int x, int y) {
        auto* o = new QRadioButton(texto, this);
        o->setObjectName(nombre);
        o->setFont(arial);
        o->move(x, y);
        return o;
    };
    tituloEtapa_ = titulo(8);
    auto* etapas = new QButtonGroup(this);
    for (int j = 1; j <= kMaxEtapas; ++j) {
        OptETATAB[static_cast<std::size_t>(j)] =
            opcion(QStringLiteral("OptETATAB%1").arg(j), QString::number(j), 14 + (j - 1) * 44, 28);
        etapas->addButton(OptETATAB[static_cast<std::size_t>(j)], j);
        // A click only: the program's own choice of stage 1 says nothing.
        connect(OptETATAB[static_cast<std::size_t>(j)], &QRadioButton::clicked, this, [this, j] { emit etapaElegida(j); });
    }
    OptETATAB[1]->setChecked(true);

    tituloElementos_ = titulo(58);
    LstTABLA = new QListWidget(this);
    LstTABLA->setObjectName(QStringLiteral("LstTABLA"));
    LstTABLA->setFont(arial);
    LstTABLA->setGeometry(8, 78, 274, 330);
    for (const InfoMagnitud& m : magnitudes()) {
        auto* item = new QListWidgetItem(qtexto(m.nombre), LstTABLA);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    for (int i : {0, 2, 4, 6}) LstTABLA->item(i)->setCheckState(Qt::Checked);
    connect(LstTABLA, &QListWidget::itemChanged, this, &PanelTabla::eleccionCambiada);

    tituloFilas_ = titulo(416);
    auto* filas = new QButtonGroup(this);
    for (int i = 0; i < 5; ++i) {
        OptFILTAB[static_cast<std::size_t>(i)] =
            opcion(QStringLiteral("OptFILTAB%1").arg(kFilas[i]), QString::number(kFilas[i]), 14 + i * 54, 436);
        filas->addButton(OptFILTAB[static_cast<std::size_t>(i)], kFilas[i]);
        connect(OptFILTAB[static_cast<std::size_t>(i)], &QRadioButton::clicked, this, &PanelTabla::eleccionCambiada);
    }
    OptFILTAB[1]->setChecked(true);

    botonCopiar_ = new BotonImagen(QString(), this);
    botonCopiar_->setObjectName(QStringLiteral("botonCopiarTabla"));
    botonCopiar_->move(145, 480);
    connect(botonCopiar_, &BotonImagen::clicked, this, &PanelTabla::copiar);
    botonExportar_ = new BotonImagen(QString(), this);
    botonExportar_->setObjectName(QStringLiteral("botonExportarCsv"));
    botonExportar_->move(4, 480);
    connect(botonExportar_, &BotonImagen::clicked, this, &PanelTabla::exportar);
}

void PanelTabla::ponerTextos()
{
    for (auto [l, t] : {std::pair{tituloEtapa_, &textos::etapaTabla}, {tituloElementos_, &textos::elementosTabla},
                        {tituloFilas_, &textos::numeroFilas}}) {
        l->setText(qtr(*t));
        l->adjustSize();
    }
    botonCopiar_->setTexto(qtr(textos::copiar));
    botonExportar_->setTexto(qtr(textos::exportarCsv));
    LstTABLA->setAccessibleName(tituloElementos_->text());
    for (int j = 1; j <= kMaxEtapas; ++j)
        OptETATAB[static_cast<std::size_t>(j)]->setAccessibleName(tituloEtapa_->text() + QStringLiteral(": ") + QString::number(j));
    for (QRadioButton* o : OptFILTAB) o->setAccessibleName(tituloFilas_->text() + QStringLiteral(": ") + o->text());
}

int PanelTabla::etapa() const
{
    for (int j = 1; j <= kMaxEtapas; ++j)
        if (OptETATAB[static_cast<std::size_t>(j)]->isChecked()) return j;
    return 1;
}

int PanelTabla::intervalos() const
{
    for (int i = 0; i < 5; ++i)
        if (OptFILTAB[static_cast<std::size_t>(i)]->isChecked()) return kFilas[i];
    return 20;
}

std::vector<int> PanelTabla::items() const
{
    std::vector<int> v;
    for (int q = 0; q < LstTABLA->count(); ++q) {
        const QListWidgetItem* item = LstTABLA->item(q);
        // Items that are not at their quantity's place carry its index.
        const QVariant indice = item->data(Qt::UserRole);
        if (item->checkState() == Qt::Checked) v.push_back(indice.isValid() ? indice.toInt() : q);
    }
    return v;
}

void PanelTabla::mostrarTemperaturas(bool si)
{
    const QSignalBlocker bloqueo(LstTABLA);
    if (si && LstTABLA->count() == kNumMagnitudes) {
        for (const InfoTemperatura& t : magnitudesTemperatura()) {
            auto* item = new QListWidgetItem(qtr(t.nombre), LstTABLA);
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(Qt::Unchecked);
        }
    }
    while (!si && LstTABLA->count() > kNumMagnitudes) delete LstTABLA->takeItem(LstTABLA->count() - 1);
}

void PanelTabla::mostrarCalor(bool tiempo, bool calor)
{
    const QSignalBlocker bloqueo(LstTABLA);
    // Taken out and put back last, as they were ticked, whatever came
    // before them since.
    std::array<Qt::CheckState, 2> marcas{Qt::Unchecked, Qt::Unchecked};
    for (int i = LstTABLA->count() - 1; i >= 0; --i) {
        const QVariant q = LstTABLA->item(i)->data(Qt::UserRole);
        if (!q.isValid() || !esMagnitudDeCalor(q.toInt())) continue;
        marcas[static_cast<std::size_t>(q.toInt() - kTiempo)] = LstTABLA->item(i)->checkState();
        delete LstTABLA->takeItem(i);
    }
    for (int q : {kTiempo, kCalor}) {
        if (!(q == kTiempo ? tiempo : calor)) continue;
        auto* item = new QListWidgetItem(qtr(magnitudesCalor()[static_cast<std::size_t>(q - kTiempo)].nombre), LstTABLA);
        item->setData(Qt::UserRole, q);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(marcas[static_cast<std::size_t>(q - kTiempo)]);
    }
}

void PanelTabla::mostrarEtapas(int n)
{
    for (int j = 1; j <= kMaxEtapas; ++j) OptETATAB[static_cast<std::size_t>(j)]->setVisible(j <= n);
    OptETATAB[1]->setChecked(true);
}

}  // namespace quillon
