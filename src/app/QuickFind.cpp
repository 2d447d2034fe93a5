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
#include <QStandardItemModel>
#include <QVBoxLayout>

namespace corvane {

QuickFindDialog::QuickFindDialog(const std::vector<QuickFindEntry>& entries, QWidget* parent)
    : QDialog(parent), entries_(entries) {
    setObjectName(QStringLiteral("dlgQuickFind"));
    setWindowTitle(QStringLiteral("Find load"));
    entry_ = new QLineEdit(this);
    entry_->setObjectName(QStringLiteral("EditLoadNumber"));
    entry_->setMinimumWidth(260);
    offers_ = new QStandardItemModel(this);
    // The offers are ranked by the core; the completer shows them as they are and puts the
    // chosen load number into the entry.
    auto* completer = new QCompleter(offers_, this);
    completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer->setCompletionRole(Qt::UserRole);
    completer->setMaxVisibleItems(12);
    entry_->setCompleter(completer);
    connect(entry_, &QLineEdit::textEdited, this, [this, completer](const QString& typed) {
        OfferLoads(typed);
        if (offers_->rowCount() > 0) {
            completer->complete();
        }
    });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Load number or caliber:"), this));
    layout->addWidget(entry_);
    layout->addWidget(buttons);
}

void QuickFindDialog::OfferLoads(const QString& typed) {
    offers_->clear();
    for (std::size_t i : RankQuickFind(entries_, FromQString(typed))) {
        const QuickFindEntry& entry = entries_[i];
        const QString number = ToQString(Trim(entry.LoadNumber));
        auto* item = new QStandardItem(ToQString(QuickFindOfferText(entry)));
        item->setData(number, Qt::UserRole);
        item->setEditable(false);
        offers_->appendRow(item);
    }
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
            if (const std::string miss = QuickFindMissText(typed); !miss.empty()) {
                QMessageBox::information(&window, QStringLiteral("Find load"), ToQString(miss));
            }
            return;
        }
        window.ShowExpertLoad(found->LoadNumber, found->ShotKey, found->Section);
    });
}

} // namespace corvane
