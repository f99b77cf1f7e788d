#include "buildfiles/aif.h"

// Not written yet: the step runs and this file is left out.

namespace kelvad {

void WriteIconBitmaps(BuildContext& ) {}
void WriteApplicationInfo(BuildContext& , const std::string& ) {}

}  // namespace kelvad
