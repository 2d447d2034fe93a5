#pragma once
// The section tabs with less blank space around their captions, so that all six and the tool
// buttons fit the smallest window (800 pixels) without scroll arrows.
#include <QProxyStyle>

namespace corvane {

class CompactTabStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override {
        if (metric == PM_TabBarTabHSpace) {
            return QProxyStyle::pixelMetric(metric, option, widget) / 2;
        }
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

} // namespace corvane
