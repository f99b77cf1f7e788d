#pragma once

#include <string>

#include "model/build_context.h"

namespace kelvad {

void GenerateAppUiHeader(BuildContext& context, const std::string& file_name, const std::string& directory,
    const std::string& name);
void GenerateAppUiSource(BuildContext& context, const std::string& file_name, const std::string& directory,
    const std::string& name);

}  // namespace kelvad
