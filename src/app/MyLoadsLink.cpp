#include "app/MyLoadsLink.h"

#include "app/CatalogGridView.h"
#include "app/MainFrm.h"
#include "app/TrajectoryChartLink.h"
#include "catalog/SectionTraits.h"
#include "common/ui/QtScreenPlacement.h"
#include "common/ui/QtUserPrompts.h"
#include "rifle/OwnLoadFromCatalog.h"
#include "rifle/ui/MyLoadsStore.h"
#include "rifle/ui/MyLoadsWindow.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>

namespace corvane {

MyLoadsLink::MyLoadsLink(TfrmMain& window, Catalog& catalog, const AppSettings& settings,
                         const ShownLoads& shown, CatalogGridView& grid, TrajectoryChartLink& chart,
                         UserPrompts& prompts, UserPrompts* windowPrompts)
    : QObject(&window), main_(window), catalog_(catalog), settings_(settings), shown_(shown),
      grid_(grid), chart_(chart), prompts_(prompts),
      ownWindowPrompts_(windowPrompts == nullptr ? std::make_unique<QtUserPrompts>(&window)
                                                 : nullptr),
      windowPrompts_(windowPrompts == nullptr ? *ownWindowPrompts_ : *windowPrompts) {
    store_ = new MyLoadsStore(windowPrompts_, this);
    // The grid's context menu offers it for the load under the pointer.
    auto* copy = new QAction(QStringLiteral("Copy to My Loads"), this);
    copy->setObjectName(QStringLiteral("CopyToMyLoads"));
    connect(copy, &QAction::triggered, this, &MyLoadsLink::CopySelectedLoad);
    chart_.AddContextMenuAction(copy);
}

QToolButton* MyLoadsLink::NewToolButton(QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QStringLiteral("sbnMyLoads"));
    button->setText(QStringLiteral("My Loads"));
    button->setToolTip(QStringLiteral("Your own loads and rifles"));
    button->setAutoRaise(true);
    connect(button, &QToolButton::clicked, this, &MyLoadsLink::ShowWindow);
    return button;
}

void MyLoadsLink::Attach(QAction* menuItem) {
    if (menuItem != nullptr) {
        connect(menuItem, &QAction::triggered, this, &MyLoadsLink::ShowWindow);
    }
}

MyLoadsLink::~MyLoadsLink() = default;

void MyLoadsLink::ShowWindow() {
    if (window_ == nullptr) {
        window_ = new MyLoadsWindow(*store_, windowPrompts_, settings_.EnglSys, &main_);
        if (ownWindowPrompts_) {
            ownWindowPrompts_->SetParent(window_);
        }
    }
    window_->SetUnitSystem(settings_.EnglSys);
    if (!window_->isVisible()) {
        PlaceWindow(*window_, &main_, Placement::BesideOwner);
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void MyLoadsLink::CopySelectedLoad() {
    const CatalogTab section = main_.CurrentSection();
    const int row = grid_.SelectedRow();
    if (!main_.CatalogShown() || row < 1 || static_cast<std::size_t>(row - 1) >= shown_.Count()) {
        return;
    }
    const LoadRecord& record =
        catalog_.Record(section, shown_[static_cast<std::size_t>(row - 1)].recordIndex);
    std::optional<OwnLoad> own;
    try {
        own = OwnLoadFromCatalog(record, section,
                                 catalog_.LookupName(record.BrandId, section, ListKind::Brand),
                                 catalog_.LookupName(record.CaliberId, section, ListKind::Caliber));
    } catch (const CatalogFileError& error) {
        prompts_.ShowError(error.what());
        return;
    }
    if (!own) {
        prompts_.ShowError("This load's weight, ballistic coefficient or velocity cannot start an "
                           "own load.");
        return;
    }
    ShowWindow();
    window_->AddLoad(*own);
}

void MyLoadsLink::UnitSystemChanged() {
    if (window_ != nullptr) {
        window_->SetUnitSystem(settings_.EnglSys);
    }
}

void MyLoadsLink::KeepEntries() {
    if (window_ != nullptr && window_->isVisible()) {
        window_->KeepEntries();
    }
}

} // namespace corvane
