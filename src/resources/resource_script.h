#pragma once

#include <string>

#include "model/build_context.h"

namespace kelvad {

// Writes directory + "\" + base_name + ".rss" from the menu tree, the toolbar
// rows, the hotkey tables and menu item list of the last CollectMenuItems,
// and the settings. Adds the toolbar's commands to the used-command list.
void GenerateResourceScript(BuildContext& context, const std::string& base_name, const std::string& directory,
                            const std::string& name);

}  // namespace kelvad
