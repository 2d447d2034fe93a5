#include "rifle/ui/MyLoadsWindow.h"

#include "common/ui/QtText.h"
#include "rifle/OwnLoadEntry.h"
#include "rifle/ui/MyLoadsStore.h"
#include "settings/ui/CheckedFields.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

// The window built: its tabs, lists, forms and buttons, and which check guards each field.

namespace corvane {
namespace {
QPushButton* Button(const QString& text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    // Enter belongs to the field being typed in, never to a button elsewhere in the window.
    button->setAutoDefault(false);
    return button;
}

} // namespace

MyLoadsWindow::MyLoadsWindow(MyLoadsStore& store, UserPrompts& prompts, bool english,
                             QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), store_(store),
      prompts_(prompts), english_(english) {
    setObjectName(QStringLiteral("frmMyLoads"));
    setWindowTitle(QStringLiteral("My Loads"));
    setModal(false);
    confirm_ = [this](const QString& question) {
        return QMessageBox::question(this, windowTitle(), question,
                                     QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::No) == QMessageBox::Yes;
    };
    chooseFile_ = [this](bool forExport) {
        const QString filter = QStringLiteral("Loads files (*.json);;All files (*)");
        return forExport ? QFileDialog::getSaveFileName(this, QStringLiteral("Export loads"),
                                                        QStringLiteral("my-loads.json"), filter)
                         : QFileDialog::getOpenFileName(this, QStringLiteral("Import loads"),
                                                        QString(), filter);
    };
    fields_ = new CheckedFields(prompts_, this);
    connect(fields_, &CheckedFields::accepted, this, &MyLoadsWindow::FieldAccepted);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("tabsMyLoads"));
    tabs_->addTab(BuildLoadTab(), QStringLiteral("&Loads"));
    tabs_->addTab(BuildRifleTab(), QStringLiteral("&Rifles"));

    saveProblem_ = new QLabel(this);
    saveProblem_->setObjectName(QStringLiteral("lblSaveProblem"));
    saveProblem_->setWordWrap(true);
    QPalette red = saveProblem_->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    saveProblem_->setPalette(red);
    saveProblem_->hide();
    QPushButton* importButton = Button(QStringLiteral("&Import..."), "btnImport", this);
    QPushButton* exportButton = Button(QStringLiteral("E&xport..."), "btnExport", this);
    QPushButton* closeButton = Button(QStringLiteral("Close"), "btnClose", this);
    connect(importButton, &QPushButton::clicked, this, &MyLoadsWindow::ImportFile);
    connect(exportButton, &QPushButton::clicked, this, &MyLoadsWindow::ExportFile);
    connect(closeButton, &QPushButton::clicked, this, &MyLoadsWindow::reject);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(importButton);
    bottom->addWidget(exportButton);
    bottom->addWidget(saveProblem_, 1);
    bottom->addStretch();
    bottom->addWidget(closeButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_, 1);
    layout->addLayout(bottom);
    resize(720, 520);

    connect(&store_, &MyLoadsStore::Changed, this, &MyLoadsWindow::StoreChanged);
    FillLists();
}

QWidget* MyLoadsWindow::ListButtons(Kind kind, const char* what) {
    auto* row = new QWidget;
    auto* buttons = new QHBoxLayout(row);
    buttons->setContentsMargins(0, 0, 0, 0);
    const std::string suffix = what;
    QPushButton* add = Button(QStringLiteral("&New"), ("btnNew" + suffix).c_str(), row);
    QPushButton* copy =
        Button(QStringLiteral("D&uplicate"), ("btnDuplicate" + suffix).c_str(), row);
    QPushButton* remove = Button(QStringLiteral("Dele&te"), ("btnDelete" + suffix).c_str(), row);
    connect(add, &QPushButton::clicked, this, [this, kind] { NewEntry(kind); });
    connect(copy, &QPushButton::clicked, this, [this, kind] { DuplicateEntry(kind); });
    connect(remove, &QPushButton::clicked, this, [this, kind] { DeleteEntry(kind); });
    entryButtons_[kind == Kind::Load ? 0 : 1] = {copy, remove};
    buttons->addWidget(add);
    buttons->addWidget(copy);
    buttons->addWidget(remove);
    return row;
}

