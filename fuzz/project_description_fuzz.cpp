// Project descriptions are hand-written JSON. A description is either
// refused with a DescriptionError that leaves the wizard's data as it was,
// or it is applied and the project it describes builds.

#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"
#include "resources/project_description.h"
#include "resources/standard_commands.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kelvad;
  ProjectDescription description;
  try {
    description = ParseProjectDescription(fuzz::Bytes(data, size));
  } catch (const DescriptionError&) {
    return 0;
  }

  Settings settings;
  CommandModel model;
  LoadStandardCommands(model);
  BuildDefaultMenus(model);
  const std::size_t commands = model.commands.size();
  const std::size_t menus = model.menus.size();
  try {
    ApplyProjectDescription(description, settings, model);
  } catch (const DescriptionError&) {
    if (model.commands.size() != commands || model.menus.size() != menus || !model.toolbar.empty() ||
        !model.extra_hotkeys.empty()) {
      fuzz::Broken("a refused description changed the command data");
    }
    return 0;
  }
  fuzz::BuildInMemory(settings, model, 5);
  return 0;
}
