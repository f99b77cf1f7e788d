#include "help/help_project.h"

#include "buildfiles/batch.h"
#include "model/output_file.h"

namespace kelvad {

namespace {

// The tree image of the help batch files.
constexpr int kBatchImage = 14;

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

}  // namespace

// The help compiler reads absolute directories, so the project cannot be
// moved without regenerating this file.
void GenerateHelpProject(BuildContext& context, const std::string& name, const std::string& file_name,
                         const std::string& directory) {
  OutputFile file(context, directory + "\\" + file_name);
  file.Direct("inputdirectory " + directory + "\\documents\\");
  file.Direct("outputdirectory " + directory + "\\database\\");
  file.Direct("outputfile " + name + ".hlp");
  file.Direct("sourcefile " + name);
  file.Direct("orderfile " + name + ".ord");
  file.Direct("graphicsdirectory " + directory + "\\pictures");
  file.Direct("workingdirectory " + directory + "\\temp\\");
  file.Direct("customizationfile " + directory + "\\" + name + ".alc");
  file.Close();
}

// The compiler wants the order file to exist; an empty one keeps the
// topics in document order.
void GenerateHelpOrderFile(BuildContext& context, const std::string&, const std::string& file_name,
                           const std::string& directory) {
  OutputFile file(context, directory + "\\" + file_name);
  file.Close();
}

void GenerateHelpStyles(BuildContext& context, const std::string&, const std::string& file_name,
                        const std::string& directory) {
  OutputFile file(context, directory + "\\" + file_name);
  file.Direct("<bodystyle fontstyle=sansserif size=10>");
  file.Direct("<titlestyle fontstyle=sansserif size=14>");
  file.Direct("<listbullet1style bulletchar=149>");
  file.Direct("<listbullet2style bulletchar=45>");
  file.Direct("<tipeffects text=" + Quoted("Tip:") + " bold=yes leftindent=36>");
  file.Direct("<noteeffects text=" + Quoted("Note:") + " bold=yes leftindent=36>");
  file.Direct("<importanteffects text=" + Quoted("Important:") + " bold=yes leftindent=60>");
  file.Close();
}

void GenerateHelpGenBat(BuildContext& context, const std::string& directory, const std::string& name) {
  OutputFile file = OpenOutputFile(context, "HelpGen.bat", directory, true, "HELP", kBatchImage);
  WriteBatchHeader(file, directory + "\\HelpGen.bat");
  file.CodeLine("ECHO Building Help File ...");
  file.CodeLine("CHDIR /D " + directory);
  file.CodeLine("");
  file.CodeLine("REM The 'aleppo' command must be specified in lowercase!!");
  file.CodeLine("aleppo -epoc32 -compress " + name + ".alp");
  CloseOutputFile(file);
}

// The copy source is relative, so it names the compiled file only when the
// script is run from the project directory.
void GenerateHelpCopyBat(BuildContext& context, const std::string& directory, const std::string& name) {
  const std::string drive = context.settings.ProjectDrive();
  const std::string source = "Help\\Database\\" + name + ".hlp ";
  const std::string target = "\\z\\system\\apps\\" + name + "\\" + name + ".hlp";
  OutputFile file = OpenOutputFile(context, "HelpCopy.bat", directory, true, "HELP", kBatchImage);
  WriteBatchHeader(file, directory + "\\HelpCopy.bat");
  file.CodeLine("ECHO Copying Help Files ...");
  file.CodeLine("COPY " + source + drive + "\\epoc32\\release\\wins\\deb" + target);
  file.CodeLine("COPY " + source + drive + "\\epoc32\\release\\wins\\rel" + target);
  CloseOutputFile(file);
}

}  // namespace kelvad
