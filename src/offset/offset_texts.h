#pragma once
// German/English texts of the offset compensation page: the help texts of its
// controls, the question before CALCULATE OFFSET and the message for a reply too short.

#include "app/language.h"

extern const TextPair kHelpButtonSendOffset;
extern const TextPair kHelpButtonGetOffset;
extern const TextPair kHelpButtonCalcOffset;
extern const TextPair kHelpEditOffsetVal;
extern const TextPair kHelpEditSettingTimeFactor;
extern const TextPair kHelpButtonSendSettingTimeFactor;
// Offset compensation: the question before CALCULATE OFFSET, and a reply too short
extern const TextPair kTxtCalcOffsetConfirm;
extern const TextPair kTxtIncompleteOffsetReply;
// The answer to a wrong password on the password panel
extern const TextPair kTxtWrongPassword;
