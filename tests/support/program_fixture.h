#pragma once
// Runs the real program inside a test process: a fresh program directory of its own,
// the six panels, InitAll with its start-up connection attempt, and a clean stop.

#include <string>

// A new empty directory under the system's temporary directory.
std::string MakeTempProgramDir();

// A panel settings file that connects over TCP to 127.0.0.1:port (English).
std::string TcpSettingsFile(int port);
// A panel settings file that connects over RS-232 to COMn at the baud-rate index.
std::string SerialSettingsFile(int comPort, int baudIndex = 4);

// Copies the build's two language files into dir.
void CopyLanguageFiles(const std::string &dir);
// Writes PanelSettings.cfg into dir when settings is not empty, points the program
// directory at dir (with the language files, unless it holds an English one already),
// loads the panels and runs InitAll. Returns 0 or -1.
int StartProgramInDir(const std::string &dir, const std::string &settings = std::string());
// Shuts the program down as WinMain does and resets the process-wide records.
void StopProgram();

// How often `part` stands in `text` (overlaps counted).
int Occurrences(const std::string &text, const std::string &part);
// Reads a whole file; empty when it cannot be read.
std::string ReadWholeFile(const std::string &path);
void WriteWholeFile(const std::string &path, const std::string &content);
