#pragma once

#include <string>
#include <string_view>

namespace kelvad {

// Letter case as the Windows ANSI code page knows it: ASCII letters, the
// Latin-1 letters and the four extra Windows-1252 pairs (Š Œ Ž Ÿ). Menu
// titles and command names reach resource names through these, so a title
// such as "Übersicht" is lower-cased as the resource compiler's users expect.
// Other characters are copied unchanged.
std::string LowerAnsi(std::string_view utf8);
std::string UpperAnsi(std::string_view utf8);

}  // namespace kelvad
