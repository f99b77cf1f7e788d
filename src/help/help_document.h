#pragma once

#include <string>

#include "model/build_context.h"

namespace kelvad {

void GenerateHelpDocument(BuildContext& context, const std::string& rtf_path);

}  // namespace kelvad
