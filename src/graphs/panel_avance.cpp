#include "graphs/panel_avance.h"

#include <QEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QTimer>

#include <QSignalBlocker>

#include "model/magnitudes.h"
#include "model/calefaccion.h"
#include "model/columna_platos.h"
#include "model/temperaturas.h"
#include "platform/boton_imagen.h"
#include "platform/texto_qt.h"

namespace quillon {
namespace {

constexpr Texto kEtapa{"Number of the stage", "Etapa a graficar"};
constexpr Texto kEjeY{"Y-axis (vertical)", "Eje Y (vertical)"};
constexpr Texto kEjeX{"X-axis (horizontal)", "Eje X (horizontal)"};
constexpr Texto kCopiar{"Copy", "Copiar"};

template <std::size_t N>
QStringList nombresDe(const std::array<int, N>& lista)
{
    QStringList n;
    for (int i : lista) {
        const auto nombre = magnitudes()[static_cast<std::size_t>(i)].nombre;
        n << qtexto(nombre);
    }
    return n;
}

// The quantity an item added after the 17 stands for.
constexpr int kRolMagnitud = Qt::UserRole + 1;

bool marcado(const QListWidgetItem* it) { return it->checkState() == Qt::Checked; }

// An item of a tick list: data 1 while it is the ticked one.
void marcar(QListWidgetItem* it, bool si)
{
    it->setCheckState(si ? Qt::Checked : Qt::Unchecked);
    it->setData(Qt::UserRole, si ? 1 : 0);
}

void nuevoItem(QListWidget* lista, const QString& nombre, bool si)
{
    auto* it = new QListWidgetItem(nombre, lista);
    it->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    marcar(it, si);
}

QLabel* titulo(QWidget* padre, const Texto& t, int y)
{
    auto* l = new QLabel(qtr(t), padre);
    QFont f(QStringLiteral("Arial"), 9);
    f.setBold(true);
    l->setFont(f);
    l->move(8, y);
    l->adjustSize();
    return l;
}

}  // namespace

void aplicarMarcaUnica(QListWidget* lista)
{
    int nuevo = -1;
    for (int i = 0; i < lista->count() && nuevo < 0; ++i) {
        const QListWidgetItem* it = lista->item(i);
        if (marcado(it) && it->data(Qt::UserRole).toInt() == 0) nuevo = i;
    }
    for (int i = 0; i < lista->count(); ++i)
        if (!marcado(lista->item(i))) lista->item(i)->setData(Qt::UserRole, 0);
    if (nuevo < 0) return;
    for (int i = 0; i < lista->count(); ++i) marcar(lista->item(i), i == nuevo);
}

void dejarPrimeraMarca(QListWidget* lista)
{
    bool visto = false;
    for (int i = 0; i < lista->count(); ++i) {
        QListWidgetItem* it = lista->item(i);
        if (!marcado(it)) continue;
        if (visto) it->setCheckState(Qt::Unchecked);
        visto = true;
    }
}

int primeraMarcada(const QListWidget* lista)
{
    for (int i = 0; i < lista->count(); ++i)
        if (marcado(lista->item(i))) return i;
    return -1;
}

PanelAvance::PanelAvance(QWidget* padre) : QWidget(padre)
{
    setObjectName(QStringLiteral("panelAvance"));
    resize(290, 518);
    setFont(QFont(QStringLiteral("Arial"), 9));
    titulo(this, kEtapa, 6);
    crearOpcionesEtapa();
    titulo(this, kEjeY, 54);
    LstEjeY = crearLista(72, 256, nombresDe(listaEjeY()));
    LstEjeY->setObjectName(QStringLiteral("LstEjeY"));
    LstEjeY->setAccessibleName(qtr(kEjeY));
    titulo(this, kEjeX, 336);
    LstEjeX = crearLista(354, 112, nombresDe(listaEjeX()));
    LstEjeX->setObjectName(QStringLiteral("LstEjeX"));
    LstEjeX->setAccessibleName(qtr(kEjeX));

    botonCopiar_ = new BotonImagen(qtr(kCopiar), this);
    botonCopiar_->setObjectName(QStringLiteral("botonCopiarGrafico"));
    botonCopiar_->move(145, 480);
    connect(botonCopiar_, &BotonImagen::clicked, this, &PanelAvance::copiar);

    apagador_ = new QTimer(this);
    apagador_->setInterval(400);
    connect(apagador_, &QTimer::timeout, this, &PanelAvance::dejarUnaMarcaPorLista);
    apagador_->start();
}

void PanelAvance::crearOpcionesEtapa()
{
    for (int j = 1; j <= 6; ++j) {
        auto* o = new QRadioButton(QString::number(j), this);
        o->setObjectName(QStringLiteral("OptETAXAV%1").arg(j));
        o->move(14 + (j - 1) * 44, 26);
        o->adjustSize();
        o->setVisible(j == 1);
        // A click only: the program's own choice of stage 1 says nothing.
        connect(o, &QRadioButton::clicked, this, [this, j] { emit etapaElegida(j); });
        OptETAXAV[static_cast<std::size_t>(j)] = o;
    }
    OptETAXAV[1]->setChecked(true);
}

QListWidget* PanelAvance::crearLista(int y, int alto, const QStringList& nombres)
{
    auto* lista = new QListWidget(this);
    lista->setGeometry(8, y, 274, alto);
    for (int i = 0; i < nombres.size(); ++i) nuevoItem(lista, nombres[i], i == 0);
    // A change of a tick (its box, the space bar, or a click on the name)
    // runs the rule; the program's own changes are made with the list's
    // signals blocked.
    connect(lista, &QListWidget::itemChanged, this, [this, lista] { marcarUnico(lista); });
    connect(lista, &QListWidget::itemClicked, this, [this](QListWidgetItem* it) {
        // A click on the name (not on the box) ticks the item too.
        if (it == itemAlPulsar_ && it->checkState() == estadoAlPulsar_ && !marcado(it)) it->setCheckState(Qt::Checked);
    });
    connect(lista, &QListWidget::itemDoubleClicked, this, [this, lista] { marcarUnico(lista); });
    lista->viewport()->installEventFilter(this);
    return lista;
}

void PanelAvance::marcarUnico(QListWidget* lista)
{
    {
        const QSignalBlocker bloqueo(lista);
        aplicarMarcaUnica(lista);
    }
    emit eleccionCambiada();
}

void PanelAvance::dejarUnaMarcaPorLista()
{
    for (QListWidget* lista : {LstEjeY, LstEjeX}) {
        const QSignalBlocker bloqueo(lista);
        dejarPrimeraMarca(lista);
    }
}

bool PanelAvance::eventFilter(QObject* o, QEvent* e)
{
    const bool lista = o == LstEjeY->viewport() || o == LstEjeX->viewport();
    if (lista && e->type() == QEvent::MouseButtonPress) {
        apagador_->stop();
        // What the item was before the click: a press on its box toggles it
        // at the release, a press on its name does not.
        QListWidget* l = o == LstEjeY->viewport() ? LstEjeY : LstEjeX;
        itemAlPulsar_ = l->itemAt(static_cast<QMouseEvent*>(e)->position().toPoint());
        if (itemAlPulsar_) estadoAlPulsar_ = itemAlPulsar_->checkState();
    }
    if (lista && e->type() == QEvent::MouseButtonRelease) apagador_->start();
    return QWidget::eventFilter(o, e);
}

int PanelAvance::etapa() const
{
    for (int j = 1; j <= 6; ++j)
        if (OptETAXAV[static_cast<std::size_t>(j)]->isChecked()) return j;
    return 1;
}

int PanelAvance::itemY() const { return primeraMarcada(LstEjeY); }
int PanelAvance::itemX() const { return primeraMarcada(LstEjeX); }

void PanelAvance::mostrarEtapas(int n)
{
    for (int j = 1; j <= 6; ++j) OptETAXAV[static_cast<std::size_t>(j)]->setVisible(j <= n);
    OptETAXAV[1]->setChecked(true);
}

void PanelAvance::activarApagador(bool activo)
{
    if (activo) apagador_->start();
    else apagador_->stop();
}

void PanelAvance::mostrarTemperaturas(bool si)
{
    mostrarGrupo(si, static_cast<int>(listaEjeY().size()), kTempAlambique,
                 {qtr(magnitudesTemperatura()[0].nombre), qtr(magnitudesTemperatura()[1].nombre)});
}

void PanelAvance::mostrarColumna(bool si)
{
    mostrarGrupo(si, LstEjeY->count() - (tieneGrupo(kReflujo) ? 2 : 0), kReflujo,
                 {qtr(magnitudesColumna()[0].nombre), qtr(magnitudesColumna()[1].nombre)});
}

bool PanelAvance::tieneGrupo(int magnitud) const
{
    for (int i = 0; i < LstEjeY->count(); ++i)
        if (LstEjeY->item(i)->data(kRolMagnitud).toInt() == magnitud) return true;
    return false;
}

void PanelAvance::mostrarGrupo(bool si, int donde, int primera, const std::array<QString, 2>& nombres)
{
    if (si == tieneGrupo(primera)) return;
    const QSignalBlocker bloqueo(LstEjeY);
    if (si) {
        for (int i = 0; i < 2; ++i) {
            auto* it = new QListWidgetItem(nombres[static_cast<std::size_t>(i)]);
            it->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            it->setData(kRolMagnitud, primera + i);
            marcar(it, false);
            LstEjeY->insertItem(donde + i, it);
        }
        return;
    }
    // A ticked item that goes leaves the first item ticked.
    bool teniaMarca = false;
    itemAlPulsar_ = nullptr;
    for (int i = LstEjeY->count() - 1; i >= 0; --i) {
        const int q = LstEjeY->item(i)->data(kRolMagnitud).toInt();
        if (q != primera && q != primera + 1) continue;
        teniaMarca = teniaMarca || marcado(LstEjeY->item(i));
        delete LstEjeY->takeItem(i);
    }
    if (teniaMarca) marcar(LstEjeY->item(0), true);
}

void PanelAvance::mostrarTiempo(bool si)
{
    const int base = static_cast<int>(listaEjeX().size());
    if (si == (LstEjeX->count() > base)) return;
    const QSignalBlocker bloqueo(LstEjeX);
    if (si) return nuevoItem(LstEjeX, qtr(magnitudesCalor()[0].nombre), false);
    const bool teniaMarca = primeraMarcada(LstEjeX) >= base;
    itemAlPulsar_ = nullptr;
    delete LstEjeX->takeItem(base);
    if (teniaMarca) marcar(LstEjeX->item(0), true);
}

void PanelAvance::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, QColor(241, 247, 255));
    g.setColorAt(1, QColor(229, 236, 245));
    p.fillRect(rect(), g);
    p.setPen(QColor(170, 188, 212));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace quillon
