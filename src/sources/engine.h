#pragma once

#include <string>

#include "model/build_context.h"

namespace kelvad {

void GenerateEngineHeader(BuildContext& context, const std::string& file_name, const std::string& directory);
void GenerateEngineSource(BuildContext& context, const std::string& file_name, const std::string& directory);

}  // namespace kelvad
