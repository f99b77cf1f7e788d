#pragma once

#include <string>

#include "model/build_context.h"

namespace kelvad {

class OutputFile;

void GenerateAppUiHeader(BuildContext& context, const std::string& file_name, const std::string& directory,
    const std::string& name);
void GenerateAppUiSource(BuildContext& context, const std::string& file_name, const std::string& directory,
    const std::string& name);

// The four example messaging cases at the head of the command handler.
void WriteMessagingCases(OutputFile& file);

// One case of the command handler. The seven standard identifiers call the
// method their document option adds (exact, case-sensitive match); every
// other identifier, and a standard one whose option is clear, shows the
// command's placeholder message.
void WriteCommandCase(OutputFile& file, const std::string& command_id, const std::string& name);

}  // namespace kelvad
