#include "simulacion/simulacion.h"

#include <QTimer>

#include "model/textos.h"

namespace quillon {

Simulacion::Simulacion(QObject* padre)
    : QObject(padre),
      superTabla_(std::make_unique<SuperTablaELV>()),
      cadena_(std::make_unique<CadenaEtapas>()),
      reloj_(std::make_unique<RelojEtapas>())
{
    superTabla_->fill(0);
    // The window's start-up values; numbers are written with the build
    // language's separator until the user types one.
    doc_.compA = quillon::tr(textos::compAInicial);
    doc_.compB = quillon::tr(textos::compBInicial);
    doc_.mma = "78.1121";
    doc_.mmb = "92.14";
    doc_.alfa = "2.45";
    doc_.x0 = "0.4";
    doc_.masa0 = "500";
    p0a_ = "36.109";
    columna_ = columnaInicial();
    numero_.sepDecimal = idiomaDelPrograma() == Idioma::Espanol ? ',' : '.';
    refresco_ = new QTimer(this);
    refresco_->setObjectName(QStringLiteral("TmrACT"));
    refresco_->setSingleShot(true);
    refresco_->setInterval(250);
    connect(refresco_, &QTimer::timeout, this, [this] { anunciar({Cambios::Refresco}); });
}

Simulacion::~Simulacion() = default;

TextosColumnaPlatos Simulacion::columnaInicial()
{
    // No plates, and a policy ready for them.
    TextosColumnaPlatos t;
    t.reflujo = "2";
    t.pureza = "0.9";
    t.reflujoMaximo = "10";
    return t;
}

const std::string& Simulacion::textoDe(Entrada e) const
{
    switch (e) {
    case Entrada::CompA: return doc_.compA;
    case Entrada::CompB: return doc_.compB;
    case Entrada::MMA: return doc_.mma;
    case Entrada::MMB: return doc_.mmb;
    case Entrada::Alfa: return doc_.alfa;
    case Entrada::X0: return doc_.x0;
    case Entrada::P0A: return p0a_;
    case Entrada::Masa0: break;
    }
    return doc_.masa0;
}

std::string& Simulacion::textoDe(Entrada e)
{
    return const_cast<std::string&>(std::as_const(*this).textoDe(e));
}

QString Simulacion::texto(Entrada e) const { return QString::fromStdString(textoDe(e)); }

QString Simulacion::textoCorte(int k) const
{
    if (k < 1 || k > kMaxEtapas) return {};
    return QString::fromStdString(doc_.avance[static_cast<std::size_t>(k - 1)]);
}

void Simulacion::escribir(Entrada e, const std::string& texto)
{
    textoDe(e) = texto;
    // The mass percentage written from x0 is in step with it; x0 written
    // alone leaves it behind.
    if (e == Entrada::P0A || e == Entrada::X0) p0aAlDia_ = e == Entrada::P0A;
    emit textoReescrito(e);
}

DocumentoDestilacion Simulacion::documento() const
{
    DocumentoDestilacion d = doc_;
    if (!p0aAlDia_) d.p0a = p0a_;
    if (columnaEnUso(columna_)) d.columna = columna_;
    return d;
}

void Simulacion::pedirRefresco()
{
    refresco_->start();
    anunciar({Cambios::Entradas});
}

void Simulacion::anunciar(const Cambios& c)
{
    // The first change of a turn schedules the announcement; later ones join it.
    const bool programado = pendientes_.que != 0;
    pendientes_.unir(c);
    if (!programado) QMetaObject::invokeMethod(this, &Simulacion::emitirCambios, Qt::QueuedConnection);
}

void Simulacion::emitirCambios()
{
    const Cambios c = std::exchange(pendientes_, Cambios{});
    if (c.que != 0) emit cambiado(c);
}

bool Simulacion::enBlanco() const
{
    for (Entrada e : {Entrada::CompA, Entrada::CompB, Entrada::MMA, Entrada::MMB, Entrada::Alfa, Entrada::X0, Entrada::P0A,
                      Entrada::Masa0})
        if (!textoDe(e).empty()) return false;
    return true;
}

void Simulacion::fijarModoTabla(bool tabla)
{
    if (doc_.modoTabla == tabla) return;
    doc_.modoTabla = tabla;
    emit modoCambiado(tabla);
}

void Simulacion::fijarModificado(bool m)
{
    if (m == modificado_) return;
    modificado_ = m;
    emit modificadoCambiado(m);
}

void Simulacion::avisar(const Texto& t) { emit mensaje(QString::fromUtf8(quillon::tr(t))); }

void Simulacion::fijarTablaELV(const TablaELV& t)
{
    doc_.tabla = t;
    // The dense table always follows the table, so that choosing the table
    // later never uses the volatilities of another one.
    if (t.ultPunto > 0 && tablaUtilizable(t)) CrearSuperTABLA_ELV(t, *superTabla_);
}

void Simulacion::invalidarDesde(int k) { cadena_->invalidar(k, doc_.numEtapas); }

void Simulacion::borrar()
{
    // Clear empties every box and the options, not the equilibrium table.
    const TablaELV tabla = doc_.tabla;
    fijarModoTabla(false);
    doc_ = DocumentoDestilacion{};
    doc_.tabla = tabla;
    p0a_.clear();
    p0aAlDia_ = true;
    columna_ = TextosColumnaPlatos{};
    sistemaTermicoAlDia_ = false;
    cadena_->invalidar(0, kMaxEtapas);
    fijarModificado(false);
    emit documentoReemplazado();
    anunciar({Cambios::Borrado});
}

void Simulacion::cargar(const LecturaBdf& lectura)
{
    borrar();
    const DocumentoDestilacion& d = lectura.doc;
    // The texts go in as typing would put them: a known name fills its
    // molar mass, x0 fills the mass percentage. A tag the file lacks leaves
    // the box as Clear and those rules left it.
    const std::pair<Entrada, const std::string*> textos[] = {
        {Entrada::CompA, &d.compA}, {Entrada::CompB, &d.compB}, {Entrada::MMA, &d.mma}, {Entrada::MMB, &d.mmb},
        {Entrada::Alfa, &d.alfa},   {Entrada::X0, &d.x0},       {Entrada::Masa0, &d.masa0},
    };
    for (std::size_t i = 0; i < std::size(textos); ++i)
        if (lectura.textoPresente[i]) editar(textos[i].first, QString::fromStdString(*textos[i].second));
    // A mass percentage x0 was not taken from comes back as it was shown,
    // without its rule: it would rewrite x0.
    if (d.p0a) escribir(Entrada::P0A, *d.p0a);
    p0aAlDia_ = !d.p0a;
    doc_.unidad = d.unidad;
    doc_.avance = d.avance;
    doc_.numEtapas = d.numEtapas;
    fijarTablaELV(d.tabla);
    fijarModoTabla(d.modoTabla);
    doc_.condiciones = d.condiciones;
    // A document without a column leaves the policy's boxes ready for one.
    columna_ = d.columna.value_or(columnaInicial());
    doc_.calefaccion = d.calefaccion;
    cadena_->invalidar(0, kMaxEtapas);
    fijarModificado(false);
    emit documentoReemplazado();
    cambiarEquilibrio();
    pedirRefresco();
    anunciar({Cambios::Abierto});
}

}  // namespace quillon
