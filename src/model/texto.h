#pragma once
// Small text helpers shared by the parser, the formatter and the files.

#include <string>
#include <string_view>

namespace quillon {

// Every non-overlapping occurrence of `de`, left to right, becomes `por`.
void reemplazarTodo(std::string& s, std::string_view de, std::string_view por);

// Blanks (spaces) removed at both ends.
std::string recortar(std::string_view s);

}  // namespace quillon
