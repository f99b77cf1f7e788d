#pragma once

#include <string>

#include "model/build_context.h"

namespace kelvad {

// Writes directory + "\" + base_name + ".rss".
void GenerateResourceScript(BuildContext& context, const std::string& base_name, const std::string& directory,
                            const std::string& name);

}  // namespace kelvad
