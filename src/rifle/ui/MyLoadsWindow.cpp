#include "rifle/ui/MyLoadsWindow.h"

#include "common/UserPrompts.h"
#include "common/ui/QtText.h"
#include "rifle/OwnLoadEntry.h"
#include "rifle/ui/MyLoadsStore.h"
#include "settings/ui/CheckedFields.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>

namespace corvane {
namespace {

QString Utf8(const std::string& text) {
    return QString::fromStdString(text);
}

QString ListText(const std::string& name, const std::string& detail) {
    return detail.empty() ? Utf8(name) : Utf8(name + " (" + detail + ")");
}

QString ClickText(double click, AdjustmentUnit unit) {
    const bool mil = unit == AdjustmentUnit::Mil;
    if (!mil && click == 0.25) {
        return QStringLiteral("1/4 MOA");
    }
    if (!mil && click == 0.125) {
        return QStringLiteral("1/8 MOA");
    }
    return ToQString(OwnFieldText(OwnField::Click, click, true)) +
           (mil ? QStringLiteral(" mil") : QStringLiteral(" MOA"));
}

} // namespace

QLineEdit* MyLoadsWindow::Edit(OwnField field) const {
    return numbers_.at(field);
}

QLabel* MyLoadsWindow::UnitLabel(OwnField field) const {
    return units_.at(field);
}

bool MyLoadsWindow::KeepEntries() {
    return fields_->CheckAll();
}

void MyLoadsWindow::reject() {
    // Escape, Close and the close box keep what was typed; a refused entry keeps the window.
    if (KeepEntries()) {
        QDialog::reject();
    }
}

void MyLoadsWindow::SetUnitSystem(bool english) {
    if (english == english_) {
        return;
    }
    KeepEntries();
    english_ = english;
    for (const auto& [field, label] : units_) {
        label->setText(ToQString(OwnFieldUnitWord(field, english_)));
    }
    ShowLoad(shownLoad_);
    ShowRifle(shownRifle_);
}

void MyLoadsWindow::Store(MyLoads document) {
    store_.Replace(std::move(document));
}

void MyLoadsWindow::StoreChanged() {
    const MyLoads& document = store_.Document();
    if (static_cast<std::size_t>(loadList_->count()) != document.loads.size() ||
        static_cast<std::size_t>(rifleList_->count()) != document.rifles.size()) {
        FillLists();
    } else {
        for (std::size_t i = 0; i < document.loads.size(); ++i) {
            loadList_->item(static_cast<int>(i))
                ->setText(ListText(document.loads[i].name, document.loads[i].caliber));
        }
        for (std::size_t i = 0; i < document.rifles.size(); ++i) {
            rifleList_->item(static_cast<int>(i))->setText(Utf8(document.rifles[i].name));
        }
    }
    // A name another entry has was given a number by the store.
    if (shownLoad_ >= 0 && static_cast<std::size_t>(shownLoad_) < document.loads.size()) {
        const QString name = Utf8(document.loads[static_cast<std::size_t>(shownLoad_)].name);
        if (loadName_->text() != name) {
            loadName_->setText(name);
        }
    }
    if (shownRifle_ >= 0 && static_cast<std::size_t>(shownRifle_) < document.rifles.size()) {
        const QString name = Utf8(document.rifles[static_cast<std::size_t>(shownRifle_)].name);
        if (rifleName_->text() != name) {
            rifleName_->setText(name);
        }
    }
    saveProblem_->setText(ToQString(store_.SaveProblem()));
    saveProblem_->setVisible(!store_.SaveProblem().empty());
}

void MyLoadsWindow::FillLists() {
    const MyLoads& document = store_.Document();
    filling_ = true;
    loadList_->clear();
    for (const OwnLoad& load : document.loads) {
        loadList_->addItem(ListText(load.name, load.caliber));
    }
    rifleList_->clear();
    for (const RifleProfile& rifle : document.rifles) {
        rifleList_->addItem(Utf8(rifle.name));
    }
    filling_ = false;
    SelectEntry(Kind::Load, std::min(std::max(shownLoad_, 0), loadList_->count() - 1));
    SelectEntry(Kind::Rifle, std::min(std::max(shownRifle_, 0), rifleList_->count() - 1));
}

void MyLoadsWindow::SelectEntry(Kind kind, int index) {
    filling_ = true;
    (kind == Kind::Load ? loadList_ : rifleList_)->setCurrentRow(index);
    filling_ = false;
    if (kind == Kind::Load) {
        ShowLoad(index);
    } else {
        ShowRifle(index);
    }
}

void MyLoadsWindow::ShowLoad(int index) {
    const MyLoads& document = store_.Document();
    shownLoad_ = index >= 0 && static_cast<std::size_t>(index) < document.loads.size() ? index : -1;
    const OwnLoad shown =
        shownLoad_ >= 0 ? document.loads[static_cast<std::size_t>(shownLoad_)] : OwnLoad{};
    const bool any = shownLoad_ >= 0;
    loadForm_->setEnabled(any);
    for (QPushButton* button : entryButtons_[0]) {
        button->setEnabled(any);
    }
    loadName_->setText(any ? Utf8(shown.name) : QString());
    caliber_->setText(any ? Utf8(shown.caliber) : QString());
    note_->setText(any ? Utf8(shown.note) : QString());
    for (const auto& [field, edit] : numbers_) {
        if (!IsRifleField(field)) {
            edit->setText(any ? ToQString(OwnFieldText(field, FieldValue(shown, field), english_))
                              : QString());
        }
    }
}

void MyLoadsWindow::ShowRifle(int index) {
    const MyLoads& document = store_.Document();
    shownRifle_ =
        index >= 0 && static_cast<std::size_t>(index) < document.rifles.size() ? index : -1;
    const bool any = shownRifle_ >= 0;
    const RifleProfile shown =
        any ? document.rifles[static_cast<std::size_t>(shownRifle_)] : RifleProfile{};
    rifleForm_->setEnabled(any);
    for (QPushButton* button : entryButtons_[1]) {
        button->setEnabled(any);
    }
    rifleName_->setText(any ? Utf8(shown.name) : QString());
    for (const auto& [field, edit] : numbers_) {
        if (IsRifleField(field)) {
            edit->setText(any ? ToQString(OwnFieldText(field, FieldValue(shown, field), english_))
                              : QString());
        }
    }
    scopeUnit_->setCurrentIndex(shown.unit == AdjustmentUnit::Mil ? 1 : 0);
    ShowClick(shown);
}

void MyLoadsWindow::ShowClick(const RifleProfile& rifle) {
    // The scope's common clicks, then "Typed" for any other value in the field below.
    clickList_->clear();
    const auto common = CommonClicks(rifle.unit);
    int current = static_cast<int>(common.size());
    for (std::size_t i = 0; i < common.size(); ++i) {
        clickList_->addItem(ClickText(common[i], rifle.unit));
        if (rifle.click == common[i]) {
            current = static_cast<int>(i);
        }
    }
    clickList_->addItem(QStringLiteral("Typed"));
    clickList_->setCurrentIndex(current);
    units_.at(OwnField::Click)
        ->setText(ToQString(OwnFieldUnitWord(OwnField::Click, true, rifle.unit)));
}

void MyLoadsWindow::FieldAccepted(QLineEdit* edit) {
    MyLoads document = store_.Document();
    OwnLoad* load =
        shownLoad_ >= 0 ? &document.loads[static_cast<std::size_t>(shownLoad_)] : nullptr;
    RifleProfile* rifle =
        shownRifle_ >= 0 ? &document.rifles[static_cast<std::size_t>(shownRifle_)] : nullptr;
    const std::string text = edit->text().toStdString();
    if (edit == rifleName_) {
        if (rifle == nullptr) {
            return;
        }
        rifle->name = text;
    } else if (edit == loadName_ || edit == caliber_ || edit == note_) {
        if (load == nullptr) {
            return;
        }
        (edit == loadName_ ? load->name : edit == caliber_ ? load->caliber : load->note) = text;
    } else {
        for (const auto& [field, numberEdit] : numbers_) {
            if (numberEdit != edit) {
                continue;
            }
            const std::optional<double> value =
                OwnFieldValue(field, FromQString(edit->text()), english_);
            if (IsRifleField(field) && rifle != nullptr) {
                SetFieldValue(*rifle, field, value);
                if (field == OwnField::Click) {
                    ShowClick(*rifle);
                }
            } else if (!IsRifleField(field) && load != nullptr) {
                SetFieldValue(*load, field, value);
            } else {
                return;
            }
        }
    }
    if (document != store_.Document()) {
        Store(std::move(document));
    }
}

void MyLoadsWindow::ScopeUnitPicked(int index) {
    if (shownRifle_ < 0) {
        return;
    }
    MyLoads document = store_.Document();
    RifleProfile& rifle = document.rifles[static_cast<std::size_t>(shownRifle_)];
    const AdjustmentUnit unit = index == 1 ? AdjustmentUnit::Mil : AdjustmentUnit::Moa;
    if (unit == rifle.unit) {
        return;
    }
    // A click of the other unit means nothing here: take the new unit's usual one.
    rifle.unit = unit;
    rifle.click = CommonClicks(unit)[0];
    Store(std::move(document));
    ShowRifle(shownRifle_);
}

void MyLoadsWindow::ClickPicked(int index) {
    if (shownRifle_ < 0) {
        return;
    }
    MyLoads document = store_.Document();
    RifleProfile& rifle = document.rifles[static_cast<std::size_t>(shownRifle_)];
    const auto common = CommonClicks(rifle.unit);
    if (index < 0 || static_cast<std::size_t>(index) >= common.size()) {
        // "Typed": the value is typed in the field below.
        Edit(OwnField::Click)->setFocus(Qt::OtherFocusReason);
        Edit(OwnField::Click)->selectAll();
        return;
    }
    rifle.click = common[static_cast<std::size_t>(index)];
    Edit(OwnField::Click)->setText(ToQString(OwnFieldText(OwnField::Click, rifle.click, true)));
    Store(std::move(document));
}

void MyLoadsWindow::NewEntry(Kind kind) {
    KeepEntries();
    MyLoads document = store_.Document();
    const bool load = kind == Kind::Load;
    if ((load ? document.loads.size() : document.rifles.size()) >= kMaxEntries) {
        prompts_.ShowError(load ? "My Loads holds at most 1000 loads."
                                : "My Loads holds at most 1000 rifles.");
        return;
    }
    int index = 0;
    if (load) {
        OwnLoad added;
        added.name = "New load";
        document.loads.push_back(added);
        index = static_cast<int>(document.loads.size()) - 1;
    } else {
        RifleProfile added;
        added.name = "New rifle";
        document.rifles.push_back(added);
        index = static_cast<int>(document.rifles.size()) - 1;
    }
    Store(std::move(document));
    SelectEntry(kind, index);
    QLineEdit* name = load ? loadName_ : rifleName_;
    name->setFocus(Qt::OtherFocusReason);
    name->selectAll();
}

void MyLoadsWindow::DuplicateEntry(Kind kind) {
    KeepEntries();
    MyLoads document = store_.Document();
    const bool load = kind == Kind::Load;
    const int shown = load ? shownLoad_ : shownRifle_;
    if (shown < 0) {
        return;
    }
    if ((load ? document.loads.size() : document.rifles.size()) >= kMaxEntries) {
        prompts_.ShowError(load ? "My Loads holds at most 1000 loads."
                                : "My Loads holds at most 1000 rifles.");
        return;
    }
    const auto at = static_cast<std::size_t>(shown);
    const auto copyName = [](std::string name) {
        return name.size() + 7 <= kMaxTextLength ? name + " (copy)" : name;
    };
    if (load) {
        OwnLoad copy = document.loads[at];
        copy.name = copyName(copy.name);
        document.loads.insert(document.loads.begin() + shown + 1, copy);
    } else {
        RifleProfile copy = document.rifles[at];
        copy.name = copyName(copy.name);
        document.rifles.insert(document.rifles.begin() + shown + 1, copy);
    }
    Store(std::move(document));
    SelectEntry(kind, shown + 1);
}

void MyLoadsWindow::DeleteEntry(Kind kind) {
    KeepEntries();
    const bool load = kind == Kind::Load;
    const int shown = load ? shownLoad_ : shownRifle_;
    if (shown < 0) {
        return;
    }
    MyLoads document = store_.Document();
    const auto at = static_cast<std::size_t>(shown);
    const QString question =
        load ? QStringLiteral("Delete the load \"%1\"?").arg(Utf8(document.loads[at].name))
             : QStringLiteral("Delete the rifle \"%1\"?").arg(Utf8(document.rifles[at].name));
    if (!confirm_(question)) {
        return;
    }
    if (load) {
        document.loads.erase(document.loads.begin() + shown);
    } else {
        document.rifles.erase(document.rifles.begin() + shown);
    }
    const int left = static_cast<int>(load ? document.loads.size() : document.rifles.size());
    Store(std::move(document));
    SelectEntry(kind, std::min(shown, left - 1));
}

void MyLoadsWindow::AddLoad(const OwnLoad& load) {
    KeepEntries();
    MyLoads document = store_.Document();
    if (document.loads.size() >= kMaxEntries) {
        prompts_.ShowError("My Loads holds at most 1000 loads.");
        return;
    }
    document.loads.push_back(load);
    const int index = static_cast<int>(document.loads.size()) - 1;
    Store(std::move(document));
    tabs_->setCurrentIndex(0);
    SelectEntry(Kind::Load, index);
    // The shooter's own barrel gives another velocity than the catalog's test barrel.
    Edit(OwnField::MuzzleVelocity)->setFocus(Qt::OtherFocusReason);
    Edit(OwnField::MuzzleVelocity)->selectAll();
}

void MyLoadsWindow::ImportFile() {
    KeepEntries();
    const QString chosen = chooseFile_(false);
    if (chosen.isEmpty()) {
        return;
    }
    const ReadResult<MyLoads> read = ReadMyLoadsFile(std::filesystem::path(chosen.toStdString()));
    if (!read) {
        prompts_.ShowError(read.Error().Message() + ".\nNothing was imported.");
        return;
    }
    MyLoads document = store_.Document();
    const int firstLoad = static_cast<int>(document.loads.size());
    if (!AddShared(document, read.Value())) {
        prompts_.ShowError("Together with yours, the file's loads or rifles would be more than "
                           "1000.\nNothing was imported.");
        return;
    }
    Store(std::move(document));
    if (!read.Value().loads.empty()) {
        tabs_->setCurrentIndex(0);
        SelectEntry(Kind::Load, firstLoad);
    }
    const auto count = [](std::size_t n, const char* one, const char* many) {
        return std::to_string(n) + " " + (n == 1 ? one : many);
    };
    prompts_.ShowMessage("Imported " + count(read.Value().loads.size(), "load", "loads") + " and " +
                         count(read.Value().rifles.size(), "rifle", "rifles") + ".");
}

void MyLoadsWindow::ExportFile() {
    KeepEntries();
    const QString chosen = chooseFile_(true);
    if (chosen.isEmpty()) {
        return;
    }
    const WriteResult written =
        WriteMyLoadsFile(std::filesystem::path(chosen.toStdString()), store_.Document());
    if (!written.Ok) {
        prompts_.ShowError(written.Error);
    }
}

} // namespace corvane
