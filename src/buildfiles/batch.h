#pragma once

#include <string>
#include <string_view>

#include "model/output_file.h"

namespace kelvad {

// Reports "Generating BAT File:" with the path and writes the header every
// generated batch file but the AIF scripts starts with.
void WriteBatchHeader(OutputFile& file, const std::string& path);

// "REM * " + text + padding + " *", 74 characters for a text of up to 66.
std::string BoxedRemarkText(std::string_view text);
void WriteBoxedRemark(OutputFile& file, std::string_view text);

// Calls script.bat when it exists, its output in script.log.
void WriteScriptFragment(OutputFile& file, const std::string& script);

// Runs nmake on the makefile when it exists, its output in makefile.log.
void WriteMakefileFragment(OutputFile& file, const std::string& makefile);

// ebld.bat in the project directory.
void WriteMasterBuildScript(BuildContext& context, const std::string& project_directory, const std::string& name);

}  // namespace kelvad
