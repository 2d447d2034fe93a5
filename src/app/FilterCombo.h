#pragma once
// A drop-down list mirroring one filter box of the core. Until it is first dropped down its
// first entry is a prompt ("Pick a brand"); dropping it down turns the prompt into the list's
// "show all" text.
#include "catalog/FilterLists.h"

#include <QComboBox>

namespace corvane {

class FilterCombo : public QComboBox {
    Q_OBJECT
public:
    explicit FilterCombo(QWidget* parent = nullptr);

    FilterBox& Box() { return box_; }
    const FilterBox& Box() const { return box_; }
    // Shows the box's items and selection without reporting a change.
    void ShowBox();
    // Inserts `prompt` at the top and selects it; dropping down replaces it by `showAll`.
    void InsertPrompt(const QString& prompt, const QString& showAll);
    // Drops the entry a previous InsertPrompt put first (prompt or its replacement).
    void RemovePrompt();
    bool HasPrompt() const { return hasPrompt_; }
    // What a drop-down does to the prompt, without opening the list.
    void ReplacePrompt();
    void showPopup() override;

signals:
    // The user picked an entry; the box's selection already follows it.
    void picked();

private:
    FilterBox box_;
    QString prompt_;
    QString showAll_;
    bool hasPrompt_ = false;
};

} // namespace corvane
