#pragma once
// Quick find (Ctrl+F): asks for a load number, offering the loads the typed text finds (load
// numbers and caliber names, the core's order), and shows the chosen load the way the Zora
// Raduzu does (ShowExpertLoad).
#include "catalog/LoadFinder.h"

#include <QDialog>

#include <vector>

class QLineEdit;
class QStandardItemModel;

namespace corvane {

class TfrmMain;

class QuickFindDialog : public QDialog {
    Q_OBJECT
public:
    QuickFindDialog(const std::vector<QuickFindEntry>& entries, QWidget* parent);
    QLineEdit* Entry() const { return entry_; }
    // What the entry offers: one row per load found, "number   caliber".
    QStandardItemModel* Offers() const { return offers_; }

private:
    void OfferLoads(const QString& typed);

    const std::vector<QuickFindEntry>& entries_;
    QLineEdit* entry_ = nullptr;
    QStandardItemModel* offers_ = nullptr;
};

// Ctrl+F on the main window, while the catalog is shown.
void InstallQuickFind(TfrmMain& window, Catalog& catalog);

} // namespace corvane
