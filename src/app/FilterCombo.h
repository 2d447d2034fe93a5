#pragma once
// A drop-down list showing one list of a SectionFilters model: its entries (the prompt, while
// the section is freshly shown, is a real first entry, so that the list reads and steps by keys
// as designed), its selection and its hint. Dropping it down replaces the prompt in the model.
#include "catalog/SectionFilters.h"

#include <QComboBox>

namespace corvane {

class FilterCombo : public QComboBox {
    Q_OBJECT
public:
    explicit FilterCombo(QWidget* parent = nullptr);

    // The model list this combo shows; the hint follows the list's texts.
    void ShowList(SectionFilters& filters, FilterListKind list);
    // Shows the model's entries and selection without reporting a change.
    void Refresh();
    // What a drop-down does to the prompt, without opening the list.
    void ReplacePrompt();
    void showPopup() override;

signals:
    // The user picked entry `index`; the model has not yet followed.
    void picked(FilterListKind list, int index);

private:
    SectionFilters* filters_ = nullptr;
    FilterListKind list_ = FilterListKind::Brand;
};

} // namespace corvane
