#pragma once
// "My Loads": the shooter's own loads and rifle profiles, each a list with a form beside it.
// Every entry is checked when it is left and kept at once; numbers show in the program's unit
// system while the document holds English units.
#include "rifle/MyLoads.h"

#include <QDialog>

#include <array>
#include <functional>
#include <map>

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;

namespace corvane {

class CheckedFields;
class MyLoadsStore;
class UserPrompts;

class MyLoadsWindow : public QDialog {
    Q_OBJECT
public:
    MyLoadsWindow(MyLoadsStore& store, UserPrompts& prompts, bool english,
                  QWidget* parent = nullptr);

    // Shows numbers in English or Metric units; what is being typed is kept first.
    void SetUnitSystem(bool english);
    // Adds a new load, shows it and puts the focus in its muzzle velocity.
    void AddLoad(const OwnLoad& load);
    // Keeps whatever was typed and not yet left; false when an entry is refused.
    bool KeepEntries();

    // Asks a yes/no question (a message box unless replaced, e.g. by a test).
    using Confirm = std::function<bool(const QString& question)>;
    void SetConfirm(Confirm confirm) { confirm_ = std::move(confirm); }
    // The file to import from or export to; empty when the user cancels.
    using FileChooser = std::function<QString(bool forExport)>;
    void SetFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }

    QTabWidget* Tabs() const { return tabs_; }
    QListWidget* LoadList() const { return loadList_; }
    QListWidget* RifleList() const { return rifleList_; }
    QLineEdit* Edit(OwnField field) const;
    QLineEdit* LoadNameEdit() const { return loadName_; }
    QLineEdit* CaliberEdit() const { return caliber_; }
    QLineEdit* NoteEdit() const { return note_; }
    QLineEdit* RifleNameEdit() const { return rifleName_; }
    QComboBox* ScopeUnitList() const { return scopeUnit_; }
    QComboBox* ClickList() const { return clickList_; }
    QLabel* UnitLabel(OwnField field) const;
    QLabel* SaveProblemLabel() const { return saveProblem_; }

protected:
    void reject() override;

private:
    enum class Kind { Load, Rifle };

    QWidget* BuildLoadTab();
    QWidget* BuildRifleTab();
    QLineEdit* NumberRow(QFormLayout* form, OwnField field, const QString& label, const char* name);
    QLineEdit* TextRow(QFormLayout* form, const QString& label, const char* name, bool required);
    QWidget* ListButtons(Kind kind, const char* what);

    void Store(MyLoads document);
    void StoreChanged();
    void FieldAccepted(QLineEdit* edit);
    void ShowLoad(int index);
    void ShowRifle(int index);
    void ShowClick(const RifleProfile& rifle);
    void ScopeUnitPicked(int index);
    void ClickPicked(int index);
    void NewEntry(Kind kind);
    void DuplicateEntry(Kind kind);
    void DeleteEntry(Kind kind);
    void SelectEntry(Kind kind, int index);
    void ImportFile();
    void ExportFile();
    void FillLists();

    MyLoadsStore& store_;
    UserPrompts& prompts_;
    bool english_;
    CheckedFields* fields_ = nullptr;
    Confirm confirm_;
    FileChooser chooseFile_;
    int shownLoad_ = -1;
    int shownRifle_ = -1;
    bool filling_ = false;

    QTabWidget* tabs_ = nullptr;
    QListWidget* loadList_ = nullptr;
    QListWidget* rifleList_ = nullptr;
    QWidget* loadForm_ = nullptr;
    QWidget* rifleForm_ = nullptr;
    std::map<OwnField, QLineEdit*> numbers_;
    std::map<OwnField, QLabel*> units_;
    QLineEdit* loadName_ = nullptr;
    QLineEdit* caliber_ = nullptr;
    QLineEdit* note_ = nullptr;
    QLineEdit* rifleName_ = nullptr;
    QComboBox* scopeUnit_ = nullptr;
    QComboBox* clickList_ = nullptr;
    QLabel* saveProblem_ = nullptr;
    // Duplicate and Delete of the loads and of the rifles: only with an entry shown.
    std::array<std::array<QPushButton*, 2>, 2> entryButtons_{};
};

} // namespace corvane
