#include "resources/ansi_case.h"

namespace kelvad {

namespace {

// Two-byte UTF-8 pairs of upper- and lower-case letters outside the
// U+00C0..U+00DE / U+00E0..U+00FE block.
struct Pair {
  unsigned char upper_lead, upper_trail, lower_lead, lower_trail;
};
constexpr Pair kExtraPairs[] = {
    {0xC5, 0xA0, 0xC5, 0xA1},  // Š š
    {0xC5, 0x92, 0xC5, 0x93},  // Œ œ
    {0xC5, 0xBD, 0xC5, 0xBE},  // Ž ž
    {0xC5, 0xB8, 0xC3, 0xBF},  // Ÿ ÿ
};

std::string MapCase(std::string_view text, bool to_lower) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) {
      if (to_lower && c >= 'A' && c <= 'Z') c = static_cast<unsigned char>(c + 32);
      if (!to_lower && c >= 'a' && c <= 'z') c = static_cast<unsigned char>(c - 32);
      out += static_cast<char>(c);
      continue;
    }
    if (i + 1 < text.size()) {
      auto t = static_cast<unsigned char>(text[i + 1]);
      unsigned char lead = c, trail = t;
      if (c == 0xC3) {
        // U+00C0..U+00DE and U+00E0..U+00FE, without × and ÷.
        if (to_lower && t >= 0x80 && t <= 0x9E && t != 0x97) trail = static_cast<unsigned char>(t + 0x20);
        if (!to_lower && t >= 0xA0 && t <= 0xBE && t != 0xB7) trail = static_cast<unsigned char>(t - 0x20);
      }
      for (const Pair& p : kExtraPairs) {
        if (to_lower && c == p.upper_lead && t == p.upper_trail) lead = p.lower_lead, trail = p.lower_trail;
        if (!to_lower && c == p.lower_lead && t == p.lower_trail) lead = p.upper_lead, trail = p.upper_trail;
      }
      if (lead != c || trail != t) {
        out += static_cast<char>(lead);
        out += static_cast<char>(trail);
        ++i;
        continue;
      }
    }
    out += static_cast<char>(c);
  }
  return out;
}

}  // namespace

std::string LowerAnsi(std::string_view utf8) { return MapCase(utf8, true); }
std::string UpperAnsi(std::string_view utf8) { return MapCase(utf8, false); }

}  // namespace kelvad
