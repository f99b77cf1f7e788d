#pragma once

#include <string>

#include "model/build_context.h"

namespace kelvad {

void GenerateHelpProject(BuildContext& context, const std::string& name, const std::string& file_name,
                         const std::string& directory);
void GenerateHelpOrderFile(BuildContext& context, const std::string& name, const std::string& file_name,
                           const std::string& directory);
void GenerateHelpStyles(BuildContext& context, const std::string& name, const std::string& file_name,
                        const std::string& directory);
void GenerateHelpGenBat(BuildContext& context, const std::string& directory, const std::string& name);
void GenerateHelpCopyBat(BuildContext& context, const std::string& directory, const std::string& name);

}  // namespace kelvad
