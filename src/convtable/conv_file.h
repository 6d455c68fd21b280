#pragma once
// The conversion table file: loading one into the table and saving the table into one.

void GetConvTableFromFile(void);
void SaveConvTableToFile(void);
