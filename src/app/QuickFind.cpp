#include "app/QuickFind.h"

#include "app/MainFrm.h"
#include "common/TextUtil.h"
#include "common/ui/QtText.h"

#include <QCompleter>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QShortcut>
#include <QStringList>
#include <QVBoxLayout>

#include <set>

namespace corvane {

std::vector<QuickFindEntry> QuickFindEntries(Catalog& catalog) {
    std::vector<QuickFindEntry> entries;
    std::set<std::string> seen;
    for (int section = 0; section <= 4; ++section) {
        const auto tab = static_cast<CatalogTab>(section);
        try {
            catalog.LoadSectionTable(tab);
        } catch (const CatalogFileError&) {
            continue; // reported when the section itself is shown
        }
        for (const LoadRecord& record : catalog.Records(tab)) {
            const std::string key = UpperCase(Trim(record.LoadNumber));
            if (!key.empty() && seen.insert(key).second) {
                entries.push_back({record.LoadNumber, record.ShotSizeText, section});
            }
        }
    }
    return entries;
}

std::optional<QuickFindEntry> FindLoadNumber(const std::vector<QuickFindEntry>& entries,
                                             const std::string& typed) {
    const std::string wanted = UpperCase(Trim(typed));
    if (wanted.empty()) {
        return std::nullopt;
    }
    std::optional<QuickFindEntry> prefixMatch;
    for (const QuickFindEntry& entry : entries) {
        const std::string number = UpperCase(Trim(entry.LoadNumber));
        if (number == wanted) {
            return entry;
        }
        if (!prefixMatch && number.compare(0, wanted.size(), wanted) == 0) {
            prefixMatch = entry;
        }
    }
    return prefixMatch;
}

QuickFindDialog::QuickFindDialog(const std::vector<QuickFindEntry>& entries, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("dlgQuickFind"));
    setWindowTitle(QStringLiteral("Find load"));
    entry_ = new QLineEdit(this);
    entry_->setObjectName(QStringLiteral("EditLoadNumber"));
    QStringList numbers;
    for (const QuickFindEntry& entry : entries) {
        numbers << ToQString(Trim(entry.LoadNumber));
    }
    numbers.sort(Qt::CaseInsensitive);
    auto* completer = new QCompleter(numbers, this);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchStartsWith);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    entry_->setCompleter(completer);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Load number:"), this));
    layout->addWidget(entry_);
    layout->addWidget(buttons);
}

void InstallQuickFind(TfrmMain& window, Catalog& catalog) {
    auto* shortcut = new QShortcut(QKeySequence::Find, &window);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, &window, [&window, &catalog] {
        if (!window.CatalogShown()) {
            return;
        }
        const std::vector<QuickFindEntry> entries = QuickFindEntries(catalog);
        QuickFindDialog dialog(entries, &window);
        if (dialog.exec() != QDialog::Accepted) {
            return;
        }
        const std::string typed = FromQString(dialog.Entry()->text());
        const std::optional<QuickFindEntry> found = FindLoadNumber(entries, typed);
        if (!found) {
            if (!Trim(typed).empty()) {
                QMessageBox::information(
                    &window, QStringLiteral("Find load"),
                    QStringLiteral("No load numbered %1.").arg(ToQString(Trim(typed))));
            }
            return;
        }
        window.ShowExpertLoad(found->LoadNumber, found->ShotKey, found->Section);
    });
}

} // namespace corvane
