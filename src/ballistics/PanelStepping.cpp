#include "ballistics/PanelStepping.h"

#include "common/NumberText.h"

#include <algorithm>

namespace corvane {
namespace {

int MaxIndex(const std::vector<std::int32_t>& values) {
    return static_cast<int>(values.size()) - 1;
}

// Saved indexes from the settings may be anything; clamp them before use.
void ClampIndexes(PanelChoices& c) {
    c.IncrementIndex = std::clamp(c.IncrementIndex, 0, std::max(0, MaxIndex(c.Increments)));
    c.RangeIndex = std::clamp(c.RangeIndex, 0, std::max(0, MaxIndex(c.Ranges)));
    c.ZeroMultiplier = std::max(c.ZeroMultiplier, 1);
    while (c.ZeroMultiplier > 1 && c.ZeroAt() > c.Range()) {
        --c.ZeroMultiplier;
    }
}

void StepIncrement(PanelChoices& c, StepDirection dir) {
    const auto& inc = c.Increments;
    const auto& rng = c.Ranges;
    int& I = c.IncrementIndex;
    int& R = c.RangeIndex;
    int& Z = c.ZeroMultiplier;
    const int maxI = MaxIndex(inc);
    const int maxR = MaxIndex(rng);
    const std::int32_t zero = inc[I] * Z;
    if (dir == StepDirection::Up) {
        if (I < maxI) {
            ++I;
        }
        Z = static_cast<int>(RoundHalfEven(static_cast<double>(zero) / inc[I] + 0.1));
    } else {
        if (I > 0) {
            --I;
        }
        Z = zero / inc[I];
    }
    while (R > 0 && rng[R] / inc[I] > c.MaxRangeSteps) {
        --R;
    }
    if (rng[R] % inc[I] > 0) {
        if (dir == StepDirection::Up) {
            while (rng[R] % inc[I] > 0 && R < maxR) {
                ++R;
            }
        } else {
            while (R > 0 && rng[R] % inc[I] > 0) {
                --R;
            }
        }
    }
    Z = std::max(Z, 1);
    while (Z > 1 && inc[I] * Z > rng[R]) {
        --Z;
    }
}

void StepRange(PanelChoices& c, StepDirection dir) {
    const auto& inc = c.Increments;
    const auto& rng = c.Ranges;
    int& I = c.IncrementIndex;
    int& R = c.RangeIndex;
    int& Z = c.ZeroMultiplier;
    const int maxI = MaxIndex(inc);
    StepRangeIndex(c, dir);
    const std::int32_t zero = inc[I] * Z;
    if (rng[R] / inc[I] > c.MaxRangeSteps) {
        while (I < maxI && rng[R] / inc[I] > c.MaxRangeSteps) {
            ++I;
        }
        while (I < maxI && rng[R] % inc[I] > 0) {
            ++I;
        }
    } else if (rng[R] % inc[I] > 0) {
        if (dir == StepDirection::Up) {
            if (I < maxI) {
                ++I;
            }
        } else if (I > 0) {
            --I;
        }
        while (I > 0 && rng[R] % inc[I] > 0) {
            --I;
        }
    }
    if (dir == StepDirection::Up) {
        Z = static_cast<int>(RoundHalfEven(static_cast<double>(zero) / inc[I] + 0.1));
    } else {
        Z = zero / inc[I];
    }
    Z = std::max(Z, 1);
    while (Z > 1 && inc[I] * Z > rng[R]) {
        --Z;
    }
}

void StepZero(PanelChoices& c, StepDirection dir) {
    const std::int32_t increment = c.Increment();
    if (dir == StepDirection::Up) {
        if (increment * c.ZeroMultiplier < c.Range()) {
            ++c.ZeroMultiplier;
        }
    } else if (c.ZeroMultiplier > 1) {
        --c.ZeroMultiplier;
    }
}

} // namespace

std::int32_t PanelChoices::Increment() const {
    return Increments.empty() ? 0 : Increments[static_cast<std::size_t>(IncrementIndex)];
}

std::int32_t PanelChoices::Range() const {
    return Ranges.empty() ? 0 : Ranges[static_cast<std::size_t>(RangeIndex)];
}

PanelChoices DefaultPanelChoices(CatalogTab tab) {
    PanelChoices c;
    switch (tab) {
    case CatalogTab::Rifle:
        c.Increments = {25, 50, 100, 200};
        c.Ranges = {100, 125, 150, 175, 200, 225, 250, 275, 300, 350,
                    400, 450, 500, 550, 600, 700, 800, 900, 1000};
        c.IncrementIndex = 2;
        c.RangeIndex = 12;
        break;
    case CatalogTab::Pistol:
        c.Increments = {10, 25, 50, 100};
        c.Ranges = {50,  75,  100, 110, 120, 125, 150, 175, 200,
                    225, 250, 275, 300, 350, 400, 450, 500};
        c.IncrementIndex = 1;
        c.RangeIndex = 6;
        break;
    case CatalogTab::Rimfire:
    case CatalogTab::Slug:
        c.Increments = {10, 25, 50};
        c.Ranges = {50, 75, 100, 110, 120, 125, 150, 175, 200, 225, 250, 275, 300, 350};
        c.IncrementIndex = 1;
        c.RangeIndex = 6;
        break;
    case CatalogTab::Shotshell:
    case CatalogTab::Components:
        return c;
    }
    c.ZeroMultiplier = 2;
    return c;
}

void StepRangeIndex(PanelChoices& c, StepDirection dir) {
    const auto& inc = c.Increments;
    const auto& rng = c.Ranges;
    int& R = c.RangeIndex;
    const int maxR = MaxIndex(rng);
    const std::int32_t increment = inc[static_cast<std::size_t>(c.IncrementIndex)];
    const auto fits = [&](int k) {
        return rng[k] % increment == 0 && rng[k] / increment <= c.MaxRangeSteps;
    };
    if (dir == StepDirection::Up) {
        R = std::min(R, maxR);
        if (R == maxR) {
            return;
        }
        for (int k = R + 1; k <= maxR; ++k) {
            if (fits(k)) {
                R = k;
                return;
            }
        }
        ++R;
    } else {
        R = std::max(R, 0);
        if (R == 0) {
            return;
        }
        for (int k = R - 1; k >= 0; --k) {
            if (fits(k)) {
                R = k;
                return;
            }
        }
        --R;
    }
}

void StepBallisticsControl(PanelChoices& c, StepControl control, StepDirection direction) {
    if (c.Increments.empty() || c.Ranges.empty()) {
        return;
    }
    ClampIndexes(c);
    switch (control) {
    case StepControl::Increment:
        StepIncrement(c, direction);
        break;
    case StepControl::Range:
        StepRange(c, direction);
        break;
    case StepControl::Zero:
        StepZero(c, direction);
        break;
    case StepControl::None:
        break;
    }
}

} // namespace corvane
