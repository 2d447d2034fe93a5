#pragma once
// Shared set-up for the tests that drive the main window offscreen: a settings store, recorded
// prompts, a copy of the built sample catalog and a shown window whose disclaimer is answered.
#include "OffscreenApp.h"
#include "app/MainFrm.h"
#include "common/UserPrompts.h"
#include "settings/MemorySettingsBackend.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace corvane::test {

class MainWindowFixture : public ::testing::Test {
protected:
    // Every message, error and question in one list; questions answer Abort. Nested so it
    // cannot clash with the catalog tests' own test::RecordingPrompts in the same program.
    struct RecordingPrompts : UserPrompts {
        std::vector<std::string> errors;
        void ShowMessage(const std::string& text) override { errors.push_back(text); }
        void ShowError(const std::string& text) override { errors.push_back(text); }
        AbortRetryAnswer AskAbortRetry(const std::string& text) override {
            errors.push_back(text);
            return AbortRetryAnswer::Abort;
        }
        void ProcessEvents() override {}
    };

    void SetUp() override { EnsureOffscreenApp(); }

    // A shown window on `dir` whose disclaimer answers `declined`.
    std::unique_ptr<TfrmMain> OpenMainWindow(std::filesystem::path dir, bool declined = false) {
        auto window = std::make_unique<TfrmMain>(std::move(dir), store, &prompts);
        window->SetDisclaimerHook([declined](QWidget*) { return declined; });
        window->show();
        return window;
    }

    // Copies the built sample catalog (Data and ProductInfo) into `catalogCopy`; returns its root.
    std::filesystem::path CopySampleCatalog() {
        namespace fs = std::filesystem;
        const fs::path root = catalogCopy.path().toStdString();
        for (const char* folder : {"Data", "ProductInfo"}) {
            fs::copy(fs::path(CORVANE_BUILT_BIN_DIR) / folder, root / folder,
                     fs::copy_options::recursive);
        }
        return root;
    }

    MemorySettingsBackend store;
    RecordingPrompts prompts;
    QTemporaryDir catalogCopy;
};

} // namespace corvane::test
