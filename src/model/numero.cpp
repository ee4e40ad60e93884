#include "model/numero.h"

#include "model/composicion.h"
#include "model/texto.h"
#include <charconv>
#include <cmath>
#include <string>

namespace quillon {
namespace {

bool esDigito(char c) { return c >= '0' && c <= '9'; }

// The result of a failed step: the sentinel, and the failure flag raised.
double fallo(EstadoNumerico& estado)
{
    estado.errorEntrada = 1;
    return VALOR_NO_VALIDO;
}

}  // namespace

std::optional<double> valorInicial(std::string_view t)
{
    std::size_t i = 0;
    auto saltarBlancos = [&] {
        while (i < t.size() && (t[i] == ' ' || t[i] == '\t' || t[i] == '\n' || t[i] == '\r')) ++i;
    };
    saltarBlancos();
    std::string numero;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) numero += t[i++];
    bool hayDigitos = false;
    while (i < t.size() && esDigito(t[i])) { numero += t[i++]; hayDigitos = true; }
    if (i < t.size() && t[i] == '.') {
        numero += t[i++];
        while (i < t.size() && esDigito(t[i])) { numero += t[i++]; hayDigitos = true; }
    }
    if (!hayDigitos) return 0.0;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E' || t[i] == 'd' || t[i] == 'D')) {
        std::size_t j = i + 1;
        std::string exponente = "e";
        if (j < t.size() && (t[j] == '+' || t[j] == '-')) exponente += t[j++];
        if (j < t.size() && esDigito(t[j])) {
            while (j < t.size() && esDigito(t[j])) exponente += t[j++];
            numero += exponente;
        }
    }
    // from_chars reads "." whatever the process locale says (strtod would not).
    const bool negativo = numero[0] == '-';
    const std::size_t desde = (numero[0] == '-' || numero[0] == '+') ? 1 : 0;
    double v = 0;
    const auto [fin, error] = std::from_chars(numero.data() + desde, numero.data() + numero.size(), v);
    (void)fin;
    if (error == std::errc::result_out_of_range) {
        if (numero.find("e-") == std::string::npos) return std::nullopt;  // too large
        v = 0;  // too small: it reads as zero
    }
    return negativo ? -v : v;
}

double LeerNumero(std::string_view texto, EstadoNumerico& estado)
{
    if (texto.find('.') != std::string_view::npos) estado.sepDecimal = '.';
    if (texto.find(',') != std::string_view::npos) estado.sepDecimal = ',';

    std::string s;
    for (char c : texto)
        if (c != ' ') s += c;
    reemplazarTodo(s, ",", ".");
    reemplazarTodo(s, "..", ".");
    reemplazarTodo(s, "..", ".");
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
    std::string s;
    for (char c : texto)
        if (c != '%') s += c == ',' ? '.' : c;
    const auto blanco = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && blanco(s.back())) s.pop_back();
    std::size_t desde = 0;
    while (desde < s.size() && blanco(s[desde])) ++desde;
    if (desde < s.size() && s[desde] == '+') ++desde;
    if (desde >= s.size()) return VALOR_NO_VALIDO;
    // from_chars would also take "inf" and "nan": only a plain number passes.
    for (std::size_t i = desde; i < s.size(); ++i)
        if (std::string_view("0123456789.eE+-").find(s[i]) == std::string_view::npos) return VALOR_NO_VALIDO;
    double v = 0;
    const char* fin = s.data() + s.size();
    const auto [p, error] = std::from_chars(s.data() + desde, fin, v);
    if (error != std::errc{} || p != fin) return VALOR_NO_VALIDO;
    return v;
}

}  // namespace quillon
