#include "support/test_build.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "resources/menu_tree.h"
#include "resources/standard_commands.h"

namespace kelvad::testing {

std::string Visible(const std::string& bytes) {
  std::string out;
  for (unsigned char c : bytes) {
    if (c == '\r') {
      out += "\\r";
    } else if (c == '\n') {
      out += "\\n\n";
    } else if (c >= 128 || (c < 32 && c != '\t')) {
      char buffer[8];
      std::snprintf(buffer, sizeof buffer, "\\x%02X", c);
      out += buffer;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

std::string HostBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Golden files carry a ".golden" suffix so that nothing mistakes them for sources of this program.
std::string Golden(const std::string& relative_path) {
  std::ifstream in(std::string(KELVAD_GOLDEN_DIR) + "/" + relative_path + ".golden", std::ios::binary);
  if (!in) throw std::runtime_error("missing golden file " + relative_path);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

CommandModel StartedModel() {
  CommandModel model;
  LoadStandardCommands(model);
  BuildDefaultMenus(model);
  return model;
}

}  // namespace kelvad::testing
