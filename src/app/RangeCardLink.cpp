#include "app/RangeCardLink.h"

#include "rifle/ui/MyLoadsStore.h"

#include "app/BallisticsPanel.h"
#include "app/CatalogGridView.h"
#include "app/MainFrm.h"
#include "ballistics/GridLayout.h"
#include "common/ui/QtScreenPlacement.h"
#include "rifle/ui/RangeCardWindow.h"

#include <QAction>

namespace corvane {

RangeCardLink::RangeCardLink(TfrmMain& window, Catalog& catalog, const AppSettings& settings,
                             const ShownLoads& shown, CatalogGridView& grid, BallisticsPanel& panel,
                             UserPrompts& prompts)
    : QObject(&window), window_(window), catalog_(catalog), settings_(settings), shown_(shown),
      grid_(grid), panel_(panel), prompts_(prompts) {
    rowAction_ = new QAction(QStringLiteral("&Range card..."), this);
    rowAction_->setObjectName(QStringLiteral("RangeCard2"));
    connect(rowAction_, &QAction::triggered, this, &RangeCardLink::ShowCardForRow);
    connect(&grid_, &CatalogGridView::loadClicked, this, &RangeCardLink::Refresh);
    connect(&panel_, &BallisticsPanel::entryChanged, this, &RangeCardLink::Refresh);
}

void RangeCardLink::Attach(QAction* menuItem) {
    if (menuItem != nullptr) {
        connect(menuItem, &QAction::triggered, this, &RangeCardLink::ShowCard);
    }
}

RangeCardWindow* RangeCardLink::Window() {
    if (card_ == nullptr) {
        card_ = new RangeCardWindow(&window_);
        card_->SetPrinting(&prompts_, QString::fromStdString(catalog_.ProductInfoDir().string()),
                           settings_.ColorPrinting);
        if (ownLoads_ != nullptr) {
            card_->SetMyLoads(ownLoads_->Document());
        }
    }
    return card_;
}

void RangeCardLink::UseOwnLoads(const MyLoadsStore& store) {
    ownLoads_ = &store;
    connect(&store, &MyLoadsStore::Changed, this, [this] {
        if (card_ != nullptr) {
            card_->SetMyLoads(ownLoads_->Document());
        }
    });
}

void RangeCardLink::ShowCard() {
    RangeCardWindow* card = Window();
    if (!card->isVisible()) {
        PlaceWindow(*card, &window_, Placement::BesideOwner);
    }
    Refresh();
    card->show();
    card->raise();
    card->activateWindow();
}

void RangeCardLink::ShowCardForRow() {
    ShowCard();
    card_->UseCatalogLoad();
}

void RangeCardLink::Refresh() {
    if (card_ == nullptr) {
        return;
    }
    const CatalogTab section = window_.CurrentSection();
    const bool ballistics = window_.CatalogShown() && Traits(section).HasBallistics();
    card_->SetPrinting(&prompts_, QString::fromStdString(catalog_.ProductInfoDir().string()),
                       settings_.ColorPrinting);
    card_->SetPanel(panel_.Texts(), settings_.EnglSys,
                    ballistics ? SectionSightHeight(settings_, section)
                               : SectionSightHeight(settings_, CatalogTab::Rifle));
    const int row = grid_.SelectedRow();
    std::optional<CardLoad> load;
    if (ballistics && row >= 1 && static_cast<std::size_t>(row - 1) < shown_.Count()) {
        const LoadRecord& record =
            catalog_.Record(section, shown_[static_cast<std::size_t>(row - 1)].recordIndex);
        std::string caliber;
        try {
            caliber = catalog_.LookupName(record.CaliberId, section, ListKind::Caliber);
        } catch (const CatalogFileError&) {
            // The load number names it; the detail area has told the user already.
        }
        load = CardLoad{CatalogCardName(record, caliber), section, record, std::nullopt};
    }
    card_->SetCatalogLoad(std::move(load));
}

} // namespace corvane
