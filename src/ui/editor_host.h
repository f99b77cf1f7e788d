#pragma once

#include <QMessageBox>
#include <QString>
#include <string>
#include <vector>

#include "resources/command_model.h"

namespace kelvad {

// What the editor panels use of the window around them: the command
// model, the three command pickers that list it, messages and the user's
// command file.
class EditorHost {
 public:
  virtual CommandModel& Commands() = 0;
  // Appends a command name to the three command pickers.
  virtual void AddCommandToPickers(const std::string& name) = 0;
  virtual void Message(QMessageBox::Icon icon, const QString& title, const QString& text) = 0;
  // Saves the rows as the user's commands, cmdlist.dat; the reason when
  // that failed, else empty.
  virtual std::string SaveUserCommands(const std::vector<Command>& rows) = 0;

 protected:
  ~EditorHost() = default;
};

}  // namespace kelvad
