#pragma once

#include <string>
#include <vector>

#include "model/settings.h"

namespace kelvad {

class DosDrives;
class Registry;

// The key under HKEY_LOCAL_MACHINE whose default value names the word
// processor's local template directory.
extern const char* const kLocalTemplatesKey;

// The help compiler insists on this exact name.
extern const char* const kHelpTemplateName;

struct HelpTemplateSearch {
  std::string path;                   // directory + "\EPOCHELP.DOT"; empty when not found
  std::vector<std::string> searched;  // the directories looked in, in order
  std::string registry_problem;       // why the template directory could not be read from the registry
  bool found() const { return !path.empty(); }
};

// Looks in the registry's template directory (when it names one), then in
// drive + "\Aleppo\Template" and drive + "\Aleppo\Aleppo\Template". The
// registry may be null: there is none.
HelpTemplateSearch SearchHelpTemplate(const DosDrives& drives, const Registry* registry, const std::string& drive);

// The search as entering the Extras panel runs it. Found: the path goes
// into help_template and the three help options are checked. Not found:
// they are cleared, and help_template keeps what it held.
HelpTemplateSearch FindHelpTemplate(Settings& settings, const DosDrives& drives, const Registry* registry,
                                    std::string& help_template);

// What a search means for options the user has already chosen (the wizard
// walked past the Extras panel): found, the path goes into help_template
// and the options stay as they are; not found, the three are cleared and
// help_template keeps what it held.
void ApplyHelpTemplateSearch(Settings& settings, const HelpTemplateSearch& search, std::string& help_template);

// Why no help files can be made, naming every directory searched.
std::string HelpTemplateMissingText(const HelpTemplateSearch& search);

}  // namespace kelvad
