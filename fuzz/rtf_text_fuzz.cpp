// Any text given as RTF is refused with an Error or read into paragraphs
// and HTML; read in pieces cut anywhere it reads the same as whole.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/errors.h"
#include "platform/rtf_text.h"

namespace {

std::optional<kelvad::RtfDocument> Whole(std::string_view rtf) {
  try {
    return kelvad::ReadRtf(rtf);
  } catch (const kelvad::Error&) {
    return std::nullopt;
  }
}

std::optional<kelvad::RtfDocument> InPieces(std::string_view rtf, std::size_t step) {
  try {
    kelvad::RtfReader reader;
    for (std::size_t i = 0; i < rtf.size(); i += step) reader.Read(rtf.substr(i, step));
    return reader.Finish();
  } catch (const kelvad::Error&) {
    return std::nullopt;
  }
}

bool Same(const std::optional<kelvad::RtfDocument>& a, const std::optional<kelvad::RtfDocument>& b) {
  if (!a || !b) return !a == !b;
  return kelvad::RtfToHtml(*a) == kelvad::RtfToHtml(*b) && a->styles == b->styles &&
         a->default_tab == b->default_tab && a->balanced == b->balanced;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The pieces are cut at a length that varies with the input.
  const std::size_t step = size % 13 + 1;
  const std::string_view rtf(reinterpret_cast<const char*>(data), size);
  const auto whole = Whole(rtf);
  if (!Same(whole, InPieces(rtf, step))) __builtin_trap();
  if (whole) kelvad::RtfHtmlToAppend(whole->paragraphs);

  // The document as a report that grows: its first half, then all of it
  // with the second half inserted before a closing brace.
  try {
    const std::string half(rtf.substr(0, rtf.size() / 2));
    kelvad::RtfGrowingDocument growing(half + "}\r\n");
    kelvad::RtfHtmlToAppend(growing.Update(std::string(rtf) + "}\r\n"));
  } catch (const kelvad::Error&) {
  }
  return 0;
}
