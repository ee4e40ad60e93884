#include "model/compuestos.h"

#include <array>

#include "model/texto.h"

namespace quillon {
namespace {

constexpr std::array kLista = std::to_array<Compuesto>({
    {"etanol", 46.07, "46.07"},
    {"alcohol", 46.07, "46.07"},
    {"alcohol etilico", 46.07, "46.07"},
    {"agua", 18.01528, "18.01528"},
    {"acetona", 58.08, "58.08"},
    {"propanona", 58.08, "58.08"},
    {"dimetilcetona", 58.08, "58.08"},
    {"dimetil cetona", 58.08, "58.08"},
    {"acetato de etilo", 88.11, "88.11"},
    {"cloroformo", 119.38, "119.38"},
    {"etilenglicol", 62.068, "62.068"},
    {"1,2-etanodiol", 62.068, "62.068"},
    {"benceno", 78.1121, "78.1121"},
    {"tolueno", 92.14, "92.14"},
    {"CCl4", 153.8, "153.8"},
    {"tetracloruro de carbono", 153.8, "153.8"},
    {"metanol", 32.04, "32.04"},
    {"alcohol metilico", 32.04, "32.04"},
    {"n-heptano", 100.21, "100.21"},
    {"heptano", 100.21, "100.21"},
    {"ethanol", 46.07, "46.07"},
    {"ethyl alcohol", 46.07, "46.07"},
    {"water", 18.01528, "18.01528"},
    {"acetone", 58.08, "58.08"},
    {"propanone", 58.08, "58.08"},
    {"dimethylcetone", 58.08, "58.08"},
    {"dimethyl cetone", 58.08, "58.08"},
    {"ethyl acetate", 88.11, "88.11"},
    {"chloroform", 119.38, "119.38"},
    {"ethylene glycol", 62.068, "62.068"},
    {"1,2-ethanediol", 62.068, "62.068"},
    {"ethane-1,2-diol", 62.068, "62.068"},
    {"benzene", 78.1121, "78.1121"},
    {"toluene", 92.14, "92.14"},
    {"carbon tetrachloride", 153.8, "153.8"},
    {"metanol", 32.04, "32.04"},
    {"alcohol metilico", 32.04, "32.04"},
    {"n-heptane", 100.21, "100.21"},
    {"heptane", 100.21, "100.21"},
    {"wasser", 18.01528, "18.01528"},
    {"eau", 18.01528, "18.01528"},
    {"aqua", 18.01528, "18.01528"},
    {"acua", 18.01528, "18.01528"},
    // Common teaching solvents, English names. Masses from the standard
    // atomic weights, to two decimals.
    {"methanol", 32.04, "32.04"},
    {"methyl alcohol", 32.04, "32.04"},
    {"1-propanol", 60.1, "60.1"},
    {"n-propanol", 60.1, "60.1"},
    {"propyl alcohol", 60.1, "60.1"},
    {"2-propanol", 60.1, "60.1"},
    {"isopropanol", 60.1, "60.1"},
    {"isopropyl alcohol", 60.1, "60.1"},
    {"1-butanol", 74.12, "74.12"},
    {"n-butanol", 74.12, "74.12"},
    {"butyl alcohol", 74.12, "74.12"},
    {"acetic acid", 60.05, "60.05"},
    {"formic acid", 46.03, "46.03"},
    {"n-hexane", 86.18, "86.18"},
    {"hexane", 86.18, "86.18"},
    {"cyclohexane", 84.16, "84.16"},
    {"n-octane", 114.23, "114.23"},
    {"octane", 114.23, "114.23"},
    {"p-xylene", 106.17, "106.17"},
    {"ethylbenzene", 106.17, "106.17"},
    {"styrene", 104.15, "104.15"},
    {"diethyl ether", 74.12, "74.12"},
    {"ethyl ether", 74.12, "74.12"},
    {"dichloromethane", 84.93, "84.93"},
    {"methylene chloride", 84.93, "84.93"},
    {"acetonitrile", 41.05, "41.05"},
    {"tetrahydrofuran", 72.11, "72.11"},
    {"thf", 72.11, "72.11"},
    {"n-pentane", 72.15, "72.15"},
    {"pentane", 72.15, "72.15"},
    {"phenol", 94.11, "94.11"},
    // Their Spanish names where they differ from the English ones, without
    // accents ("metanol" and "alcohol metilico" are already above).
    {"alcohol propilico", 60.1, "60.1"},
    {"alcohol isopropilico", 60.1, "60.1"},
    {"alcohol butilico", 74.12, "74.12"},
    {"acido acetico", 60.05, "60.05"},
    {"acido formico", 46.03, "46.03"},
    {"n-hexano", 86.18, "86.18"},
    {"hexano", 86.18, "86.18"},
    {"ciclohexano", 84.16, "84.16"},
    {"n-octano", 114.23, "114.23"},
    {"octano", 114.23, "114.23"},
    {"p-xileno", 106.17, "106.17"},
    {"etilbenceno", 106.17, "106.17"},
    {"estireno", 104.15, "104.15"},
    {"eter dietilico", 74.12, "74.12"},
    {"dietil eter", 74.12, "74.12"},
    {"eter etilico", 74.12, "74.12"},
    {"diclorometano", 84.93, "84.93"},
    {"cloruro de metileno", 84.93, "84.93"},
    {"acetonitrilo", 41.05, "41.05"},
    {"tetrahidrofurano", 72.11, "72.11"},
    {"n-pentano", 72.15, "72.15"},
    {"pentano", 72.15, "72.15"},
    {"fenol", 94.11, "94.11"},
});

// Lower case of ASCII and of the Latin-1 capitals (two-byte UTF-8 "\xC3\x80"
// to "\xC3\x9E", but not the multiplication sign).
std::string aMinusculas(std::string_view s)
{
    std::string r;
    r.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c >= 'A' && c <= 'Z') {
            r += static_cast<char>(c + 32);
        } else if (c == 0xC3 && i + 1 < s.size()) {
            const auto d = static_cast<unsigned char>(s[i + 1]);
            r += static_cast<char>(c);
            r += static_cast<char>(d >= 0x80 && d <= 0x9E && d != 0x97 ? d + 0x20 : d);
            ++i;
        } else {
            r += static_cast<char>(c);
        }
    }
    return r;
}

}  // namespace

std::span<const Compuesto> listaCompuestos() { return kLista; }

std::string normalizarNombre(std::string_view nombre)
{
    const std::string s = aMinusculas(recortar(nombre));
    // Only the acute vowels are folded: á é í ó ú.
    std::string r;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (static_cast<unsigned char>(s[i]) == 0xC3 && i + 1 < s.size()) {
            const auto d = static_cast<unsigned char>(s[i + 1]);
            const char* plano = d == 0xA1 ? "a" : d == 0xA9 ? "e" : d == 0xAD ? "i" : d == 0xB3 ? "o" : d == 0xBA ? "u" : nullptr;
            if (plano) {
                r += plano;
                ++i;
                continue;
            }
        }
        r += s[i];
    }
    return r;
}

std::optional<Compuesto> BuscarCompuesto(std::string_view nombre)
{
    const std::string buscado = normalizarNombre(nombre);
    for (const Compuesto& c : kLista)
        if (aMinusculas(c.nombre) == buscado) return c;
    return std::nullopt;
}

}  // namespace quillon
