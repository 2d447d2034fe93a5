// build SRC OUT: turns the readable catalog source into the program's Data/ and ProductInfo/.
// Every source is read and checked before anything is written, and every output goes through
// a temporary file that is renamed into place, so a refused or failed build leaves OUT as it was
// (or, for a write failure, with whole files only).
#include "CatalogCsv.h"
#include "Commands.h"

#include "catalog/RecordLayout.h"
#include "catalog/SectionTraits.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace corvane::tool {

namespace {

namespace fs = std::filesystem;

// The load source of each section, in section order, under SRC/loads/.
constexpr std::array<const char*, kSectionCount> kLoadSources = {
    "t0-rifle.txt", "t1-pistol.txt",    "t2-rimfire.txt",
    "t3-slug.txt",  "t4-shotshell.txt", "t5-components.txt"};

// The lists every load section reads; a catalog without one of them is incomplete.
std::vector<std::string> RequiredLists() {
    std::vector<std::string> names;
    for (const CatalogTab tab : kLoadSections) {
        for (const char* kind : {"br", "ca", "bu", "us"}) {
            std::string name(1, 't');
            name += std::to_string(TabIndex(tab));
            name += kind;
            name += ".lst";
            names.push_back(std::move(name));
        }
    }
    names.insert(names.end(), {"t4pm.lst", "t4indx.lst", "t5pt.lst"});
    return names;
}

// A refused source: the message names the file and, where there is one, the line.
struct BuildError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::string ReadWholeFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::error_code ec;
    const auto size = fs::file_size(file, ec);
    std::string bytes(ec ? 0 : static_cast<std::size_t>(size), '\0');
    if (!in || ec || !in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()))) {
        throw BuildError(file.string() + ": cannot be read");
    }
    return bytes;
}

// Reads and checks one section's source; returns the table bytes.
std::vector<std::uint8_t> BuildTable(const fs::path& source, CatalogTab tab, int& recordCount) {
    const SectionTraits& section = Traits(tab);
    const std::string text = ReadWholeFile(source);
    std::string error;
    const auto rows = ParseCsv(text, error);
    if (!rows) {
        throw BuildError(source.string() + ":" + error);
    }
    if (rows->empty()) {
        throw BuildError(source.string() + ":1: the header line is missing");
    }
    if (rows->front().fields != FieldNames(section.family)) {
        throw BuildError(source.string() + ":" + std::to_string(rows->front().line) +
                         ": the header must be " + HeaderLine(section.family));
    }
    const std::size_t count = rows->size() - 1;
    if (count > section.capacity) {
        throw BuildError(source.string() + ": " + std::to_string(count) +
                         " records, more than the section's capacity of " +
                         std::to_string(section.capacity));
    }
    std::vector<std::uint8_t> table;
    table.reserve(count * section.recordSize);
    for (std::size_t i = 1; i < rows->size(); ++i) {
        const CsvRow& row = (*rows)[i];
        const auto record = ParseRecord(section.family, row.fields, error);
        if (!record) {
            throw BuildError(source.string() + ":" + std::to_string(row.line) + ": " + error);
        }
        const std::vector<std::uint8_t> bytes = EncodeRecord(section.family, *record);
        table.insert(table.end(), bytes.begin(), bytes.end());
    }
    recordCount = static_cast<int>(count);
    return table;
}

// The files of `dir` whose extension is one of `extensions`, sorted by name.
std::vector<fs::path> FilesWithExtensions(const fs::path& dir,
                                          const std::set<std::string>& extensions) {
    std::vector<fs::path> files;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(dir, ec)) {
        if (entry.is_regular_file() && extensions.count(entry.path().extension().string()) > 0) {
            files.push_back(entry.path());
        }
    }
    if (ec) {
        throw BuildError(dir.string() + ": cannot be listed");
    }
    std::sort(files.begin(), files.end());
    return files;
}

// Writes `bytes` to `target` through a temporary file in the same folder.
void WriteAtomically(const fs::path& target, const std::string& bytes) {
    const fs::path temporary = target.string() + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::error_code ignored;
            fs::remove(temporary, ignored);
            throw BuildError(target.string() + ": cannot be written");
        }
    }
    std::error_code ec;
    fs::rename(temporary, target, ec);
    if (ec) {
        fs::remove(temporary, ec);
        throw BuildError(target.string() + ": cannot be replaced");
    }
}

struct PlannedFile {
    fs::path target;
    std::string bytes;
};

int Build(const fs::path& src, const fs::path& out) {
    std::vector<PlannedFile> plan;
    int totalRecords = 0;
    for (int index = 0; index < kSectionCount; ++index) {
        const auto tab = static_cast<CatalogTab>(index);
        int count = 0;
        const auto table =
            BuildTable(src / "loads" / kLoadSources[static_cast<std::size_t>(index)], tab, count);
        totalRecords += count;
        plan.push_back(
            {out / "Data" / Traits(tab).tableFile, std::string(table.begin(), table.end())});
    }
    for (const std::string& name : RequiredLists()) {
        if (!fs::is_regular_file(src / "Data" / name)) {
            throw BuildError((src / "Data" / name).string() + ": missing");
        }
    }
    const auto lists = FilesWithExtensions(src / "Data", {".lst"});
    for (const fs::path& list : lists) {
        plan.push_back({out / "Data" / list.filename(), ReadWholeFile(list)});
    }
    if (!fs::is_regular_file(src / "ProductInfo" / "descriptions.ini")) {
        throw BuildError((src / "ProductInfo" / "descriptions.ini").string() + ": missing");
    }
    const auto productFiles = FilesWithExtensions(src / "ProductInfo", {".ini", ".jpg", ".bmp"});
    for (const fs::path& file : productFiles) {
        plan.push_back({out / "ProductInfo" / file.filename(), ReadWholeFile(file)});
    }

    for (const char* folder : {"Data", "ProductInfo"}) {
        std::error_code ec;
        fs::create_directories(out / folder, ec);
        if (ec) {
            throw BuildError((out / folder).string() + ": cannot be created");
        }
    }
    for (const PlannedFile& file : plan) {
        WriteAtomically(file.target, file.bytes);
    }
    std::printf("corvane-catalog-tool build: %d records in 6 tables, %zu lists, %zu product "
                "files\n",
                totalRecords, lists.size(), productFiles.size());
    return 0;
}

} // namespace

int RunBuild(const Args& args) {
    if (args.size() != 2) {
        std::fputs("usage: corvane-catalog-tool build SRC OUT\n"
                   "  SRC  the catalog source: loads/*.txt, Data/*.lst, ProductInfo/\n"
                   "  OUT  the program folder that receives Data/ and ProductInfo/\n",
                   stderr);
        return 2;
    }
    try {
        return Build(args[0], args[1]);
    } catch (const BuildError& error) {
        std::fprintf(stderr, "corvane-catalog-tool build: %s\n", error.what());
    } catch (const fs::filesystem_error& error) {
        std::fprintf(stderr, "corvane-catalog-tool build: %s\n", error.what());
    }
    return 1;
}

} // namespace corvane::tool
