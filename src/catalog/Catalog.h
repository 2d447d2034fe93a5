#pragma once
// The catalog of one program run: the six sections' load tables, read on first use and kept,
// and the 21 name lists, read on first lookup.
#include "catalog/LoadRecord.h"
#include "catalog/ReadError.h"
#include "catalog/TableFile.h"
#include "common/UserPrompts.h"

#include <array>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace corvane {

enum class ListKind : int { Brand = 0, Caliber = 1, Bullet = 2, Usage = 3, Material = 4 };

class Catalog {
public:
    // `programDir` is the program's folder; the catalog is in its "Data" and "ProductInfo"
    // sub-folders. `prompts` answers the locked-file question and lets events run.
    Catalog(std::filesystem::path programDir, UserPrompts& prompts);

    const std::filesystem::path& ProgramDir() const { return programDir_; }
    std::filesystem::path DataDir() const { return programDir_ / "Data"; }
    std::filesystem::path ProductInfoDir() const { return programDir_ / "ProductInfo"; }

    // Reads the section's table when nothing of it is loaded yet; returns LoadCount.
    int LoadSectionTable(CatalogTab tab);
    int LoadCount(CatalogTab tab) const;
    const std::vector<LoadRecord>& Records(CatalogTab tab) const;
    const LoadRecord& Record(CatalogTab tab, int index) const;

    // Name of an ID; reads the list's file while the list is empty. An ID with no line gives
    // an empty name. Throws CatalogFileError when the list's file cannot be read.
    std::string LookupName(int id, CatalogTab tab, ListKind kind);

    UserPrompts& Prompts() const { return prompts_; }

    // Replaces the clock of the table open retries (tests).
    void SetRetryClock(RetryClock clock) { retryClock_ = std::move(clock); }

private:
    std::filesystem::path programDir_;
    UserPrompts& prompts_;
    RetryClock retryClock_ = SystemRetryClock();
    std::array<std::vector<LoadRecord>, kSectionCount> records_;
    std::array<std::array<std::vector<std::string>, 5>, kSectionCount> names_;
};

} // namespace corvane
