#pragma once
#include "app/language.h"

extern const TextPair kHelpTabMain;
