#include "resources/resource_script.h"

// Not written yet: the step runs and this file is left out.

namespace kelvad {

void GenerateResourceScript(BuildContext& , const std::string& , const std::string& , const std::string& ) {}

}  // namespace kelvad
