#include "buildfiles/makefile.h"

// Not written yet: the step runs and this file is left out.

namespace kelvad {

void WriteMakefile(BuildContext& , const std::string& , const std::string& , const std::string& , const std::string& , const std::string& ) {}
void WriteWorkspace(BuildContext& , const std::string& , const std::string& ) {}

}  // namespace kelvad
