#pragma once

#include <string>

#include "model/build_context.h"

namespace kelvad {

// The thirteen arguments of the MMP writer; an empty text means absent.
struct MmpArguments {
  std::string path;            // output file
  std::string target_type;     // "dll", "app"
  std::string project;
  std::string subproject;
  std::string uid;             // two UIDs separated by one space
  std::string system_include;
  std::string libraries;       // space-separated
  std::string user_include;
  std::string target_path;
  std::string resource;
  std::string sources;         // space-separated
  std::string target;          // explicit target file name
  std::string unicode_uid;     // two UIDs separated by one space
};

void WriteMmpFile(BuildContext& context, const MmpArguments& arguments);

}  // namespace kelvad
