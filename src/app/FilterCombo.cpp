#include "app/FilterCombo.h"

#include "common/ui/QtText.h"

#include <QSignalBlocker>

namespace corvane {

FilterCombo::FilterCombo(QWidget* parent) : QComboBox(parent) {
    setMaxVisibleItems(12);
    connect(this, &QComboBox::activated, this, [this](int index) { emit picked(list_, index); });
}

void FilterCombo::ShowList(SectionFilters& filters, FilterListKind list) {
    filters_ = &filters;
    list_ = list;
    setToolTip(QString::fromLatin1(filters.Texts(list).hint));
}

void FilterCombo::Refresh() {
    if (filters_ == nullptr) {
        return;
    }
    const QSignalBlocker blocker(this);
    clear();
    const FilterBox& box = filters_->List(list_);
    for (const FilterItem& item : box.items) {
        addItem(ToQString(item.text));
    }
    setCurrentIndex(box.selected);
    setToolTip(QString::fromLatin1(filters_->Texts(list_).hint));
}

void FilterCombo::ReplacePrompt() {
    if (filters_ == nullptr || count() == 0) {
        return;
    }
    filters_->ReplacePrompt(list_);
    const FilterBox& box = filters_->List(list_);
    if (!box.items.empty()) {
        setItemText(0, ToQString(box.items.front().text));
    }
}

void FilterCombo::showPopup() {
    ReplacePrompt();
    QComboBox::showPopup();
}

} // namespace corvane
