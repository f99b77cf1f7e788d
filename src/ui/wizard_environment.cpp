#include "ui/wizard_environment.h"

#include "driver/session.h"

namespace kelvad {

WizardEnvironment SessionEnvironment(Session& session, ProcessStarter& starter) {
  WizardEnvironment environment;
  environment.files = &session.fs;
  environment.drives = session.drives.get();
  environment.registry = session.registry.get();
  environment.starter = &starter;
  environment.install_dir = session.install_dir;
  environment.data_dir = session.data_dir;
  return environment;
}

}  // namespace kelvad
