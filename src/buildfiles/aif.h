#pragma once

#include <string>

#include "model/build_context.h"

namespace kelvad {

// The icon list, the eight icon copies and GenMBM.bat.
void WriteIconBitmaps(BuildContext& context);

// The AIF resource script, GenAIF.bat and CopyAIF.bat.
void WriteApplicationInfo(BuildContext& context, const std::string& aif_directory);

}  // namespace kelvad
