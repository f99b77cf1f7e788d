#pragma once

#include <string>

#include "model/build_context.h"

namespace kelvad {

void GenerateCommandHeader(BuildContext& context, const std::string& file_name, const std::string& directory,
                           const std::string& name);

// GenRSS.bat in the directory.
void GenerateResourceBuildScript(BuildContext& context, const std::string& name, const std::string& directory);

}  // namespace kelvad
