// How long the chart and the range card take from a changed condition to their repaint, as when
// a spin arrow of the ballistics panel is held down: each step changes the altitude by 100 ft,
// hands the new panel to the window and paints it (offscreen, synchronously). Prints the median
// and the slowest step for the card, the chart with one load and the chart with four. A window
// is open and painted before its steps begin, as it is when the user reaches for the arrow; the
// time of that first showing (its layout, the chart's lines and legend) is printed on its own.
#include "app/TrajectoryChart.h"
#include "ballistics/LoadComparison.h"
#include "rifle/RangeCardSetup.h"
#include "rifle/ui/RangeCardWindow.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

using corvane::PanelTexts;

constexpr int kSteps = 60;

PanelTexts PanelAt(int step) {
    return {std::to_string(100 * step), "59", "10", "100", "1000", "200"};
}

corvane::LoadRecord RifleLoad(int n) {
    corvane::LoadRecord load;
    load.LoadNumber = "R" + std::to_string(n);
    load.BulletWeight = 150 + 10 * n;
    load.BallisticCoefficient = 0.3 + 0.05 * n;
    load.MuzzleVelocity = 2900 - 50 * n;
    return load;
}

double Milliseconds(const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// Step 0 opens the window's content; steps 1 to kSteps are the held arrow.
void Report(const char* what, const std::function<void(int)>& step) {
    const double opening = Milliseconds([&] { step(0); });
    std::vector<double> ms;
    for (int i = 1; i <= kSteps; ++i) {
        ms.push_back(Milliseconds([&] { step(i); }));
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-30s opening %6.2f ms   steps: median %6.2f ms, slowest %6.2f ms (%d)\n", what,
                opening, ms[ms.size() / 2], ms.back(), kSteps);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    corvane::RangeCardWindow card;
    card.resize(800, 600);
    corvane::CardLoad load;
    load.name = "R0";
    load.catalog = RifleLoad(0);
    card.SetCatalogLoad(load);
    card.SetPanel(PanelAt(0), true, 1.5);
    card.show();
    Report("range card, 500 yd in 100 yd rows", [&](int i) {
        card.SetPanel(PanelAt(i), true, 1.5);
        QApplication::processEvents(); // the layout and the queued updates
        card.repaint();
    });

    corvane::TrajectoryChart chart(nullptr);
    chart.resize(720, 760);
    chart.show();
    for (const int loads : {1, 4}) {
        Report(loads == 1 ? "chart, one load to 1000 yd" : "chart, four loads to 1000 yd",
               [&](int i) {
                   corvane::ChartRequest request;
                   request.Panel = PanelAt(i);
                   request.SightHeight = 1.5;
                   for (int n = 0; n < loads; ++n) {
                       request.Loads.push_back(corvane::CatalogComparedLoad(
                           corvane::CatalogTab::Rifle, RifleLoad(n), request.Panel, true, 1.5));
                   }
                   chart.ShowRequest(request);
                   QApplication::processEvents(); // the chart lays its items out late
                   chart.repaint();
               });
    }
    return 0;
}
