#pragma once
// Message boxes for the core's questions and messages, parented to a window.
#include "common/UserPrompts.h"

class QWidget;

namespace corvane {

class QtUserPrompts : public UserPrompts {
public:
    explicit QtUserPrompts(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    void ShowMessage(const std::string& text) override;
    void ShowError(const std::string& text) override;
    AbortRetryAnswer AskAbortRetry(const std::string& text) override;
    void ProcessEvents() override;

private:
    QWidget* parent_;
};

} // namespace corvane
