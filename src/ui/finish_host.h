#pragma once

#include <QMessageBox>
#include <QString>
#include <string>

#include "model/settings.h"
#include "resources/command_model.h"
#include "ui/wizard_environment.h"

namespace kelvad {

struct BuildOutcome;

// What the Finish panel uses of the window around it.
class FinishHost {
 public:
  virtual const WizardEnvironment& Environment() const = 0;
  virtual void Message(QMessageBox::Icon icon, const QString& title, const QString& text) = 0;
  // The file of a project description; empty when none was chosen.
  virtual QString ChooseFile(bool save, const QString& proposed) = 0;
  // The settings record as the controls show it now.
  virtual Settings CurrentSettings() const = 0;
  virtual CommandModel& Commands() = 0;
  virtual int SdkRelease() const = 0;
  virtual const std::string& HelpTemplate() const = 0;
  // "Go!" pressed: the navigation is disabled for the rest of the run.
  virtual void DisableNavigation() = 0;
  // Takes a whole new state, as opening a project description does.
  virtual void ApplyState(Settings settings, CommandModel commands) = 0;
  // What the user has chosen is now kept: in a description or a built project.
  virtual void StateKept() = 0;
  // The build has ended; true when the window is closing and wants no
  // message about it.
  virtual bool BuildEnded(const BuildOutcome& outcome) = 0;

 protected:
  ~FinishHost() = default;
};

}  // namespace kelvad
