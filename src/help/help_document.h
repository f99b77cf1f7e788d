#pragma once

#include <ctime>
#include <locale>
#include <string>

#include "model/build_context.h"

namespace kelvad {

// Writes the help document from the help template through the build's word
// processor (our own RTF writer when it has none), dated today. Failures
// are reported and shown, never thrown: the help step goes on.
void GenerateHelpDocument(BuildContext& context, const std::string& rtf_path);
// The same with the date line's date given as text.
void GenerateHelpDocument(BuildContext& context, const std::string& rtf_path, const std::string& date_text);

// "Friday, Mar 5 1999": the day and month names of the locale.
std::string FormatHelpDate(const std::tm& date, const std::locale& locale);

// The user's locale for day and month names; the classic one (English)
// when the environment names none that exists.
std::locale UserTimeLocale();

// The message shown when the document could not be written.
extern const char* const kHelpDocumentFailure;

}  // namespace kelvad
