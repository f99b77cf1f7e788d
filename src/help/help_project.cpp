#include "help/help_project.h"

// Not written yet: the step runs and this file is left out.

namespace kelvad {

void GenerateHelpProject(BuildContext& , const std::string& , const std::string& , const std::string& ) {}
void GenerateHelpOrderFile(BuildContext& , const std::string& , const std::string& , const std::string& ) {}
void GenerateHelpStyles(BuildContext& , const std::string& , const std::string& , const std::string& ) {}
void GenerateHelpGenBat(BuildContext& , const std::string& , const std::string& ) {}
void GenerateHelpCopyBat(BuildContext& , const std::string& , const std::string& ) {}

}  // namespace kelvad
