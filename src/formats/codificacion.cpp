#include "formats/codificacion.h"

#include <array>
#include <charconv>
#include <cstdint>

namespace quillon {
namespace {

// Code points of the bytes 0x80..0x9F; 0 where the code page has none.
constexpr std::array<char32_t, 32> kAltos{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void anadirUtf8(std::string& s, char32_t c)
{
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char byteDe(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    // The five bytes the code page leaves undefined were read as themselves.
    if (c >= 0x80 && c < 0xA0 && kAltos[c - 0x80] == 0) return static_cast<char>(c);
    for (std::size_t i = 0; i < kAltos.size(); ++i)
        if (kAltos[i] == c && c != 0) return static_cast<char>(0x80 + i);
    return '?';
}

}  // namespace

std::string desdeWindows1252(std::string_view bytes)
{
    std::string s;
    s.reserve(bytes.size());
    for (char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        if (u >= 0x80 && u < 0xA0) {
            const char32_t c = kAltos[u - 0x80];
            anadirUtf8(s, c ? c : u);  // undefined bytes keep their value
        } else {
            anadirUtf8(s, u);
        }
    }
    return s;
}

std::string aWindows1252(std::string_view utf8, bool* sustituyo)
{
    // Never longer than its UTF-8: written in place, not byte by byte
    // appended, as whole documents pass through here on every save.
    std::string s(utf8.size(), '\0');
    std::size_t n = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto u = static_cast<unsigned char>(utf8[i]);
        char32_t c = u;
        std::size_t largo = 1;
        if (u >= 0xF0) { c = u & 0x07; largo = 4; }
        else if (u >= 0xE0) { c = u & 0x0F; largo = 3; }
        else if (u >= 0xC0) { c = u & 0x1F; largo = 2; }
        else if (u >= 0x80) { c = 0xFFFD; }  // a stray continuation byte
        for (std::size_t k = 1; k < largo && i + k < utf8.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        s[n] = byteDe(c);
        if (sustituyo && s[n] == '?' && c != U'?') *sustituyo = true;
        ++n;
        i += largo;
    }
    s.resize(n);
    return s;
}

void anadirGeneral(std::string& s, double v, char sep)
{
    // Fifteen significant digits, as the files have always been written,
    // unless two doubles that differ would then be written alike: the point
    // must read back as the very double it was, or a table of close points
    // would be saved as one that is refused.
    char buf[64];
    auto fin = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 15).ptr;
    double leido = 0;
    std::from_chars(buf, fin, leido);
    if (leido != v && v == v) fin = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 17).ptr;
    for (char* c = buf; c != fin; ++c) {
        if (*c == 'e') *c = 'E';
        if (*c == '.') *c = sep;
    }
    s.append(buf, fin);
}

}  // namespace quillon
