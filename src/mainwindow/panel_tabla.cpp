#include "mainwindow/panel_tabla.h"

#include <QButtonGroup>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalBlocker>

#include "model/calefaccion.h"
#include "model/textos.h"
#include "model/magnitudes.h"
#include "model/columna_platos.h"
#include "model/temperaturas.h"
#include "platform/boton_imagen.h"
#include "platform/texto_qt.h"

namespace quillon {
namespace {

constexpr int kFilas[5] = {10, 20, 50, 100, 200};

// An unticked item standing for quantity q.
QListWidgetItem* nuevoItem(const QString& nombre, int q)
{
    auto* item = new QListWidgetItem(nombre);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
    item->setData(Qt::UserRole, q);
    return item;
}

int magnitudDe(const QListWidgetItem* item) { return item->data(Qt::UserRole).toInt(); }

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
    for (int q = 0; q < kNumMagnitudes; ++q)
        LstTABLA->addItem(nuevoItem(qtexto(magnitudes()[static_cast<std::size_t>(q)].nombre), q));
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
    for (int i = 0; i < LstTABLA->count(); ++i)
        if (LstTABLA->item(i)->checkState() == Qt::Checked) v.push_back(magnitudDe(LstTABLA->item(i)));
    return v;
}

void PanelTabla::mostrarTemperaturas(bool si)
{
    mostrarGrupo(si, kNumMagnitudes, kTempAlambique,
                 {qtr(magnitudesTemperatura()[0].nombre), qtr(magnitudesTemperatura()[1].nombre)});
}

void PanelTabla::mostrarColumna(bool si)
{
    // After the temperatures, when they are offered.
    const int donde = kNumMagnitudes + (filaDe(kTempAlambique) >= 0 ? 2 : 0);
    mostrarGrupo(si, donde, kReflujo, {qtr(magnitudesColumna()[0].nombre), qtr(magnitudesColumna()[1].nombre)});
}

int PanelTabla::filaDe(int q) const
{
    for (int i = 0; i < LstTABLA->count(); ++i)
        if (magnitudDe(LstTABLA->item(i)) == q) return i;
    return -1;
}

void PanelTabla::mostrarGrupo(bool si, int donde, int primera, const std::array<QString, 2>& nombres)
{
    if (si == (filaDe(primera) >= 0)) return;
    const QSignalBlocker bloqueo(LstTABLA);
    for (int i = 0; i < 2; ++i) {
        if (si) LstTABLA->insertItem(donde + i, nuevoItem(nombres[static_cast<std::size_t>(i)], primera + i));
        else delete LstTABLA->takeItem(filaDe(primera + i));
    }
}

void PanelTabla::mostrarCalor(bool tiempo, bool calor)
{
    const QSignalBlocker bloqueo(LstTABLA);
    // Taken out and put back last, as they were ticked, whatever came
    // before them since.
    std::array<Qt::CheckState, 2> marcas{Qt::Unchecked, Qt::Unchecked};
    for (int i = LstTABLA->count() - 1; i >= 0; --i) {
        const int q = magnitudDe(LstTABLA->item(i));
        if (!esMagnitudDeCalor(q)) continue;
        marcas[static_cast<std::size_t>(q - kTiempo)] = LstTABLA->item(i)->checkState();
        delete LstTABLA->takeItem(i);
    }
    for (int q : {kTiempo, kCalor}) {
        if (!(q == kTiempo ? tiempo : calor)) continue;
        auto* item = nuevoItem(qtr(magnitudesCalor()[static_cast<std::size_t>(q - kTiempo)].nombre), q);
        item->setCheckState(marcas[static_cast<std::size_t>(q - kTiempo)]);
        LstTABLA->addItem(item);
    }
}

void PanelTabla::mostrarEtapas(int n)
{
    for (int j = 1; j <= kMaxEtapas; ++j) OptETATAB[static_cast<std::size_t>(j)]->setVisible(j <= n);
    OptETATAB[1]->setChecked(true);
}

}  // namespace quillon
