#pragma once

namespace kelvad {

// On Linux Qt names a combo box after its current text, so a screen reader
// announces a picker by the command it shows; this makes combo boxes take
// their name like other fields: their accessible name, else their label.
// Call once before the first window is built.
void NameComboBoxesByTheirLabels();

}  // namespace kelvad
