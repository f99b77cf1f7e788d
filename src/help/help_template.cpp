#include "help/help_template.h"

#include "platform/dos_paths.h"
#include "platform/errors.h"
#include "platform/registry.h"

namespace kelvad {

const char* const kLocalTemplatesKey = "SOFTWARE\\Microsoft\\Office\\8.0\\Common\\FileNew\\LocalTemplates";
const char* const kHelpTemplateName = "EPOCHELP.DOT";

namespace {

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
  // A key without its default value must not stop the search: the help
  // compiler's own directories may still hold the template.
  try {
    std::string directory = GetRegString(registry, kLocalTemplatesKey, "");
    if (!directory.empty()) candidates.push_back(directory);
  } catch (const Error& e) {
    search.registry_problem = e.what();
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
  if (search.found()) settings.help = settings.help_gen_bat = settings.help_copy_bat = true;
  ApplyHelpTemplateSearch(settings, search, help_template);
  return search;
}

void ApplyHelpTemplateSearch(Settings& settings, const HelpTemplateSearch& search, std::string& help_template) {
  if (search.found()) {
    help_template = search.path;
  } else {
    settings.help = settings.help_gen_bat = settings.help_copy_bat = false;
  }
}

std::string HelpTemplateMissingText(const HelpTemplateSearch& search) {
  std::string places;
  for (const std::string& directory : search.searched) places += (places.empty() ? "" : ", ") + directory;
  return std::string("the help template ") + kHelpTemplateName + " is not in " + places +
         "; no help files are generated";
}

}  // namespace kelvad
