#include "model/texto.h"

namespace quillon {

void reemplazarTodo(std::string& s, std::string_view de, std::string_view por)
{
    std::string r;
    r.reserve(s.size());
    std::size_t i = 0;
    while (i < s.size()) {
        if (s.compare(i, de.size(), de) == 0) {
            r += por;
            i += de.size();
        } else {
            r += s[i++];
        }
    }
    s = std::move(r);
}

std::string recortar(std::string_view s)
{
    const auto inicio = s.find_first_not_of(' ');
    if (inicio == std::string_view::npos) return {};
    return std::string(s.substr(inicio, s.find_last_not_of(' ') - inicio + 1));
}

}  // namespace quillon
