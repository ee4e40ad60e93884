#include "documents/form_prediccion.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>

#include "documents/completar_nombres.h"
#include "documents/validador_guardable.h"
#include "model/compuestos.h"
#include "model/formato.h"
#include "platform/boton_imagen.h"
#include "platform/texto_qt.h"

namespace quillon {
namespace {

constexpr Texto kTitulo{"Predict VLE table", "Predecir tabla de equilibrio"};
constexpr Texto kCompuestoA{"Component A (more volatile):", "Componente A (más volátil):"};
constexpr Texto kCompuestoB{"Component B:", "Componente B:"};
constexpr Texto kPresion{"Pressure:", "Presión:"};
constexpr Texto kModelo{"Model:", "Modelo:"};
constexpr Texto kIdeal{"Ideal (Raoult's law)", "Ideal (ley de Raoult)"};
constexpr Texto kUnifac{"UNIFAC (non-ideal)", "UNIFAC (no ideal)"};
constexpr Texto kPuntos{"Number of points:", "Número de puntos:"};
constexpr Texto kIntercambiar{"Swap A and B", "Intercambiar A y B"};
constexpr Texto kUsarAlfa{"Use this alpha", "Usar esta alfa"};
constexpr Texto kOk{"Ok", "Aceptar"};
constexpr Texto kCancelar{"Cancel", "Cancelar"};

// A number of points as typed: any whole number is taken, so that one out of
// range is refused with the range rather than cut to its first digits; the
// arrows step within the range.
class CajaPuntos : public QSpinBox {
public:
    explicit CajaPuntos(QWidget* padre) : QSpinBox(padre) { setRange(0, 999999); }

