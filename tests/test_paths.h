// Where the tests find the delivered data files and the reference tables.
#pragma once

#include <string>
#include <vector>

namespace kairotex::test {

std::string DataDir();       // the delivered data/ folder
std::string ReferenceDir();  // reference positions and cusps
std::string SourceDir();     // tests/ itself (golden files)

// A temporary folder of its own for one test; removed by the caller if wished.
std::string MakeTempDir(const std::string& tag);

// A temporary folder holding a copy of the delivered data files.
std::string CopyOfDataDir(const std::string& tag);

// Writes text to path as it stands (binary), replacing the file.
void WriteText(const std::string& path, const std::string& text);

// The whole file as bytes; empty when it cannot be read.
std::string ReadText(const std::string& path);

// Rows of a comma-separated file, comment lines (#) and the header skipped.
// The header's fields in *header when asked for.
std::vector<std::vector<std::string>> ReadCsvRows(const std::string& path,
                                                  std::vector<std::string>* header = nullptr);

}  // namespace kairotex::test