QLineEdit* MyLoadsWindow::NumberRow(QFormLayout* form, OwnField field, const QString& label,
                                    const char* name) {
    auto* row = new QWidget;
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    auto* edit = new QLineEdit(row);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(16);
    edit->setFixedWidth(90);
    auto* unit = new QLabel(ToQString(OwnFieldUnitWord(field, english_)), row);
    unit->setObjectName(QString::fromLatin1(name).replace(0, 3, QStringLiteral("lbl")));
    line->addWidget(edit);
    line->addWidget(unit, 1);
    auto* caption = new QLabel(label);
    caption->setBuddy(edit);
    form->addRow(caption, row);
    numbers_[field] = edit;
    units_[field] = unit;
    fields_->Watch(edit, [this, field](std::string_view text) {
        std::optional<double> previous;
        AdjustmentUnit scope = AdjustmentUnit::Moa;
        const MyLoads& document = store_.Document();
        if (IsRifleField(field) && shownRifle_ >= 0) {
            const RifleProfile& rifle = document.rifles[static_cast<std::size_t>(shownRifle_)];
            previous = FieldValue(rifle, field);
            scope = rifle.unit;
        } else if (!IsRifleField(field) && shownLoad_ >= 0) {
            previous = FieldValue(document.loads[static_cast<std::size_t>(shownLoad_)], field);
        }
        return CheckOwnFieldEntry(field, text, english_, previous, scope);
    });
    connect(edit, &QLineEdit::returnPressed, this, [this, edit] { fields_->Check(edit); });
    return edit;
}

QLineEdit* MyLoadsWindow::TextRow(QFormLayout* form, const QString& label, const char* name,
                                  bool required) {
    auto* edit = new QLineEdit;
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(static_cast<int>(kMaxTextLength));
    auto* caption = new QLabel(label);
    caption->setBuddy(edit);
    form->addRow(caption, edit);
    fields_->Watch(
        edit,
        [this, edit, required](std::string_view text) {
            // The previous text is the one the form last showed from the document.
            const MyLoads& document = store_.Document();
            std::string previous;
            if (edit == rifleName_ && shownRifle_ >= 0) {
                previous = document.rifles[static_cast<std::size_t>(shownRifle_)].name;
            } else if (shownLoad_ >= 0) {
                const OwnLoad& load = document.loads[static_cast<std::size_t>(shownLoad_)];
                previous = edit == loadName_  ? load.name
                           : edit == caliber_ ? load.caliber
                                              : load.note;
            }
            return CheckOwnText(text, previous, required);
        },
        CheckedFields::Crossing::Utf8);
    connect(edit, &QLineEdit::returnPressed, this, [this, edit] { fields_->Check(edit); });
    return edit;
}

