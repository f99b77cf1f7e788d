#pragma once

#include <string>

#include "model/build_context.h"

namespace kelvad {

void BuildEngineSubproject(BuildContext& context);
void BuildGuiSubproject(BuildContext& context);
void BuildHelpFiles(BuildContext& context);
void BuildDistribution(BuildContext& context);

// Makes "\" + name + "\" + folder on the project drive the current directory.
void EnterSubprojectDirectory(BuildContext& context, const std::string& name, const std::string& folder);

}  // namespace kelvad
