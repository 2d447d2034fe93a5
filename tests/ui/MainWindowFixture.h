#pragma once
// Shared set-up for the tests that drive the main window offscreen: a settings store, recorded
// prompts, a copy of the built sample catalog and a shown window whose disclaimer is answered.
#include "OffscreenApp.h"
#include "app/MainFrm.h"
#include "common/UserPrompts.h"
#include "settings/MemorySettingsBackend.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
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

    // A shown window on `dir` whose disclaimer answers `declined`.
    std::unique_ptr<TfrmMain> OpenMainWindow(std::filesystem::path dir = CORVANE_BUILT_BIN_DIR,
                                             bool declined = false) {
        auto window = std::make_unique<TfrmMain>(std::move(dir), store, &prompts);
        window->SetDisclaimerHook([declined](QWidget*) { return declined; });
        window->show();
        return window;
    }

    // A shown window on `dir` with the catalog open on `section`.
    std::unique_ptr<TfrmMain> OpenSection(CatalogTab section,
                                          std::filesystem::path dir = CORVANE_BUILT_BIN_DIR) {
        auto window = OpenMainWindow(std::move(dir));
        window->OpenCatalogSection(section);
        return window;
    }

    // Copies the built sample catalog (Data and ProductInfo) into `catalogCopy`, without the
    // files named; returns its root.
    std::filesystem::path CopySampleCatalog(std::initializer_list<const char*> without = {}) {
        namespace fs = std::filesystem;
        const fs::path root = catalogCopy.path().toStdString();
        for (const char* folder : {"Data", "ProductInfo"}) {
            fs::copy(fs::path(CORVANE_BUILT_BIN_DIR) / folder, root / folder,
                     fs::copy_options::recursive);
        }
        for (const char* file : without) {
            fs::remove(root / file);
        }
        return root;
    }

    // Whether some message names `text` (a file's name, say).
    bool Reported(const std::string& text) const {
        return std::any_of(prompts.errors.begin(), prompts.errors.end(),
                           [&text](const std::string& e) { return e.find(text) != e.npos; });
    }

    MemorySettingsBackend store;
    RecordingPrompts prompts;
    QTemporaryDir catalogCopy;
};

} // namespace corvane::test
