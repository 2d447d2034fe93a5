#include "rifle/ui/MyLoadsStore.h"

#include "common/UserPrompts.h"

#include <QStandardPaths>

namespace corvane {

MyLoadsStore::MyLoadsStore(UserPrompts& prompts, QObject* parent)
    : MyLoadsStore(DefaultFile(), prompts, parent) {}

MyLoadsStore::MyLoadsStore(std::filesystem::path file, UserPrompts& prompts, QObject* parent)
    : QObject(parent), file_(std::move(file)), prompts_(prompts) {}

std::filesystem::path MyLoadsStore::DefaultFile() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return std::filesystem::path(folder.toStdString()) / "my-loads.json";
}

const MyLoads& MyLoadsStore::Document() const {
    Open();
    return document_;
}

void MyLoadsStore::Open() const {
    if (opened_) {
        return;
    }
    opened_ = true;
    OpenedMyLoads opened = OpenMyLoadsFile(file_);
    document_ = std::move(opened.document);
    MakeNamesDistinct(document_);
    writable_ = opened.writable;
    if (opened.message) {
        prompts_.ShowError(*opened.message);
    }
}

bool MyLoadsStore::Replace(MyLoads document) {
    Open();
    document_ = std::move(document);
    MakeNamesDistinct(document_);
    std::string problem;
    if (!writable_) {
        problem = "Your loads are not saved: the file \"" + file_.string() +
                  "\" could not be read or moved aside, and is not saved over.";
    } else if (const auto check = ParseMyLoads(MyLoadsJson(document_), file_); !check) {
        // A document the program could not read back would be set aside at the next start.
        problem = "Your loads are not saved: " + check.Error().detail + ".";
    } else if (const WriteResult written = WriteMyLoadsFile(file_, document_); !written.Ok) {
        problem = "Your loads are not saved: " + written.Error + ".";
    }
    // Told once when saving starts failing, not at every field; the window shows it meanwhile.
    const bool newProblem = !problem.empty() && saveProblem_.empty();
    saveProblem_ = problem;
    if (newProblem) {
        prompts_.ShowError(problem + "\nYour changes are kept while the program runs.");
    }
    emit Changed();
    return problem.empty();
}

} // namespace corvane
