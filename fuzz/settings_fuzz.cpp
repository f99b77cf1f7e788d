// "--set KEY=VALUE" values come straight from the command line: one per
// input line here (a CR stays in the value, as it would in an argument), applied in order as the headless front end applies them,
// then the project is built. "sdk_release=N" picks the SDK release.

#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"
#include "resources/standard_commands.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kelvad;
  Settings settings;
  int sdk_release = 5;
  SettingTexts given;
  const std::string_view input = fuzz::Bytes(data, size);
  for (std::size_t start = 0; start < input.size();) {
    std::size_t end = input.find('\n', start);
    if (end == std::string_view::npos) end = input.size();
    const std::string line(input.substr(start, end - start));
    start = end + 1;
    const std::size_t eq = line.find('=');
    if (eq == std::string::npos || eq == 0) return 0;  // a usage error
    const std::string key = line.substr(0, eq);
    const std::string value = line.substr(eq + 1);
    if (key == "sdk_release") {
      if (value != "0" && value != "3" && value != "5") return 0;
      sdk_release = value[0] - '0';
      continue;
    }
    try {
      ApplySetting(settings, key, value);
    } catch (const Error&) {
      return 0;
    }
    given.emplace_back(key, value);
  }
  FollowProjectName(settings, given);

  CommandModel model;
  LoadStandardCommands(model);
  BuildDefaultMenus(model);
  fuzz::BuildInMemory(settings, model, sdk_release);
  return 0;
}
