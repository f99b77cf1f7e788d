#include "platform/rtf_text.h"

#include <algorithm>
#include <array>
#include <unordered_map>
#include <utility>

#include "platform/encoding.h"
#include "platform/errors.h"

namespace kelvad {
namespace {

// Deeper nesting than any document of ours; refusing it bounds the memory
// a hostile document can take per byte.
constexpr size_t kMaxDepth = 1000;
// Twips and half-points are kept well inside int whatever a document says.
constexpr long kMaxParameter = 1000000;
constexpr size_t kMaxColours = 4096;

enum class Destination { kBody, kFontTable, kColourTable, kStyleSheet, kSkip };

struct CharState {
  bool bold = false;
  bool italic = false;
  bool underline = false;
  int font = -1;  // -1: the document's default font
  int half_points = 24;
  int colour = 0;
  bool operator==(const CharState&) const = default;
};

struct ParaState {
  RtfAlignment alignment = RtfAlignment::kLeft;
  int left = 0, right = 0, first = 0, before = 0, after = 0;
  int style = 0;
};

struct Group {
  CharState chars;
  ParaState para;
  int uc = 1;  // fallback characters after \uN
  Destination destination = Destination::kBody;
  bool table = false;  // the group that opened a table: its groups are entries
};

struct Font {
  std::string name;
  RtfFontFamily family = RtfFontFamily::kNil;
};

enum class Word {
  kUnknown, kRtf, kFontTable, kColourTable, kStyleSheet, kSkipDestination, kDefaultFont, kDefaultTab, kUc, kU,
  kBin, kFont, kRed, kGreen, kBlue, kStyle, kPar, kLine, kTab, kBold, kItalic, kUnderline, kUnderlineNone,
  kPlain, kFontSize, kColour, kPard, kLeftAligned, kCentred, kRightAligned, kJustified, kLeftIndent,
  kRightIndent, kFirstIndent, kSpaceBefore, kSpaceAfter, kCharacter, kFamily
};

struct WordInfo {
  Word word;
  char32_t character = 0;  // kCharacter
  RtfFontFamily family = RtfFontFamily::kNil;  // kFamily
};

const std::unordered_map<std::string_view, WordInfo>& Words() {
  static const auto* words = [] {
    auto* m = new std::unordered_map<std::string_view, WordInfo>{
        {"rtf", {Word::kRtf}},         {"fonttbl", {Word::kFontTable}}, {"colortbl", {Word::kColourTable}},
        {"stylesheet", {Word::kStyleSheet}}, {"deff", {Word::kDefaultFont}}, {"deftab", {Word::kDefaultTab}},
        {"uc", {Word::kUc}},           {"u", {Word::kU}},               {"bin", {Word::kBin}},
        {"f", {Word::kFont}},          {"red", {Word::kRed}},           {"green", {Word::kGreen}},
        {"blue", {Word::kBlue}},       {"s", {Word::kStyle}},           {"par", {Word::kPar}},
        {"line", {Word::kLine}},       {"tab", {Word::kTab}},           {"b", {Word::kBold}},
        {"i", {Word::kItalic}},        {"ul", {Word::kUnderline}},      {"ulnone", {Word::kUnderlineNone}},
        {"plain", {Word::kPlain}},     {"fs", {Word::kFontSize}},       {"cf", {Word::kColour}},
        {"pard", {Word::kPard}},       {"ql", {Word::kLeftAligned}},    {"qc", {Word::kCentred}},
        {"qr", {Word::kRightAligned}}, {"qj", {Word::kJustified}},      {"li", {Word::kLeftIndent}},
        {"ri", {Word::kRightIndent}},  {"fi", {Word::kFirstIndent}},    {"sb", {Word::kSpaceBefore}},
        {"sa", {Word::kSpaceAfter}},
        {"bullet", {Word::kCharacter, 0x2022}},    {"emdash", {Word::kCharacter, 0x2014}},
        {"endash", {Word::kCharacter, 0x2013}},    {"lquote", {Word::kCharacter, 0x2018}},
        {"rquote", {Word::kCharacter, 0x2019}},    {"ldblquote", {Word::kCharacter, 0x201C}},
        {"rdblquote", {Word::kCharacter, 0x201D}}, {"emspace", {Word::kCharacter, 0x2003}},
        {"enspace", {Word::kCharacter, 0x2002}},   {"qmspace", {Word::kCharacter, 0x2005}},
        {"fnil", {Word::kFamily, 0, RtfFontFamily::kNil}},       {"froman", {Word::kFamily, 0, RtfFontFamily::kRoman}},
        {"fswiss", {Word::kFamily, 0, RtfFontFamily::kSwiss}},   {"fmodern", {Word::kFamily, 0, RtfFontFamily::kModern}},
        {"fscript", {Word::kFamily, 0, RtfFontFamily::kScript}}, {"fdecor", {Word::kFamily, 0, RtfFontFamily::kDecor}},
        {"ftech", {Word::kFamily, 0, RtfFontFamily::kTech}},
    };
    // The underline styles all underline.
    for (const char* w : {"uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave", "ulldash", "ulth", "ulthd",
                          "ulthdash", "ulthdashd", "ulthdashdd", "ulthldash", "ululdbwave", "ulw", "ulwave"}) {
      m->emplace(w, WordInfo{Word::kUnderline});
    }
    // Destinations without body text, and those whose text is not shown
    // (field instructions, bookmarks, index entries).
    for (const char* w :
         {"info", "pict", "object", "objdata", "header", "headerl", "headerr", "headerf", "footer", "footerl",
          "footerr", "footerf", "footnote", "annotation", "atnid", "atnauthor", "fldinst", "xe", "tc", "txe",
          "bkmkstart", "bkmkend", "shp", "shpinst", "nonshppict", "themedata", "colorschememapping", "datastore",
          "latentstyles", "listtable", "listoverridetable", "revtbl", "rsidtbl", "generator", "filetbl",
          "pgdsctbl", "xmlnstbl", "mmathPr", "private", "fchars", "lchars", "template", "docvar", "pnseclvl",
          "comment", "title", "subject", "author", "operator", "keywords", "doccomm", "company", "category",
          "manager", "hlinkbase", "userprops", "buptim", "creatim", "revtim", "printim"}) {
      m->emplace(w, WordInfo{Word::kSkipDestination});
    }
    return m;
  }();
  return *words;
}

// The character of each Windows-1252 byte.
const std::array<char32_t, 256>& Cp1252() {
  static const auto table = [] {
    std::array<char32_t, 256> t{};
    for (int b = 0; b < 256; ++b) {
      std::string utf8 = FromWindows1252(std::string(1, static_cast<char>(b)));
      auto lead = static_cast<unsigned char>(utf8[0]);
      char32_t cp = utf8.size() == 1 ? lead : utf8.size() == 2 ? lead & 0x1F : lead & 0x0F;
      for (size_t k = 1; k < utf8.size(); ++k) cp = (cp << 6) | (static_cast<unsigned char>(utf8[k]) & 0x3F);
      t[b] = cp;
    }
    return t;
  }();
  return table;
}

// Characters a paragraph can show: tab, and no other control character.
bool Shown(char32_t cp) { return cp == '\t' || (cp >= 0x20 && (cp < 0x7F || cp > 0x9F)); }

bool IsAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int Hex(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string Trimmed(const std::string& s) {
  size_t b = s.find_first_not_of(' ');
  if (b == std::string::npos) return "";
  return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

}  // namespace

std::string RtfParagraph::Text() const {
  std::string out;
  for (const RtfRun& run : runs) out += run.text;
  return out;
}

struct RtfReader::State {
  // Returns how much of `buf` was read; the rest is a control word that the
  // next piece may continue.
  size_t Consume(std::string_view buf, bool final);
  void OpenGroup();
  void CloseGroup();
  void ControlWord(std::string_view word, bool has_parameter, long parameter);
  void ControlSymbol(char c);
  void Character(char32_t cp, bool from_byte);
  void Unicode(long parameter);
  void FlushSurrogate();
  void BodyText(char32_t cp);
  void EndParagraph();
  void CommitFont();
  void CommitColour();
  void CommitStyle();
  void StartToken(bool is_rtf);
  RtfCharFormat Resolve(const CharState& c) const;
  Group& top() { return groups.back(); }

  std::string pending;
  bool started = false;    // the document's first brace was read
  bool expect_rtf = false; // its first token must be \rtf
  bool ended = false;      // its last brace was read
  bool first_token = false;  // nothing read yet in the innermost group
  bool balanced = true;
  std::vector<Group> groups;
  size_t bin_left = 0;   // binary bytes of \binN still to pass over
  int skip_left = 0;     // fallback characters of \uN still to skip
  char32_t high = 0;     // a pending high surrogate

  int default_font = 0;
  int default_tab = 720;
  std::map<int, Font> fonts;
  std::vector<std::optional<RtfColour>> colours;
  std::map<int, std::string> styles;

  // The table entry being read.
  std::optional<int> font_number;
  Font font_entry;
  RtfColour colour_entry;
  bool colour_given = false;
  std::optional<int> style_number;
  std::string style_name;

  std::vector<RtfRun> runs;  // the paragraph being read
  CharState run_chars;       // the formatting of runs.back()
  std::vector<RtfParagraph> paragraphs;
};

size_t RtfReader::State::Consume(std::string_view buf, bool final) {
  const size_t n = buf.size();
  size_t i = 0;
  while (i < n) {
    if (bin_left > 0) {
      size_t k = std::min(bin_left, n - i);
      i += k;
      bin_left -= k;
      continue;
    }
    if (ended) {
      // What follows the document is not read; only line ends belong there.
      if (buf.substr(i).find_first_not_of("\r\n\0 ", 0, 4) != std::string_view::npos) balanced = false;
      return n;
    }
    const char c = buf[i];
    if (!started) {
      if (c == ' ' || c == '\r' || c == '\n' || c == '\t') {
        ++i;
        continue;
      }
      if (c != '{') throw Error("The text is not RTF: it does not start with {\\rtf.");
      started = expect_rtf = first_token = true;
      groups.emplace_back();
      ++i;
      continue;
    }
    if (c == '{') {
      OpenGroup();
      ++i;
    } else if (c == '}') {
      CloseGroup();
      ++i;
    } else if (c == '\r' || c == '\n') {
      ++i;
    } else if (c != '\\') {
      Character(static_cast<unsigned char>(c), true);
      ++i;
    } else if (i + 1 == n) {
      return final ? n : i;
    } else if (IsAlpha(buf[i + 1])) {
      size_t j = i + 1;
      while (j < n && IsAlpha(buf[j])) ++j;
      std::string_view word = buf.substr(i + 1, j - i - 1);
      size_t k = j;
      if (k + 1 == n && buf[k] == '-' && !final) return i;  // a number may follow
      if (k + 1 < n && buf[k] == '-' && IsDigit(buf[k + 1])) ++k;
      size_t digits = k;
      while (k < n && IsDigit(buf[k])) ++k;
      if (k == n && !final) return i;  // the word, its number or its delimiter may go on
      bool has_parameter = k > digits;
      long parameter = 0;
      for (size_t d = digits; d < k; ++d) parameter = std::min(parameter * 10 + (buf[d] - '0'), kMaxParameter);
      if (has_parameter && buf[j] == '-') parameter = -parameter;
      if (!has_parameter) k = j;  // a lone '-' is text
      if (k < n && buf[k] == ' ') ++k;
      i = k;
      ControlWord(word, has_parameter, parameter);
    } else if (buf[i + 1] == '\'') {
      if (i + 4 > n) return final ? n : i;
      int h = Hex(buf[i + 2]), l = Hex(buf[i + 3]);
      if (h < 0 || l < 0) {
        i += 2;
        continue;
      }
      Character(static_cast<char32_t>(h * 16 + l), true);
      i += 4;
    } else {
      ControlSymbol(buf[i + 1]);
      i += 2;
    }
  }
  return n;
}

void RtfReader::State::StartToken(bool is_rtf) {
  if (expect_rtf && !is_rtf) throw Error("The text is not RTF: it does not start with {\\rtf.");
  expect_rtf = false;
  first_token = false;
}

void RtfReader::State::OpenGroup() {
  StartToken(false);
  skip_left = 0;
  FlushSurrogate();
  if (groups.size() >= kMaxDepth) throw Error("The RTF document nests its groups too deeply.");
  Group inner = top();
  if (inner.table) {  // a new entry of the table
    if (inner.destination == Destination::kFontTable) CommitFont();
    if (inner.destination == Destination::kStyleSheet) style_number.reset(), style_name.clear();
    inner.table = false;
  }
  groups.push_back(inner);
  first_token = true;
}

void RtfReader::State::CloseGroup() {
  skip_left = 0;
  FlushSurrogate();
  first_token = false;
  if (groups.empty()) {
    balanced = false;
    return;
  }
  switch (top().destination) {
    case Destination::kFontTable: CommitFont(); break;
    case Destination::kStyleSheet: CommitStyle(); break;
    case Destination::kColourTable:
      if (top().table && colour_given) CommitColour();
      break;
    default: break;
  }
  if (groups.size() == 1) {
    // The document's last paragraph mark is its closing brace.
    if (!runs.empty()) EndParagraph();
    ended = true;
  }
  groups.pop_back();
}

void RtfReader::State::ControlWord(std::string_view word, bool has_parameter, long parameter) {
  auto found = Words().find(word);
  const WordInfo info = found == Words().end() ? WordInfo{Word::kUnknown} : found->second;
  const bool first = first_token;
  StartToken(info.word == Word::kRtf);
  Group& g = top();
  if (g.destination == Destination::kSkip) {
    if (info.word == Word::kBin && parameter > 0) bin_left = parameter;
    return;
  }
  if (info.word == Word::kBin) {  // binary data outside a picture is not text either
    if (parameter > 0) bin_left = parameter;
    return;
  }
  if (skip_left > 0 && info.word != Word::kU) {
    --skip_left;
    return;
  }
  if (info.word != Word::kU) FlushSurrogate();
  const int value = static_cast<int>(parameter);
  const bool on = !has_parameter || value != 0;

  switch (info.word) {
    case Word::kFontTable:
    case Word::kColourTable:
    case Word::kStyleSheet:
      if (first) {
        g.destination = info.word == Word::kFontTable     ? Destination::kFontTable
                        : info.word == Word::kColourTable ? Destination::kColourTable
                                                          : Destination::kStyleSheet;
        g.table = true;
        colour_entry = {};
        colour_given = false;
      }
      return;
    case Word::kSkipDestination:
      if (first) g.destination = Destination::kSkip;
      return;
    case Word::kDefaultFont: default_font = value; return;
    case Word::kDefaultTab:
      if (value > 0) default_tab = value;
      return;
    case Word::kUc: g.uc = std::clamp(value, 0, 16); return;
    case Word::kU: Unicode(parameter); return;
    default: break;
  }

  switch (g.destination) {
    case Destination::kFontTable:
      if (info.word == Word::kFont) {
        CommitFont();
        font_number = value;
      } else if (info.word == Word::kFamily) {
        font_entry.family = info.family;
      }
      return;
    case Destination::kColourTable: {
      auto level = static_cast<std::uint8_t>(std::clamp(value, 0, 255));
      if (info.word == Word::kRed) colour_entry.red = level, colour_given = true;
      if (info.word == Word::kGreen) colour_entry.green = level, colour_given = true;
      if (info.word == Word::kBlue) colour_entry.blue = level, colour_given = true;
      return;
    }
    case Destination::kStyleSheet:
      if (info.word == Word::kStyle) style_number = value;
      return;
    default: break;
  }

  CharState& ch = g.chars;
  ParaState& pa = g.para;
  switch (info.word) {
    case Word::kPar: EndParagraph(); break;
    case Word::kLine: BodyText('\n'); break;
    case Word::kTab: BodyText('\t'); break;
    case Word::kCharacter: BodyText(info.character); break;
    case Word::kBold: ch.bold = on; break;
    case Word::kItalic: ch.italic = on; break;
    case Word::kUnderline: ch.underline = on; break;
    case Word::kUnderlineNone: ch.underline = false; break;
    case Word::kPlain: ch = CharState{}; break;
    case Word::kFont: ch.font = value; break;
    case Word::kFontSize: ch.half_points = value > 0 ? std::min(value, 3276) : 24; break;
    case Word::kColour: ch.colour = value; break;
    case Word::kPard: pa = ParaState{}; break;
    case Word::kLeftAligned: pa.alignment = RtfAlignment::kLeft; break;
    case Word::kCentred: pa.alignment = RtfAlignment::kCenter; break;
    case Word::kRightAligned: pa.alignment = RtfAlignment::kRight; break;
    case Word::kJustified: pa.alignment = RtfAlignment::kJustified; break;
    case Word::kLeftIndent: pa.left = value; break;
    case Word::kRightIndent: pa.right = value; break;
    case Word::kFirstIndent: pa.first = value; break;
    case Word::kSpaceBefore: pa.before = value; break;
    case Word::kSpaceAfter: pa.after = value; break;
    case Word::kStyle: pa.style = value; break;
    default: break;  // unknown words, and words of no use here
  }
}

void RtfReader::State::ControlSymbol(char c) {
  const bool first = first_token;
  StartToken(false);
  Group& g = top();
  if (c == '*') {
    // "Skip this destination unless you know it": none that we know of is
    // marked so.
    if (first) g.destination = Destination::kSkip;
    return;
  }
  if (g.destination == Destination::kSkip) return;
  if (skip_left > 0) {
    --skip_left;
    return;
  }
  switch (c) {
    case '\\':
    case '{':
    case '}': Character(static_cast<unsigned char>(c), false); break;
    case '~': Character(0xA0, false); break;
    case '_': Character(0x2011, false); break;
    case '\r':
    case '\n':
      FlushSurrogate();
      if (g.destination == Destination::kBody) EndParagraph();
      break;
    default: break;  // the optional hyphen \- shows nothing; \| \: are for indexes
  }
}

// A character of text: a byte of the document (plain or \'hh), or a
// character given by its code.
void RtfReader::State::Character(char32_t cp, bool from_byte) {
  if (from_byte) {
    StartToken(false);
    if (top().destination == Destination::kSkip) return;
    if (skip_left > 0) {
      --skip_left;
      return;
    }
  }
  FlushSurrogate();
  const char32_t code = from_byte ? Cp1252()[cp & 0xFF] : cp;
  switch (top().destination) {
    case Destination::kFontTable:
      if (code == ';') CommitFont();
      else if (Shown(code)) AppendUtf8(font_entry.name, code);
      break;
    case Destination::kColourTable:
      if (code == ';') CommitColour();
      break;
    case Destination::kStyleSheet:
      if (code == ';') CommitStyle();
      else if (Shown(code)) AppendUtf8(style_name, code);
      break;
    case Destination::kBody: BodyText(code); break;
    case Destination::kSkip: break;
  }
}

void RtfReader::State::Unicode(long parameter) {
  char32_t unit = static_cast<char32_t>(parameter < 0 ? parameter + 65536 : parameter) & 0xFFFF;
  skip_left = top().uc;
  char32_t cp = unit;
  if (unit >= 0xDC00 && unit < 0xE000) {
    cp = high ? 0x10000 + ((high - 0xD800) << 10) + (unit - 0xDC00) : 0xFFFD;
    high = 0;
  } else {
    FlushSurrogate();
    if (unit >= 0xD800 && unit < 0xDC00) {
      high = unit;
      return;
    }
  }
  if (cp == 0) return;
  Group& g = top();
  if (g.destination == Destination::kBody) BodyText(cp);
  if (g.destination == Destination::kFontTable && Shown(cp)) AppendUtf8(font_entry.name, cp);
  if (g.destination == Destination::kStyleSheet && Shown(cp)) AppendUtf8(style_name, cp);
}

void RtfReader::State::FlushSurrogate() {
  if (!high) return;
  high = 0;
  if (!groups.empty() && top().destination == Destination::kBody) BodyText(0xFFFD);
}

void RtfReader::State::BodyText(char32_t cp) {
  if (cp != '\n' && !Shown(cp)) return;
  const CharState& chars = top().chars;
  if (runs.empty() || !(run_chars == chars)) {
    runs.push_back({Resolve(chars), ""});
    run_chars = chars;
  }
  AppendUtf8(runs.back().text, cp);
}

void RtfReader::State::EndParagraph() {
  const Group& g = top();
  RtfParagraph p;
  p.alignment = g.para.alignment;
  p.left_indent = g.para.left;
  p.right_indent = g.para.right;
  p.first_indent = g.para.first;
  p.space_before = g.para.before;
  p.space_after = g.para.after;
  p.style = g.para.style;
  p.mark = Resolve(g.chars);
  p.runs = std::move(runs);
  runs.clear();
  paragraphs.push_back(std::move(p));
}

void RtfReader::State::CommitFont() {
  if (font_number) fonts[*font_number] = {Trimmed(font_entry.name), font_entry.family};
  font_number.reset();
  font_entry = {};
}

void RtfReader::State::CommitColour() {
  if (colours.size() < kMaxColours) colours.push_back(colour_given ? std::optional(colour_entry) : std::nullopt);
  colour_entry = {};
  colour_given = false;
}

void RtfReader::State::CommitStyle() {
  std::string name = Trimmed(style_name);
  if (!name.empty()) styles[style_number.value_or(0)] = name;
  style_number.reset();
  style_name.clear();
}

RtfCharFormat RtfReader::State::Resolve(const CharState& c) const {
  RtfCharFormat f;
  f.bold = c.bold;
  f.italic = c.italic;
  f.underline = c.underline;
  auto font = fonts.find(c.font < 0 ? default_font : c.font);
  if (font != fonts.end()) f.font = font->second.name, f.family = font->second.family;
  f.half_points = c.half_points;
  if (c.colour >= 0 && static_cast<size_t>(c.colour) < colours.size()) f.colour = colours[c.colour];
  return f;
}

RtfReader::RtfReader() : state_(std::make_unique<State>()) {}
RtfReader::~RtfReader() = default;
RtfReader::RtfReader(RtfReader&&) noexcept = default;
RtfReader& RtfReader::operator=(RtfReader&&) noexcept = default;

void RtfReader::Read(std::string_view piece, bool ends_token) {
  State& s = *state_;
  if (s.pending.empty()) {
    size_t used = s.Consume(piece, ends_token);
    s.pending.assign(piece.substr(used));
  } else {
    std::string buf = std::move(s.pending);
    buf.append(piece);
    size_t used = s.Consume(buf, ends_token);
    s.pending = buf.substr(used);
  }
}

std::vector<RtfParagraph> RtfReader::TakeParagraphs() { return std::exchange(state_->paragraphs, {}); }

const std::map<int, std::string>& RtfReader::styles() const { return state_->styles; }

int RtfReader::default_tab() const { return state_->default_tab; }

RtfDocument RtfReader::Finish() {
  State& s = *state_;
  if (!s.pending.empty()) s.Consume(std::exchange(s.pending, {}), true);
  if (!s.started) throw Error("The text is not RTF: it does not start with {\\rtf.");
  if (!s.ended) {
    s.balanced = false;
    if (!s.runs.empty()) s.EndParagraph();
  }
  RtfDocument doc;
  doc.paragraphs = std::move(s.paragraphs);
  doc.styles = s.styles;
  doc.default_tab = s.default_tab;
  doc.balanced = s.balanced;
  *this = RtfReader();
  return doc;
}

RtfDocument ReadRtf(std::string_view rtf) {
  RtfReader reader;
  reader.Read(rtf);
  return reader.Finish();
}

namespace {

// Qt takes margins in pixels only; a twip is 1/15 pixel at 96 dpi.
std::string Pixels(int twips) {
  long px = (2L * twips + (twips < 0 ? -15 : 15)) / 30;
  return std::to_string(px) + "px";
}

std::string FontCss(const RtfCharFormat& f) {
  std::string css;
  std::string name;
  for (char c : f.font) {
    if (std::string_view("'\"\\<>&;{}").find(c) == std::string_view::npos && static_cast<unsigned char>(c) >= 0x20) {
      name += c;
    }
  }
  static const char* const kGeneric[] = {"", "serif", "sans-serif", "monospace", "cursive", "fantasy", ""};
  std::string generic = kGeneric[static_cast<int>(f.family)];
  if (!name.empty() || !generic.empty()) {
    css += "font-family:";
    if (!name.empty()) css += "'" + name + "'";
    if (!name.empty() && !generic.empty()) css += ",";
    css += generic + "; ";
  }
  css += "font-size:" + std::to_string(f.half_points / 2) + (f.half_points % 2 ? ".5" : "") + "pt;";
  if (f.bold) css += " font-weight:bold;";
  if (f.italic) css += " font-style:italic;";
  if (f.underline) css += " text-decoration:underline;";
  if (f.colour) {
    static const char kHex[] = "0123456789abcdef";
    css += " color:#";
    for (std::uint8_t v : {f.colour->red, f.colour->green, f.colour->blue}) {
      css += kHex[v >> 4];
      css += kHex[v & 15];
    }
    css += ";";
  }
  return css;
}

// Spaces and tabs are kept by the paragraph's white-space style.
void AppendEscaped(std::string& out, std::string_view text) {
  for (size_t start = 0;;) {
    size_t line_end = text.find('\n', start);
    out += HtmlEscape(text.substr(start, line_end - start));
    if (line_end == std::string_view::npos) return;
    out += "<br />";
    start = line_end + 1;
  }
}

void AppendParagraph(std::string& out, const RtfParagraph& p) {
  std::string style = "margin-top:" + Pixels(p.space_before) + "; margin-bottom:" + Pixels(p.space_after) +
                      "; margin-left:" + Pixels(p.left_indent) + "; margin-right:" + Pixels(p.right_indent) +
                      "; text-indent:" + Pixels(p.first_indent) + ";";
  static const char* const kAlign[] = {"", " align=\"center\"", " align=\"right\"", " align=\"justify\""};
  const char* align = kAlign[static_cast<int>(p.alignment)];
  bool empty = std::all_of(p.runs.begin(), p.runs.end(), [](const RtfRun& r) { return r.text.empty(); });
  if (empty) {
    // Qt's own mark for a paragraph without text; its font sets the height.
    out += "<p style=\"-qt-paragraph-type:empty; " + style + " " + FontCss(p.mark) + "\"" + align + "><br /></p>";
    return;
  }
  out += "<p style=\"" + style + " white-space:pre-wrap;\"" + align + ">";
  for (const RtfRun& run : p.runs) {
    if (run.text.empty()) continue;
    out += "<span style=\"" + FontCss(run.format) + "\">";
    AppendEscaped(out, run.text);
    out += "</span>";
  }
  out += "</p>";
}

// Finds the document's final closing brace.
size_t FinalBrace(std::string_view document) {
  size_t end = document.find_last_not_of(" \r\n");
  if (end == std::string_view::npos || document[end] != '}') {
    throw Error("The RTF document does not end with its closing brace.");
  }
  return end;
}

}  // namespace

std::string RtfParagraphsToHtml(const std::vector<RtfParagraph>& paragraphs) {
  std::string out;
  for (const RtfParagraph& p : paragraphs) AppendParagraph(out, p);
  return out;
}

std::string RtfToHtml(const RtfDocument& document) {
  return "<html><head><meta charset=\"utf-8\" /></head><body>" + RtfParagraphsToHtml(document.paragraphs) +
         "</body></html>";
}

std::string RtfHtmlToAppend(const std::vector<RtfParagraph>& paragraphs) {
  if (paragraphs.empty()) return "";
  return "<p style=\"-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px;\"><br /></p>" +
         RtfParagraphsToHtml(paragraphs);
}

RtfGrowingDocument::RtfGrowingDocument(std::string_view document) {
  size_t start = document.find_first_not_of(" \r\n\t");
  if (start == std::string_view::npos || document.substr(start, 5) != "{\\rtf") {
    throw Error("The text is not RTF: it does not start with {\\rtf.");
  }
  read_ = FinalBrace(document);
  reader_.Read(document.substr(0, read_), true);
  start_.paragraphs = reader_.TakeParagraphs();
  start_.styles = reader_.styles();
  start_.default_tab = reader_.default_tab();
}

std::vector<RtfParagraph> RtfGrowingDocument::Update(std::string_view document) {
  size_t end = FinalBrace(document);
  if (end < read_) throw Error("The RTF document lost text that was already read.");
  reader_.Read(document.substr(read_, end - read_), true);
  read_ = end;
  return reader_.TakeParagraphs();
}

}  // namespace kelvad
