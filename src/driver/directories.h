#pragma once

#include "model/build_context.h"

namespace kelvad {

// Creates the project directories with their report lines and tree nodes,
// then writes the icon bitmaps and the application information file.
void CreateProjectDirectories(BuildContext& context);

}  // namespace kelvad
