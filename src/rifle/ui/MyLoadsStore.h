#pragma once
// The shooter's own loads and rifles as the program keeps them: one document in the user's
// data folder, read on first use, written whole after every change. A file that cannot be read
// is set aside and the user told where; a change that cannot be written is told and kept in
// memory, and nothing is ever saved over a file that could not be set aside.
#include "rifle/MyLoads.h"

#include <QObject>

#include <filesystem>
#include <string>

namespace corvane {

class UserPrompts;

class MyLoadsStore : public QObject {
    Q_OBJECT
public:
    // The document in QStandardPaths' AppDataLocation, "my-loads.json".
    explicit MyLoadsStore(UserPrompts& prompts, QObject* parent = nullptr);
    MyLoadsStore(std::filesystem::path file, UserPrompts& prompts, QObject* parent = nullptr);

    static std::filesystem::path DefaultFile();
    const std::filesystem::path& File() const { return file_; }

    const MyLoads& Document() const;
    // Makes `document` the current one and writes it; false when it was not saved (the user
    // has been told, and SaveProblem() says why). Emits Changed() either way.
    bool Replace(MyLoads document);
    // Why the current document is not saved; empty when it is.
    const std::string& SaveProblem() const { return saveProblem_; }

signals:
    void Changed();

private:
    void Open() const;

    std::filesystem::path file_;
    UserPrompts& prompts_;
    mutable bool opened_ = false;
    mutable bool writable_ = true;
    mutable MyLoads document_;
    std::string saveProblem_;
};

} // namespace corvane
