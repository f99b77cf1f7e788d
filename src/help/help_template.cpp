#include "help/help_template.h"

#include "platform/dos_paths.h"
#include "platform/errors.h"
#include "platform/registry.h"

namespace kelvad {

const char* const kLocalTemplatesKey = "SOFTWARE\\Microsoft\\Office\\8.0\\Common\\FileNew\\LocalTemplates";
const char* const kHelpTemplateName = "EPOCHELP.DOT";

namespace {

// The registry string lookup: empty for a missing key, an error for a key
// without the value.
std::string ReadRegistryString(const Registry& registry, RegistryRoot root, const std::string& key_path,
                               const std::string& value_name) {
  return GetRegString(&registry, root, key_path, value_name);
}

bool HoldsTemplate(const DosDrives& drives, const std::string& directory) {
  try {
    // The name as stored must match exactly: "epochelp.dot" is refused.
    return drives.StoredName(directory + "\\" + kHelpTemplateName) == kHelpTemplateName;
  } catch (const Error&) {
    return false;
  }
}

}  // namespace

HelpTemplateSearch SearchHelpTemplate(const DosDrives& drives, const Registry* registry, const std::string& drive) {
  HelpTemplateSearch search;
  std::vector<std::string> candidates;
  if (registry) {
    // A key without its value must not stop the search: the help compiler's
    // own directories may still hold the template.
    try {
      std::string directory = ReadRegistryString(*registry, RegistryRoot::kLocalMachine, kLocalTemplatesKey, "");
      if (!directory.empty()) candidates.push_back(directory);
    } catch (const Error& e) {
      search.registry_problem = std::string("HKEY_LOCAL_MACHINE\\") + kLocalTemplatesKey + ": " + e.what();
    }
  }
  candidates.push_back(drive + "\\Aleppo\\Template");
  candidates.push_back(drive + "\\Aleppo\\Aleppo\\Template");
  for (const std::string& directory : candidates) {
    search.searched.push_back(directory);
    if (HoldsTemplate(drives, directory)) {
      search.path = directory + "\\" + kHelpTemplateName;
      break;
    }
  }
  return search;
}

HelpTemplateSearch FindHelpTemplate(Settings& settings, const DosDrives& drives, const Registry* registry,
                                    std::string& help_template) {
  HelpTemplateSearch search = SearchHelpTemplate(drives, registry, settings.ProjectDrive());
  if (search.found()) help_template = search.path;
  settings.help = settings.help_gen_bat = settings.help_copy_bat = search.found();
  return search;
}

}  // namespace kelvad
