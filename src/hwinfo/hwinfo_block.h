#pragma once
// The sensor's hardware block from a verified reply to command 194, as hexadecimal
// text. Plain C++: the program and the link reply fuzz target share it; what the
// operator is shown stays with the caller.

constexpr int kHardwareBlockBytes = 512;
constexpr int kHardwareTextLength = 2 * kHardwareBlockBytes; // 4 digits per 16-bit word

// 256 little-endian words as 4 lower-case hexadecimal digits each, joined;
// `text` holds kHardwareTextLength + 1 bytes.
void FormatHardwareText(const unsigned char block[kHardwareBlockBytes], char *text);

// The first 512 reply bytes as text. A reply shorter than the block is refused (false,
// `text` untouched), so that no byte of an earlier reply ends up in the file.
bool TakeHardwareText(char *text);
