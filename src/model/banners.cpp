#include "model/banners.h"

namespace kelvad {

size_t CharCount(std::string_view utf8) {
  size_t count = 0;
  for (char c : utf8) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
  }
  return count;
}

const std::string& StarRuleText() {
  static const std::string rule = "/" + std::string(kBannerWidth - 2, '*') + "/";
  return rule;
}

const std::string& DoubleRuleText() {
  static const std::string rule = "/*" + std::string(kBannerWidth - 4, '=') + "*/";
  return rule;
}

const std::string& SingleRuleText() {
  static const std::string rule = "/*" + std::string(kBannerWidth - 4, '-') + "*/";
  return rule;
}

std::string BoxedCommentText(std::string_view text) {
  size_t length = CharCount(text);
  std::string line = "/* " + std::string(text);
  if (length + 6 <= kBannerWidth) line += std::string(kBannerWidth - 6 - length, ' ');
  return line + " */";
}

std::string CommentedCodeText(std::string_view code, std::string_view comment) {
  if (comment.empty()) return std::string(code);
  size_t length = CharCount(code);
  std::string line(code);
  if (length <= kCommentColumn) line += std::string(kCommentColumn - length, ' ');
  return line + " // " + std::string(comment);
}

}  // namespace kelvad
