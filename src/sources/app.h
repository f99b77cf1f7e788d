#pragma once

#include <string>

#include "model/build_context.h"

namespace kelvad {

void GenerateMainSource(BuildContext& context, const std::string& file_name, const std::string& directory,
    const std::string& name);
void GenerateAppHeader(BuildContext& context, const std::string& file_name, const std::string& directory,
    const std::string& name);
void GenerateAppSource(BuildContext& context, const std::string& file_name, const std::string& directory,
    const std::string& name);

}  // namespace kelvad