    void stepBy(int pasos) override
    {
        setValue(std::clamp(value() + pasos, FormPrediccion::kPuntosMinimos, FormPrediccion::kPuntosMaximos));
    }

protected:
    StepEnabled stepEnabled() const override
    {
        StepEnabled e = StepNone;
        if (value() < FormPrediccion::kPuntosMaximos) e |= StepUpEnabled;
        if (value() > FormPrediccion::kPuntosMinimos) e |= StepDownEnabled;
        return e;
    }
};

}  // namespace

FormPrediccion::FormPrediccion(const QString& nombreA, const QString& nombreB, const CondicionesTermo& c, char sep,
                               QWidget* padre)
    : QDialog(padre), sep_(sep)
{
    setObjectName(QStringLiteral("FormPrediccion"));
    setFont(QFont(QStringLiteral("Arial"), 9));
    crearControles();
    ponerTextos();
    cajaCompuestoA_->setText(nombreA.trimmed());
    cajaCompuestoB_->setText(nombreB.trimmed());
    cajaPresion_->setText(QString::fromStdString(c.presion));
    listaUnidades_->setCurrentIndex(c.unidad);
    unidad_ = c.unidad;
    (c.modelo == termo::Modelo::Ideal ? opcionIdeal_ : opcionUnifac_)->setChecked(true);
    predecir();
    for (QLineEdit* caja : {cajaCompuestoA_, cajaCompuestoB_, cajaPresion_})
        connect(caja, &QLineEdit::textChanged, this, &FormPrediccion::predecir);
    connect(listaUnidades_, &QComboBox::currentIndexChanged, this, &FormPrediccion::cambiarUnidad);
    connect(opcionIdeal_, &QRadioButton::toggled, this, &FormPrediccion::predecir);
    connect(cajaPuntos_, &QSpinBox::valueChanged, this, &FormPrediccion::predecir);
    connect(botonIntercambiar_, &BotonImagen::clicked, this, &FormPrediccion::intercambiar);
    connect(botonOk_, &BotonImagen::clicked, this, [this] { aceptar(Resultado::Tabla); });
    connect(botonAlfa_, &BotonImagen::clicked, this, [this] { aceptar(Resultado::Alfa); });
    connect(botonCancelar_, &BotonImagen::clicked, this, &QDialog::reject);
}

void FormPrediccion::crearControles()
{
    setFixedSize(470, 400);
    auto etiqueta = [this](int y) {
        auto* l = new QLabel(this);
        l->move(16, y + 3);
        return l;
    };
    auto caja = [this](const char* nombre, int y, int ancho) {
        auto* c = new QLineEdit(this);
        c->setObjectName(QString::fromLatin1(nombre));
        c->setGeometry(200, y, ancho, 24);
        c->setValidator(new ValidadorGuardable(c));
        return c;
    };
    QStringList nombres;
    for (const Compuesto& c : listaCompuestos())
        if (termo::compuestoDe(c.nombre) >= 0) nombres << qtexto(c.nombre);
    nombres.removeDuplicates();
    etiquetaA_ = etiqueta(16);
    cajaCompuestoA_ = caja("cajaCompuestoA", 16, 250);
    etiquetaB_ = etiqueta(48);
    cajaCompuestoB_ = caja("cajaCompuestoB", 48, 250);
    for (QLineEdit* c : {cajaCompuestoA_, cajaCompuestoB_}) completarNombres(c, nombres);
    etiquetaPresion_ = etiqueta(80);
    cajaPresion_ = caja("cajaPresion", 80, 100);
    listaUnidades_ = new QComboBox(this);
    listaUnidades_->setObjectName(QStringLiteral("listaUnidadesPresion"));
    listaUnidades_->setGeometry(306, 80, 80, 24);
    for (const UnidadPresion& u : unidadesPresion()) listaUnidades_->addItem(qtexto(u.nombre));
    etiquetaModelo_ = etiqueta(112);
    opcionIdeal_ = new QRadioButton(this);
    opcionIdeal_->setObjectName(QStringLiteral("opcionIdeal"));
    opcionIdeal_->move(200, 114);
    opcionUnifac_ = new QRadioButton(this);
    opcionUnifac_->setObjectName(QStringLiteral("opcionUnifac"));
    opcionUnifac_->move(200, 136);
    etiquetaPuntos_ = etiqueta(164);
    cajaPuntos_ = new CajaPuntos(this);
    cajaPuntos_->setObjectName(QStringLiteral("cajaPuntos"));
    cajaPuntos_->setGeometry(200, 164, 70, 24);
    cajaPuntos_->setValue(30);
    informe_ = new QLabel(this);
    informe_->setObjectName(QStringLiteral("informePrediccion"));
    informe_->setGeometry(16, 196, 438, 120);
    informe_->setWordWrap(true);
    informe_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    botonIntercambiar_ = new BotonImagen(QString(), this);
    botonIntercambiar_->setObjectName(QStringLiteral("botonIntercambiar"));
    botonIntercambiar_->move(16, 322);
    int x = 16;
    for (BotonImagen** b : {&botonAlfa_, &botonOk_, &botonCancelar_}) {
        *b = new BotonImagen(QString(), this);
        (*b)->move(x, 356);
        x += 150;
    }
    botonAlfa_->setObjectName(QStringLiteral("botonUsarAlfa"));
    botonOk_->setObjectName(QStringLiteral("botonOk"));
    botonCancelar_->setObjectName(QStringLiteral("botonCancelar"));
}

void FormPrediccion::ponerTextos()
{
    setWindowTitle(qtr(kTitulo));
    for (auto [l, t] : {std::pair{etiquetaA_, &kCompuestoA}, {etiquetaB_, &kCompuestoB}, {etiquetaPresion_, &kPresion},
                        {etiquetaModelo_, &kModelo}, {etiquetaPuntos_, &kPuntos}}) {
        l->setText(qtr(*t));
        l->adjustSize();
    }
    opcionIdeal_->setText(qtr(kIdeal));
    opcionUnifac_->setText(qtr(kUnifac));
    opcionIdeal_->adjustSize();
    opcionUnifac_->adjustSize();
    botonIntercambiar_->setTexto(qtr(kIntercambiar));
    botonAlfa_->setTexto(qtr(kUsarAlfa));
    botonOk_->setTexto(qtr(kOk));
    botonCancelar_->setTexto(qtr(kCancelar));
}

QString FormPrediccion::nombreA() const { return cajaCompuestoA_->text().trimmed(); }
QString FormPrediccion::nombreB() const { return cajaCompuestoB_->text().trimmed(); }

CondicionesTermo FormPrediccion::condiciones() const
{
    CondicionesTermo c;
    c.presion = cajaPresion_->text().trimmed().toStdString();
    c.unidad = listaUnidades_->currentIndex();
    c.modelo = opcionIdeal_->isChecked() ? termo::Modelo::Ideal : termo::Modelo::Unifac;
    return c;
}

QString FormPrediccion::numero(double v) const { return QString::fromStdString(FormatoNumero(v, 5, sep_)); }

void FormPrediccion::cambiarUnidad(int unidad)
{
    // The pressure stays the same pressure: its number follows the unit.
    {
        const QSignalBlocker bloqueo(cajaPresion_);
        cajaPresion_->setText(QString::fromStdString(
            convertirPresion(cajaPresion_->text().trimmed().toStdString(), unidad_, unidad, sep_)));
    }
    unidad_ = unidad;
    predecir();
}

void FormPrediccion::intercambiar()
{
    const QString a = cajaCompuestoA_->text();
    {
        const QSignalBlocker bloqueo(cajaCompuestoA_);
        cajaCompuestoA_->setText(cajaCompuestoB_->text());
    }
    cajaCompuestoB_->setText(a);
}

void FormPrediccion::aceptar(Resultado r)
{
    if (!valida_ || (r == Resultado::Alfa && !alfaUtil_)) return;
    resultado_ = r;
    accept();
}

}  // namespace quillon