QWidget* MyLoadsWindow::BuildLoadTab() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tabLoads"));
    loadList_ = new QListWidget(page);
    loadList_->setObjectName(QStringLiteral("lstLoads"));
    auto* left = new QVBoxLayout;
    left->addWidget(loadList_, 1);
    left->addWidget(ListButtons(Kind::Load, "Load"));

    loadForm_ = new QWidget(page);
    loadForm_->setObjectName(QStringLiteral("pnlLoadForm"));
    auto* form = new QFormLayout;
    loadName_ = TextRow(form, QStringLiteral("Na&me:"), "edtLoadName", true);
    caliber_ = TextRow(form, QStringLiteral("&Caliber:"), "edtCaliber", false);
    NumberRow(form, OwnField::BulletWeight, QStringLiteral("Bullet &weight:"), "edtBulletWeight");
    NumberRow(form, OwnField::BallisticCoefficient, QStringLiteral("G1 &ballistic coefficient:"),
              "edtBallisticCoefficient");
    NumberRow(form, OwnField::MuzzleVelocity, QStringLiteral("Muzzle &velocity:"),
              "edtMuzzleVelocity");
    NumberRow(form, OwnField::BarrelLength, QStringLiteral("Barrel len&gth:"), "edtBarrelLength");
    note_ = TextRow(form, QStringLiteral("N&ote:"), "edtNote", false);

    auto* optional = new QGroupBox(QStringLiteral("Optional: leave empty when not known"));
    optional->setObjectName(QStringLiteral("grpOptional"));
    auto* optionalForm = new QFormLayout(optional);
    NumberRow(optionalForm, OwnField::G7Coefficient, QStringLiteral("G&7 ballistic coefficient:"),
              "edtG7Coefficient");
    NumberRow(optionalForm, OwnField::BulletDiameter, QStringLiteral("Bullet &diameter:"),
              "edtBulletDiameter");
    NumberRow(optionalForm, OwnField::BulletLength, QStringLiteral("Bullet lengt&h:"),
              "edtBulletLength");
    NumberRow(optionalForm, OwnField::Twist, QStringLiteral("Twi&st:"), "edtTwist");
    NumberRow(optionalForm, OwnField::PowderSensitivity,
              QStringLiteral("&Powder temperature sensitivity:"), "edtPowderSensitivity");

    auto* right = new QVBoxLayout(loadForm_);
    right->setContentsMargins(0, 0, 0, 0);
    right->addLayout(form);
    right->addWidget(optional);
    right->addStretch(1);

    auto* layout = new QHBoxLayout(page);
    layout->addLayout(left, 2);
    layout->addWidget(loadForm_, 3);
    connect(loadList_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!filling_) {
            ShowLoad(row);
        }
    });
    return page;
}

QWidget* MyLoadsWindow::BuildRifleTab() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tabRifles"));
    rifleList_ = new QListWidget(page);
    rifleList_->setObjectName(QStringLiteral("lstRifles"));
    auto* left = new QVBoxLayout;
    left->addWidget(rifleList_, 1);
    left->addWidget(ListButtons(Kind::Rifle, "Rifle"));

    rifleForm_ = new QWidget(page);
    rifleForm_->setObjectName(QStringLiteral("pnlRifleForm"));
    auto* form = new QFormLayout;
    rifleName_ = TextRow(form, QStringLiteral("Na&me:"), "edtRifleName", true);
    NumberRow(form, OwnField::SightHeight, QStringLiteral("Sight &height:"), "edtSightHeight");
    NumberRow(form, OwnField::ZeroRange, QStringLiteral("&Zero range:"), "edtZeroRange");
    scopeUnit_ = new QComboBox;
    scopeUnit_->setObjectName(QStringLiteral("cboScopeUnit"));
    scopeUnit_->addItems({QStringLiteral("MOA"), QStringLiteral("mil")});
    auto* unitCaption = new QLabel(QStringLiteral("&Scope unit:"));
    unitCaption->setBuddy(scopeUnit_);
    form->addRow(unitCaption, scopeUnit_);
    clickList_ = new QComboBox;
    clickList_->setObjectName(QStringLiteral("cboClick"));
    auto* clickCaption = new QLabel(QStringLiteral("Clic&k:"));
    clickCaption->setBuddy(clickList_);
    form->addRow(clickCaption, clickList_);
    NumberRow(form, OwnField::Click, QStringLiteral("Click &value:"), "edtClick");
    connect(scopeUnit_, &QComboBox::activated, this, &MyLoadsWindow::ScopeUnitPicked);
    connect(clickList_, &QComboBox::activated, this, &MyLoadsWindow::ClickPicked);

    auto* right = new QVBoxLayout(rifleForm_);
    right->setContentsMargins(0, 0, 0, 0);
    right->addLayout(form);
    right->addStretch(1);

    auto* layout = new QHBoxLayout(page);
    layout->addLayout(left, 2);
    layout->addWidget(rifleForm_, 3);
    connect(rifleList_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!filling_) {
            ShowRifle(row);
        }
    });
    return page;
}

} // namespace corvane
