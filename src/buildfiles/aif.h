#pragma once

#include <string>
#include <vector>

#include "model/build_context.h"

namespace kelvad {

// The host paths of the shipped template icons a build copies: the files of
// the installation directory it reads.
std::vector<std::string> TemplateIconPaths(BuildContext& context);

// The icon list, the eight icon copies and GenMBM.bat.
void WriteIconBitmaps(BuildContext& context);

// The AIF resource script, GenAIF.bat and CopyAIF.bat.
void WriteApplicationInfo(BuildContext& context, const std::string& aif_directory);

}  // namespace kelvad
