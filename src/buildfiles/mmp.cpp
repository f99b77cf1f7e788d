#include "buildfiles/mmp.h"

// Not written yet: the step runs and this file is left out.

namespace kelvad {

void WriteMmpFile(BuildContext& , const MmpArguments& ) {}

}  // namespace kelvad
