#pragma once
// The masked password field: a string control that accepts at most a set number of
// characters and shows each as the mask character. The real text is given only by
// PasswordCtrl_GetAttribute(ATTR_PASSWORD_VAL); GetCtrlVal reads what the field shows.
// Enter raises EVENT_COMMIT on the control's callback. Functions return 0 or a
// negative UI error code.

constexpr int ATTR_PASSWORD_MAX_LENGTH = 3101;     // int, characters (default 32767)
constexpr int ATTR_PASSWORD_MASK_CHARACTER = 3102; // int, a character such as '*'
constexpr int ATTR_PASSWORD_VAL = 3103;            // text

int PasswordCtrl_ConvertFromString(int panel, int control);
int PasswordCtrl_SetAttribute(int panel, int control, int attribute, int value);
int PasswordCtrl_SetAttribute(int panel, int control, int attribute, const char *value);
int PasswordCtrl_GetAttribute(int panel, int control, int attribute, int *value);
// ATTR_PASSWORD_VAL: buffer holds at least the maximum length + 1 bytes.
int PasswordCtrl_GetAttribute(int panel, int control, int attribute, char *buffer);
