#pragma once

#include <string>

#include "model/build_context.h"

namespace kelvad {

void WritePackageScript(BuildContext& context, const std::string& directory, const std::string& name);
void WritePackageBatch(BuildContext& context, const std::string& directory, const std::string& name);

}  // namespace kelvad
