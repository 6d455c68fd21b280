#pragma once
// The words of a verified reply to command 100. Plain C++: the program and the link
// reply fuzz target share it; what the operator is shown stays with the caller.

// The parameter of command 100 selects the operation.
enum OffsetOperation { OFFSET_READ = 0, OFFSET_CALCULATE = 1, OFFSET_WRITE = 2, OFFSET_WRITE_FACTOR = 3 };

struct OffsetWords {
    unsigned short offset;
    unsigned short factorTenths; // the settling-time factor times 10
};

// A read reply carries the offset and the factor (4 bytes), a calculate reply the
// offset (2 bytes). A shorter reply is refused (false) and `words` keeps its values.
bool TakeOffsetReadReply(OffsetWords &words);
bool TakeOffsetCalculateReply(OffsetWords &words);
