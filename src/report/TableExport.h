#pragma once
// "Table to file": the folder and file name the save dialog proposes, and the write that
// remembers the folder only after a successful write. Paths are UTF-8.
#include "ballistics/GridData.h"
#include "common/FileWrite.h"
#include "settings/SettingsBackend.h"

#include <filesystem>
#include <string>

namespace corvane {

// The folder the save dialog opens in: the remembered table folder, else the program's folder,
// always ending in "/".
std::string TableExportFolder(SettingsBackend& store, const std::filesystem::path& programDir);

// "data_tbl.N" with the first N from 1 whose file is not in `folder`; 1000 is proposed
// without a check.
std::string ProposedTableFileName(const std::filesystem::path& folder);

// Writes the grid to `file`; on success stores its folder as the table directory. The error
// text, naming the file, when the write failed.
WriteResult ExportTable(const std::filesystem::path& file, const GridData& grid,
                        SettingsBackend& store);

} // namespace corvane
