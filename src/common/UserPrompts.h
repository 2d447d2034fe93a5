#pragma once
// What the core may tell or ask the user in the middle of its work. The UI answers with
// message boxes; tests record the calls.
#include <string>

namespace corvane {

enum class AbortRetryAnswer { Abort, Retry };

class UserPrompts {
public:
    virtual ~UserPrompts() = default;
    // A plain message box (no icon, OK). Texts are Windows-1252.
    virtual void ShowMessage(const std::string& text) = 0;
    // An error message box (error icon, OK).
    virtual void ShowError(const std::string& text) = 0;
    // An error message box with the buttons Abort and Retry.
    virtual AbortRetryAnswer AskAbortRetry(const std::string& text) = 0;
    // Lets pending window events run, so the window repaints during long steps.
    virtual void ProcessEvents() = 0;
};

// Says nothing and answers Abort: for the tool and for callers without a user.
class SilentPrompts : public UserPrompts {
public:
    void ShowMessage(const std::string&) override {}
    void ShowError(const std::string&) override {}
    AbortRetryAnswer AskAbortRetry(const std::string&) override { return AbortRetryAnswer::Abort; }
    void ProcessEvents() override {}
};

} // namespace corvane
