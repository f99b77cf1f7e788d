#include "buildfiles/mmp.h"

#include "model/output_file.h"
#include "platform/dos_paths.h"

namespace kelvad {

void WriteMmpFile(BuildContext& context, const MmpArguments& a) {
  // makmake reads the file directly; it is no part of the project tree.
  OutputFile f(context, a.path);
  f.Direct("TARGET\t\t" + (a.target.empty() ? a.project + "." + a.target_type : a.target));
  f.Direct("TARGETTYPE\t" + a.target_type);
  if (!a.uid.empty()) f.Direct("UID\t\t" + LowerAscii(a.uid));
  if (!a.unicode_uid.empty() && context.sdk_release == 5) f.Direct("UNICODEUID\t\t" + LowerAscii(a.unicode_uid));
  if (!a.target_path.empty()) f.Direct("TARGETPATH\t" + a.target_path);
  f.Direct("PROJECT\t\t" + a.project);
  f.Direct("SUBPROJECT\t" + a.subproject);
  f.Direct("SOURCE\t\t" + (a.sources.empty() ? a.subproject + ".cpp" : a.sources));
  if (!a.resource.empty()) f.Direct("RESOURCE\t" + a.resource);
  f.Direct("USERINCLUDE\t" + (a.user_include.empty() ? std::string() : a.user_include + " ") + ".");
  f.Direct("SYSTEMINCLUDE\t" + a.system_include);
  f.Direct("LIBRARY\t\t" + a.libraries);
  // Releases before 5 let the emulator build pick its own UID for applications.
  if (a.target_type == "app" && context.sdk_release < 5) {
    f.Direct("START WINS");
    f.Direct("    AUTOUID");
    f.Direct("END");
  }
  f.Close();
}

}  // namespace kelvad
