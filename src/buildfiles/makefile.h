#pragma once

#include <string>

#include "model/build_context.h"

namespace kelvad {

void WriteMakefile(BuildContext& context, const std::string& name, const std::string& mmp_base,
                   const std::string& binary, const std::string& directory, const std::string& tree_key);

void WriteWorkspace(BuildContext& context, const std::string& project_directory, const std::string& name);

}  // namespace kelvad
