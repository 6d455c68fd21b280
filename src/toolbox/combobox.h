#pragma once
// The address box: a string control turned into an editable text field with a
// drop-down history list, in the control's place (same geometry, label, accessible
// name and callback). GetCtrlVal/SetCtrlVal keep working on its text, ATTR_VISIBLE and
// ATTR_DIMMED on the control cover the drop-down button too. Enter in the field or
// picking an entry raises EVENT_COMMIT on the control's callback; picking an entry
// puts its text into the field. All functions return 0 (or a count) on success and a
// negative UI error code on failure.

constexpr int ATTR_COMBO_NUM_ITEMS = 3001;   // int, read only: entries in the list
constexpr int ATTR_COMBO_FRAME_COLOR = 3002; // int 0xRRGGBB

int Combo_NewComboBox(int panel, int control);
// Inserts text before entry `index` (0-based); -1 or an index past the end appends.
int Combo_InsertComboItem(int panel, int control, int index, const char *text);
// Deletes `count` entries from `index` on; count -1 deletes to the end.
int Combo_DeleteComboItem(int panel, int control, int index, int count);
// The index of the entry equal to text (exact, case-sensitive), -1 when absent.
int Combo_GetIndex(int panel, int control, const char *text, int *index);
// The text of entry `index`, cut to size - 1 bytes.
int Combo_GetValueFromIndex(int panel, int control, int index, char *buffer, int size);
int Combo_GetComboAttribute(int panel, int control, int attribute, int *value);
int Combo_SetComboAttribute(int panel, int control, int attribute, int value);
// Turns the address box back into a plain string control, keeping its text.
int Combo_DiscardComboBox(int panel, int control);
