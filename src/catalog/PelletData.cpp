#include "catalog/PelletData.h"

#include "catalog/Catalog.h"
#include "catalog/ShotSizes.h"
#include "common/NumberText.h"
#include "common/TextUtil.h"
#include "common/UnitConversion.h"

namespace corvane {
namespace {

constexpr int kFirstShotSizeId = 1;
constexpr int kLastShotSizeId = 29;

int PelletsPerOunceOf(const ShotSizeInfo& info, ShotMaterial material) {
    if (!info.pellets) {
        return 0;
    }
    switch (material) {
    case ShotMaterial::Lead:
        return info.pellets->lead;
    case ShotMaterial::Steel:
        return info.pellets->steel;
    case ShotMaterial::Tungsten:
        return info.pellets->tungsten;
    case ShotMaterial::None:
        break;
    }
    return 0;
}

double DiameterIn(const ShotSizeInfo& info, bool englSys) {
    const double inches = info.diameter;
    return englSys ? inches : inches * kCentimetersPerInch;
}

} // namespace

ShotMaterial ShotMaterialOf(std::string_view materialName) {
    const std::string upper = UpperCase(materialName);
    if (upper.find("LEAD") != std::string::npos) {
        return ShotMaterial::Lead;
    }
    if (upper.find("STEEL") != std::string::npos) {
        return ShotMaterial::Steel;
    }
    if (upper.find("TUNGSTEN") != std::string::npos) {
        return ShotMaterial::Tungsten;
    }
    return ShotMaterial::None;
}

bool IsBuckshotLoad(const LoadRecord& load) {
    return UpperCase(load.ShotSizeText).find("PELLET") != std::string::npos;
}

PelletTable BuildPelletTable(const LoadRecord& load, const std::vector<int>& index,
                             std::string_view materialName, bool englSys) {
    PelletTable table;
    table.buckshot = IsBuckshotLoad(load);
    table.englSys = englSys;
    table.material = ShotMaterialOf(materialName);

    const std::string lengthWord = englSys ? "Inches" : "Centimeters";
    table.headings.push_back(table.buckshot ? "Buck Shot" : "Shot Size");
    if (!table.buckshot) {
        table.headings.push_back("Typical Pellet Count");
    }
    table.headings.push_back("Pellet Size in " + lengthWord);

    for (int id = kFirstShotSizeId; id <= kLastShotSizeId; ++id) {
        if (!load.ShotSizeFlags[static_cast<std::size_t>(id)]) {
            continue;
        }
        const std::optional<int> entry = ShotSizeEntryOf(index, id);
        if (!entry) {
            table.unmappedShotSizeIds.push_back(id);
            continue;
        }
        const ShotSizeInfo& info = *ShotSizeEntryInfo(*entry);
        ShotRow row;
        row.shotSizeId = id;
        row.entry = *entry;
        row.name = std::string(info.name);
        if (table.material == ShotMaterial::None) {
            row.countText = "---";
        } else {
            row.count = RoundHalfEven(PelletsPerOunceOf(info, table.material) * load.ShotWeight);
            row.countText = std::to_string(*row.count);
        }
        row.diameterText = FormatFixed(DiameterIn(info, englSys), englSys ? 3 : 2);
        table.rows.push_back(std::move(row));
    }

    table.weightText = englSys ? FormatFixed(load.ShotWeight, 3) + " oz."
                               : FormatFixed(load.ShotWeight * kGramsPerOunce, 2) + " Grams";
    table.loadCaption = "Load:  " + load.LoadNumber + "  Weight:  " + table.weightText;
    return table;
}

ReadResult<PelletTable> BuildPelletTable(Catalog& catalog, int loadIndex, bool englSys) {
    const int count = catalog.LoadSectionTable(CatalogTab::Shotshell);
    if (loadIndex < 0 || loadIndex >= count) {
        return ReadError{ReadError::Kind::MissingEntry,
                         catalog.DataDir() / Traits(CatalogTab::Shotshell).tableFile,
                         "no record " + std::to_string(loadIndex)};
    }
    const LoadRecord& load = catalog.Record(CatalogTab::Shotshell, loadIndex);
    const auto index = ReadShotSizeIndex(catalog.DataDir());
    if (!index) {
        return index.Error();
    }
    try {
        const std::string material =
            catalog.LookupName(load.MaterialId, CatalogTab::Shotshell, ListKind::Material);
        return BuildPelletTable(load, index.Value(), material, englSys);
    } catch (const CatalogFileError& error) {
        return error.Error();
    }
}

std::vector<std::vector<std::string>> PelletGridCells(const PelletTable& table) {
    std::vector<std::vector<std::string>> cells;
    cells.reserve(table.rows.size());
    for (const ShotRow& row : table.rows) {
        std::vector<std::string> line{"    " + row.name};
        if (!table.buckshot) {
            line.push_back("        " + row.countText);
        }
        line.push_back("        " + row.diameterText);
        cells.push_back(std::move(line));
    }
    return cells;
}

std::optional<double> PelletDiameter(const LoadRecord& load, const std::vector<int>& index,
                                     bool englSys) {
    for (int id = kFirstShotSizeId; id <= kLastShotSizeId; ++id) {
        if (!load.ShotSizeFlags[static_cast<std::size_t>(id)]) {
            continue;
        }
        const std::optional<int> entry = ShotSizeEntryOf(index, id);
        if (!entry) {
            return std::nullopt;
        }
        return DiameterIn(*ShotSizeEntryInfo(*entry), englSys);
    }
    return 0.0;
}

} // namespace corvane
