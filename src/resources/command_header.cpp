#include "resources/command_header.h"

#include "buildfiles/batch.h"
#include "model/output_file.h"
#include "platform/errors.h"
#include "resources/command_model.h"

namespace kelvad {

void GenerateCommandHeader(BuildContext& context, const std::string& file_name, const std::string& directory,
                           const std::string& name) {
  if (!context.commands) throw Error("the command header needs the command list");
  const std::vector<std::string>& used = context.commands->used_commands;
  OutputFile file(context, directory + "\\" + file_name);
  file.Direct("/*");
  file.Direct("    " + name + ".hrh");
  file.Direct("*/");
  file.Direct("");
  file.Direct("enum T" + name + "MenuCommands");
  file.Direct("{");
  // The first command is 100; the others follow on from it.
  for (size_t i = 0; i < used.size(); ++i) {
    file.Direct("    " + used[i] + (i == 0 ? " = 100" : "") + (i + 1 < used.size() ? "," : ""));
  }
  file.Direct("};");
  file.Direct("");
  file.Close();
}

void GenerateResourceBuildScript(BuildContext& context, const std::string& name, const std::string& directory) {
  const std::string drive = context.settings.ProjectDrive();
  OutputFile file(context, directory + "\\GenRSS.bat");
  WriteBatchHeader(file, "GenRSS.bat");
  file.Direct("");
  file.Direct("PATH=" + drive + "\\epoc32\\tools;" + drive + "\\epoc32\\gcc\\bin;");
  file.Direct(drive + "\\epoc32\\tools\\eikrs.bat " + name + " SC > " + directory + "\\eikrs.log");
  file.Close();
}

}  // namespace kelvad
