#pragma once

#include "link/Frame.h"
#include "settings/SettingsEditors.h"
#include "settings/SettingsFields.h"

namespace tivrel {

// Fields 1 to 8 from the six editors: 5 and 6 the pH minimum's whole part and hundredths, 3 and
// 4 the pH maximum's, 7 the margin's hundredths, then 8, 1 and 2 the whole parts of KH,
// brightness and contrast. Each editor is read once. Cannot fail; fields 9 and 10 are the
// caller's.
void fieldsFromSpinEdits(SettingsEditors& editors, SettingsFields& fields);

// The six editors from fields 1 to 8, each read as a whole number ("006" reads 6): pH minimum
// from 5 + 6/100, pH maximum from 3 + 4/100, margin from 7/100, KH from 8, brightness from 1,
// contrast from 2, in that order, each editor set before the next field is read. A field that
// is not a whole number throws ConvertError; editors set before it keep their new values.
void spinEditsFromFields(const SettingsFields& fields, SettingsEditors& editors);

// Fields 1 to 8 from frame lines 8, 9, 2, 2, 1, 1, 5 and 4, characters as they stand: whole
// lines, or the first character, or the third and fourth characters of lines 1 and 2 (as many
// of them as the line has). Fields 9 and 10 keep their texts. Cannot fail.
void fieldsFromFrame(const Frame& frame, SettingsFields& fields);

// The six editors from frame lines 1, 2, 5/100, 4, 8 and 9, each read as a decimal number, in
// that order, each editor set before the next line is read. A line that is not a number throws
// ConvertError; editors set before it keep their new values.
void spinEditsFromFrame(const Frame& frame, SettingsEditors& editors);

// Brings the settings lines of the frame into line with the fields, so that a fetch before the
// next frame takes what was just sent, saved or loaded: line 1 from fields 5 and 6 ("6", "5"
// gives 6,05; "006", "090" gives 6,90), line 2 from fields 3 and 4, lines 4, 5, 8 and 9 copies
// of fields 8, 7, 1 and 2. Cannot fail: a pH line whose fields are not whole numbers stays as
// it was.
void refreshLastFrame(const SettingsFields& fields, Frame& frame);

} // namespace tivrel
