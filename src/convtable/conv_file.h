#pragma once
// The conversion table file: loading one into the table and saving the table into one.

// What became of a load from a conversion table file.
enum ConvFileLoad {
    CONV_FILE_LOADED,     // every row read into the table
    CONV_FILE_DEFAULTED,  // loaded, but rows the file lacks took their defaults
    CONV_FILE_NOT_CHOSEN, // no existing file chosen: nothing changed
    CONV_FILE_DECLINED,   // a foreign file that was not accepted: nothing changed
};

ConvFileLoad GetConvTableFromFile(void);
void SaveConvTableToFile(void);
