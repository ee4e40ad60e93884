#include "documents/form_prediccion.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

#include "formats/documento.h"
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
constexpr Texto kAzeotropo{"Azeotrope: x = ", "Azeótropo: x = "};
constexpr Texto kA{" at ", " a "};
constexpr Texto kMinimo{" °C, minimum-boiling", " °C, de temperatura de ebullición mínima"};
constexpr Texto kMaximo{" °C, maximum-boiling", " °C, de temperatura de ebullición máxima"};
constexpr Texto kSinAzeotropo{"No azeotrope", "Sin azeótropo"};
constexpr Texto kAlfa{"Constant alpha that fits best: ", "Alfa constante que mejor se ajusta: "};
constexpr Texto kExtrapolada{"Some temperatures lie outside the range of the vapour-pressure data: they are extrapolated.",
                             "Algunas temperaturas quedan fuera del rango de los datos de presión de vapor: se extrapolan."};
constexpr Texto kUsarAlfa{"Use this alpha", "Usar esta alfa"};
constexpr Texto kOk{"Ok", "Aceptar"};
constexpr Texto kCancelar{"Cancel", "Cancelar"};

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
    (c.modelo == termo::Modelo::Ideal ? opcionIdeal_ : opcionUnifac_)->setChecked(true);
    predecir();
    for (QLineEdit* caja : {cajaCompuestoA_, cajaCompuestoB_, cajaPresion_})
        connect(caja, &QLineEdit::textChanged, this, &FormPrediccion::predecir);
    connect(listaUnidades_, &QComboBox::currentIndexChanged, this, &FormPrediccion::predecir);
    connect(opcionIdeal_, &QRadioButton::toggled, this, &FormPrediccion::predecir);
    connect(cajaPuntos_, &QSpinBox::valueChanged, this, &FormPrediccion::predecir);
    connect(botonOk_, &BotonImagen::clicked, this, [this] { aceptar(Resultado::Tabla); });
    connect(botonAlfa_, &BotonImagen::clicked, this, [this] { aceptar(Resultado::Alfa); });
    connect(botonCancelar_, &BotonImagen::clicked, this, &QDialog::reject);
}

void FormPrediccion::crearControles()
{
    setFixedSize(470, 330);
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
    for (QLineEdit* c : {cajaCompuestoA_, cajaCompuestoB_}) {
        auto* completar = new QCompleter(nombres, c);
        completar->setCaseSensitivity(Qt::CaseInsensitive);
        c->setCompleter(completar);
    }
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
    cajaPuntos_ = new QSpinBox(this);
    cajaPuntos_->setObjectName(QStringLiteral("cajaPuntos"));
    cajaPuntos_->setGeometry(200, 164, 70, 24);
    // Interior points: with (0, 0) and (1, 1) the table holds 100 rows at most.
    cajaPuntos_->setRange(1, kFilasTablaELV - 2);
    cajaPuntos_->setValue(30);
    informe_ = new QLabel(this);
    informe_->setObjectName(QStringLiteral("informePrediccion"));
    informe_->setGeometry(16, 196, 438, 76);
    informe_->setWordWrap(true);
    informe_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    int x = 16;
    for (BotonImagen** b : {&botonAlfa_, &botonOk_, &botonCancelar_}) {
        *b = new BotonImagen(QString(), this);
        (*b)->move(x, 284);
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

void FormPrediccion::predecir()
{
    valida_ = false;
    informe_->setStyleSheet(QStringLiteral("color: rgb(160, 0, 0);"));
    const int a = termo::compuestoDe(nombreA().toStdString()), b = termo::compuestoDe(nombreB().toStdString());
    const CondicionesTermo c = condiciones();
    const auto sistema = termo::Sistema::crear(a, b, c.modelo, presionEnPascales(c));
    if (const auto* error = std::get_if<std::string>(&sistema)) {
        informe_->setText(QString::fromStdString(*error));
    } else {
        const termo::Sistema& s = std::get<termo::Sistema>(sistema);
        const auto prediccion = termo::predecirTabla(s, cajaPuntos_->value());
        if (const auto* error = std::get_if<std::string>(&prediccion)) {
            informe_->setText(QString::fromStdString(*error));
        } else {
            const termo::TablaPredicha& t = std::get<termo::TablaPredicha>(prediccion);
            std::array<double, kFilasTablaELV> x, y;
            x.fill(-1);
            y.fill(-1);
            std::copy(t.x.begin(), t.x.end(), x.begin());
            std::copy(t.y.begin(), t.y.end(), y.begin());
            // Exactly what the table editor's Ok does with these rows.
            if (const Texto* fallo = tablaComprobada(x, y, static_cast<int>(t.x.size()) - 1, tabla_)) {
                informe_->setText(qtr(*fallo));
            } else {
                valida_ = true;
                alfa_ = termo::alfaAjustada(t);
                const auto az = termo::buscarAzeotropo(s);
                QString texto = az ? qtr(kAzeotropo) + numero(az->x) + qtr(kA) + numero(az->T - kCeroCelsius) +
                                         qtr(az->maximo ? kMaximo : kMinimo)
                                   : qtr(kSinAzeotropo);
                texto += QLatin1Char('\n') + qtr(kAlfa) + numero(alfa_);
                if (!t.todosLosAvisos().vacio()) texto += QLatin1Char('\n') + qtr(kExtrapolada);
                informe_->setText(texto);
                informe_->setStyleSheet(QString());
            }
        }
    }
    botonOk_->setEnabled(valida_);
    botonAlfa_->setEnabled(valida_);
}

void FormPrediccion::aceptar(Resultado r)
{
    if (!valida_) return;
    resultado_ = r;
    accept();
}

}  // namespace quillon
