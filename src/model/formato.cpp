#include "model/formato.h"

#include "model/texto.h"
#include <charconv>
#include <cmath>
#include <string_view>

namespace quillon {
double Redondear(double v, double k, int& errorEntrada)
{
    errorEntrada = 0;
    const double escala = std::pow(10.0, -1 - k);
    const double r = std::floor(v * escala + 0.5) / escala;
    if (!std::isfinite(r)) {
        errorEntrada = 1;
        return 0;
    }
    return r;
}

std::string TextoNumero(double v)
{
    char buf[64];
    // The general form with 15 digits is %.15g without the locale: the point
    // is always ".", trailing zeros are dropped and a leading point gets its
    // "0". No exponent: callers pass 0.01 <= |v| <= 100000 or a mantissa.
    auto fin = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 15).ptr;
    std::string s(buf, fin);
    reemplazarTodo(s, ".", "&.");
    return s;
}

std::string FormatoNumero(double v, double n, char sepDecimal)
{
    if (v == 0) return "0";
    // Out of the doubles' ordinary range (an absurd mass in pounds, say):
    // say so rather than print a mangled exponent.
    if (std::isnan(v)) return "NaN";
    if (std::isinf(v)) return v < 0 ? "-Inf" : "Inf";
    const double signo = v < 0 ? -1 : 1;
    const double a = std::fabs(v);
    const double e = std::floor(std::log(a) / std::log(10.0));
    int error = 0;
    const std::string sep(1, sepDecimal);

    if (a >= 0.01 && a < 100000) {
        std::string t = TextoNumero(signo * Redondear(a, e - n, error));
        reemplazarTodo(t, "&", "");
        reemplazarTodo(t, ".", sep);
        return t;
    }

    // Below about 1e-290 the rounding scale 10^(n - 1 - e) overflows: round
    // a copy raised by 10^30, which has the same mantissa.
    const double subida = a < 1e-290 ? 30 : 0;
    const double m = Redondear(a * std::pow(10.0, subida), e + subida - n, error) / std::pow(10.0, e + subida);
    std::string t = TextoNumero(m);
    if (t.find("&.") == std::string::npos && n >= 2) t += "&.";
    while (n + 1 > static_cast<double>(t.size())) t += "0";
    t += "&E" + std::to_string(static_cast<long long>(e));
    if (v < 0) t = "-" + t;
    reemplazarTodo(t, "&", "");
    for (int i = 0; i < 10; ++i) reemplazarTodo(t, "0E", "E");
    reemplazarTodo(t, ".E", "E");
    // A mantissa that rounded up to 10 becomes 1 with the next exponent.
    const std::size_t inicio = t[0] == '-' ? 1 : 0;
    if (t.compare(inicio, 3, "10E") == 0)
        t = t.substr(0, inicio) + "1E" + std::to_string(static_cast<long long>(e) + 1);
    reemplazarTodo(t, ".", sep);
    return t;
}

std::string textoCompleto(double v, char sepDecimal)
{
    char buf[64];
    const auto fin = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 17).ptr;
    std::string s(buf, fin);
    for (char& c : s)
        if (c == '.') c = sepDecimal;
    return s;
}

}  // namespace quillon
