#pragma once

#include <string>
#include <string_view>

namespace kelvad {

// The 78-column comment lines of generated sources, as text without the
// line end. Widths count characters, not UTF-8 bytes: each character is
// one byte in the generated file.

inline constexpr int kBannerWidth = 78;
inline constexpr int kCommentColumn = 84;  // code is padded to this width before " // "

const std::string& StarRuleText();    // "/" 76 "*" "/"
const std::string& DoubleRuleText();  // "/*" 74 "=" "*/"
const std::string& SingleRuleText();  // "/*" 74 "-" "*/"

std::string BoxedCommentText(std::string_view text);
std::string CommentedCodeText(std::string_view code, std::string_view comment);

// Characters in a UTF-8 text.
size_t CharCount(std::string_view utf8);

}  // namespace kelvad
