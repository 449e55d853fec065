// Files and folders for tests.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace support {

bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
std::string ReadFileText(const std::string& path);
// The lines of a text, without their line ends (LF or CR LF).
std::vector<std::string> TextLines(const std::string& text);
void WriteFileText(const std::string& path, const std::string& text);
void CopyFileOver(const std::string& from, const std::string& to);
void MakeReadOnly(const std::string& path);
bool IsReadOnly(const std::string& path);
void CreateFolders(const std::string& path);   // with every missing parent
void RemoveFileForce(const std::string& path);
// The file `copy` holds exactly what `original` holds; otherwise what each holds: its
// size and first bytes, or that it is missing.
::testing::AssertionResult SameFile(const std::string& original, const std::string& copy);
// Every file below a folder, sub-folders included, as full paths.
std::vector<std::string> FilesUnder(const std::string& folder);

std::string WindowsDir();
std::string SystemDir();
std::string ProgramsDir();       // the Start menu's Programs folder
std::string ProgramFilesDir();   // as a 32-bit program sees it

}  // namespace support
