#include "buildfiles/package.h"

#include "buildfiles/batch.h"
#include "model/output_file.h"

namespace kelvad {

void WritePackageScript(BuildContext& context, const std::string& directory, const std::string& name) {
  const Settings& s = context.settings;
  OutputFile f(context, directory + "\\" + name + " (MARM Release).pkg");
  // MAKESIS resolves the source paths on the current drive, so they carry no
  // drive letter; "!:" lets the user choose the target drive at install time.
  const std::string apps = "\"!:\\system\\apps\\" + name + "\\" + name;
  f.Direct(";");
  f.Direct("; Install file for " + name + " (MARM Narrow Release)");
  f.Direct(";");
  f.Direct("#{\"" + name + "\"},(" + s.gui_uid + "),1,0,0");
  f.Direct(";");
  f.Direct("\"\\epoc32\\release\\marm\\rel\\" + name + ".app\" - " + apps + ".app\"");
  f.Direct("\"\\epoc32\\release\\marm\\rel\\" + name + ".rsc\" - " + apps + ".rsc\"");
  f.Direct("\"\\" + name + "\\aif\\" + name + ".aif\" - " + apps + ".aif\"");
  if (s.help) f.Direct("\"\\" + name + "\\help\\database\\" + name + ".hlp\" - " + apps + ".hlp\"");
  f.Close();
}

void WritePackageBatch(BuildContext& context, const std::string& directory, const std::string& name) {
  const std::string path = directory + "\\GenSIS.bat";
  OutputFile f(context, path);
  WriteBatchHeader(f, path);
  f.Direct("ECHO Building SIS File ...");
  f.Direct("CHDIR /D " + directory);
  f.Direct("MAKESIS -v \"" + name + " (MARM Release).pkg\"");
  f.Close();
}

}  // namespace kelvad
