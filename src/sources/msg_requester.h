#pragma once

#include <string>

#include "model/build_context.h"

namespace kelvad {

void GenerateMsgIReqHeader(BuildContext& context, const std::string& file_name, const std::string& directory,
    const std::string& name);
void GenerateMsgIReqSource(BuildContext& context, const std::string& file_name, const std::string& directory,
    const std::string& name);

}  // namespace kelvad
