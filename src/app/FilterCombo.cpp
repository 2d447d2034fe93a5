#include "app/FilterCombo.h"

#include "common/ui/QtText.h"

#include <QSignalBlocker>

namespace corvane {

FilterCombo::FilterCombo(QWidget* parent) : QComboBox(parent) {
    setMaxVisibleItems(12);
    connect(this, &QComboBox::activated, this, [this](int index) {
        box_.selected = index;
        emit picked();
    });
}

void FilterCombo::ShowBox() {
    const QSignalBlocker blocker(this);
    clear();
    for (const FilterItem& item : box_.items) {
        addItem(ToQString(item.text));
    }
    setCurrentIndex(box_.selected);
}

void FilterCombo::InsertPrompt(const QString& prompt, const QString& showAll) {
    prompt_ = prompt;
    showAll_ = showAll;
    std::vector<FilterItem> items;
    items.reserve(box_.items.size() + 1);
    items.push_back(FilterItem{FromQString(prompt), 0});
    items.insert(items.end(), box_.items.begin(), box_.items.end());
    box_.items = std::move(items);
    box_.selected = 0;
    hasPrompt_ = true;
    ShowBox();
}

void FilterCombo::RemovePrompt() {
    if (hasPrompt_ && !box_.items.empty()) {
        box_.items.erase(box_.items.begin());
        box_.selected = 0;
    }
    hasPrompt_ = false;
    ShowBox();
}

void FilterCombo::ReplacePrompt() {
    if (count() > 0 && itemText(0) == prompt_ && !prompt_.isEmpty()) {
        setItemText(0, showAll_);
        if (!box_.items.empty()) {
            box_.items.front().text = FromQString(showAll_);
        }
    }
}

void FilterCombo::showPopup() {
    ReplacePrompt();
    QComboBox::showPopup();
}

} // namespace corvane
