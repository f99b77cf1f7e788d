#pragma once

#include <cstddef>

#include "model/build_context.h"

namespace kelvad {

// Every name a build writes is at most the project name and this much more
// ("<Name> (MARM Release).pkg"), and every path below the drive root at most
// twice the name and kPathBeyondNames more; a name and a drive path that
// leave this much room need no closer look. The tests hold the generators to it.
inline constexpr std::size_t kNameBeyondProjectName = 24;
inline constexpr std::size_t kPathBeyondNames = 40;

// What can be known before the first directory is made, checked first so
// that such a failure writes nothing: the drive's directory exists and can
// be written, the shipped files the build reads are there, and every path it
// will write fits the platform's limits on a name and on a whole path. Fails
// with kelvad::Error saying which and why.
void CheckBeforeWriting(BuildContext& context);

}  // namespace kelvad
