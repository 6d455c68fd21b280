#pragma once
#include "shell/language.h"

extern const TextPair kHelpTabMain;
