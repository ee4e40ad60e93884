#include "model/numero.h"

#include "model/composicion.h"
#include "model/texto.h"
#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace quillon {
namespace {

bool esDigito(char c) { return c >= '0' && c <= '9'; }
bool esBlanco(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// The result of a failed step: the sentinel, and the failure flag raised.
double fallo(EstadoNumerico& estado)
{
    estado.errorEntrada = 1;
    return VALOR_NO_VALIDO;
}

// Whether a number too far from 1 for a double lies below 1 (it then reads
// as 0): the power of ten of its first significant digit, its place in the
// mantissa plus the exponent, is negative. "0.", 400 zeros and "1" is as
// small as "1e-401".
bool debajoDeUno(std::string_view mantisa, std::string_view exponente)
{
    const std::size_t punto = std::min(mantisa.find('.'), mantisa.size());
    const std::size_t primera = mantisa.find_first_of("123456789");
    long long lugar = primera < punto ? static_cast<long long>(punto - primera) - 1
                                      : -static_cast<long long>(primera - punto);
    // An exponent of more digits than a long long holds is saturated: any
    // exponent beyond a billion decides alone.
    long long e = 0;
    for (char c : exponente)
        if (esDigito(c)) e = std::min(e * 10 + (c - '0'), 1'000'000'000'000LL);
    lugar += exponente.starts_with('-') ? -e : e;
    return lugar < 0;
}

// The classic leading-number reading of `t` and where it stopped.
struct LecturaInicial {
    std::optional<double> valor;  // empty: too large for a double
    std::size_t fin = 0;          // characters read, leading blanks included
    bool hayNumero = false;       // false: no leading number (it reads as 0)
};

LecturaInicial leerInicio(std::string_view t)
{
    std::size_t i = 0;
    while (i < t.size() && esBlanco(t[i])) ++i;
    const bool negativo = i < t.size() && t[i] == '-';
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    const std::size_t desde = i;
    bool hayDigitos = false;
    while (i < t.size() && esDigito(t[i])) { ++i; hayDigitos = true; }
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && esDigito(t[i])) { ++i; hayDigitos = true; }
    }
    if (!hayDigitos) return {0.0, 0, false};
    const std::string_view mantisa = t.substr(desde, i - desde);
    std::string_view exponente;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E' || t[i] == 'd' || t[i] == 'D')) {
        std::size_t j = i + 1;
        if (j < t.size() && (t[j] == '+' || t[j] == '-')) ++j;
        if (j < t.size() && esDigito(t[j])) {
            while (j < t.size() && esDigito(t[j])) ++j;
            exponente = t.substr(i + 1, j - i - 1);
            i = j;
        }
    }
    // from_chars reads "." whatever the process locale says (strtod would not).
    std::string numero(mantisa);
    if (!exponente.empty()) (numero += 'e') += exponente;
    double v = 0;
    const auto [fin, error] = std::from_chars(numero.data(), numero.data() + numero.size(), v);
    (void)fin;
    if (error == std::errc::result_out_of_range) {
        if (!debajoDeUno(mantisa, exponente)) return {std::nullopt, i, true};
        v = 0;
    }
    return {negativo ? -v : v, i, true};
}

// The number `t` holds and nothing else (blanks around it aside); empty when
// anything is left unread or the number does not fit in a double.
std::optional<double> valorCompleto(std::string_view t)
{
    const LecturaInicial l = leerInicio(t);
    std::size_t fin = l.fin;
    while (fin < t.size() && esBlanco(t[fin])) ++fin;
    if (!l.hayNumero || fin != t.size()) return std::nullopt;
    return l.valor;
}

// What the parser reads of a typed text: blanks removed, commas as points,
// runs of up to four points as one.
std::string normalizar(std::string_view texto)
{
    std::string s;
    for (char c : texto)
        if (c != ' ') s += c;
    reemplazarTodo(s, ",", ".");
    reemplazarTodo(s, "..", ".");
    reemplazarTodo(s, "..", ".");
    return s;
}

}  // namespace

std::optional<double> valorInicial(std::string_view t) { return leerInicio(t).valor; }

double LeerNumero(std::string_view texto, EstadoNumerico& estado)
{
    if (texto.find('.') != std::string_view::npos) estado.sepDecimal = '.';
    if (texto.find(',') != std::string_view::npos) estado.sepDecimal = ',';

    const std::string s = normalizar(texto);
    if (s.empty()) return VALOR_NO_VALIDO;

    if (s.back() == '%') {
        const auto v = valorInicial(std::string_view(s).substr(0, s.size() - 1));
        return v ? *v / 100.0 : fallo(estado);
    }
    const std::size_t barra = s.find('/', 1);
    if (barra == std::string::npos) {
        const auto v = valorInicial(s);
        return v ? *v : fallo(estado);
    }
    if (s.find('%') != std::string::npos) return fallo(estado);
    const auto num = valorInicial(std::string_view(s).substr(0, barra));
    const auto den = valorInicial(std::string_view(s).substr(barra + 1));
    if (!num || !den || *den == 0.0) return fallo(estado);
    const double v = *num / *den;
    if (!std::isfinite(v)) return fallo(estado);
    return v;
}

bool masasMolaresValidas(double mma, double mmb)
{
    const auto valida = [](double m) { return m >= kMasaMolarMinima && m <= kMasaMolarMaxima; };
    return valida(mma) && valida(mmb);
}

bool fraccionMolarValida(double x0) { return esNumero(x0) && x0 >= 0 && x0 <= 1; }

bool porcentajeMasicoValido(double p0a) { return esNumero(p0a) && p0a >= 0 && p0a <= 100; }

bool masaInicialValida(double m0) { return m0 >= 0 && m0 <= kMasaMaxima; }

bool volatilidadValida(double alfa) { return esNumero(alfa) && alfa > 1 && alfa <= 100; }

double porcentajeMasicoDeFraccion(double x0, double mma, double mmb) { return porcentajeMasico(x0, mma, mmb); }

double fraccionDePorcentajeMasico(double p0a, double mma, double mmb)
{
    // 100 g of the charge hold p0a g of A and 100 - p0a g of B.
    return fraccionMolar(p0a, 100 - p0a, mma, mmb);
}

double leerTextoAvance(std::string_view texto)
{
    std::string sinPorcentajes;
    for (char c : texto)
        if (c != '%') sinPorcentajes += c;
    // Read as the parser reads it, but only when the whole text is the
    // number, or the fraction, it reads: letters are no percentage.
    const std::string s = normalizar(sinPorcentajes);
    const std::size_t barra = s.empty() ? std::string::npos : s.find('/', 1);
    const auto num = valorCompleto(std::string_view(s).substr(0, barra));
    if (barra == std::string::npos) return num ? *num : VALOR_NO_VALIDO;
    const auto den = valorCompleto(std::string_view(s).substr(barra + 1));
    if (!num || !den || *den == 0.0) return VALOR_NO_VALIDO;
    const double v = *num / *den;
    return std::isfinite(v) ? v : VALOR_NO_VALIDO;
}

}  // namespace quillon
