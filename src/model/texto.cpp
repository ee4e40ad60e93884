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

}  // namespace quillon
