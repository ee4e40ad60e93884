#pragma once
// Files hold one byte per character in the Windows-1252 code page; the
// program works in UTF-8.

#include <string>
#include <string_view>

namespace quillon {

std::string desdeWindows1252(std::string_view bytes);
// Characters the code page lacks are written as "?"; `sustituyo`, when
// given, says whether any was.
std::string aWindows1252(std::string_view utf8, bool* sustituyo = nullptr);

// The general format of a double in the files: 15 significant digits (17
// when 15 would not read back as the same double), trailing zeros dropped,
// exponent form ("1E-05") for the very small and large, `sep` as decimal
// separator; appended to `s`.
void anadirGeneral(std::string& s, double v, char sep);

}  // namespace quillon
