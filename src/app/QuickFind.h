#pragma once
// Quick find (Ctrl+F): asks for a load number, offering the numbers that start with what is
// typed, and shows the load the way the Zora Raduzu does (ShowExpertLoad).
#include "catalog/Catalog.h"

#include <QDialog>

#include <optional>
#include <string>
#include <vector>

class QLineEdit;

namespace corvane {

class TfrmMain;

struct QuickFindEntry {
    std::string LoadNumber; // as stored
    std::string ShotKey;    // shot size text of a shotshell load
    int Section = 0;
};

// The loads of sections 0-4, one entry per load number (the first section and record win).
// Sections whose table cannot be read are left out.
std::vector<QuickFindEntry> QuickFindEntries(Catalog& catalog);

// The entry whose trimmed number equals `typed` ignoring case; else the first (in order) whose
// number starts with it; none for an empty text.
std::optional<QuickFindEntry> FindLoadNumber(const std::vector<QuickFindEntry>& entries,
                                             const std::string& typed);

class QuickFindDialog : public QDialog {
    Q_OBJECT
public:
    QuickFindDialog(const std::vector<QuickFindEntry>& entries, QWidget* parent);
    QLineEdit* Entry() const { return entry_; }

private:
    QLineEdit* entry_ = nullptr;
};

// Ctrl+F on the main window, while the catalog is shown.
void InstallQuickFind(TfrmMain& window, Catalog& catalog);

} // namespace corvane
