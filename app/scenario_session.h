// One open scenario of the desktop program: its document, the file it came
// from or was saved to, and whether it holds changes not yet saved.
#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <vector>

#include "scenario/scenario_open.h"
#include "scenario/spill_doc.h"

namespace ormix::app {

class ScenarioSession : public QObject {
    Q_OBJECT
public:
    // A new scenario named `untitledName`, whose libraries and diagnostic
    // files are in `workDir`.
    ScenarioSession(const QString& workDir, const QString& untitledName);
    ~ScenarioSession() override;

    CSpillDoc& Doc() { return *doc_; }
    const CSpillDoc& Doc() const { return *doc_; }

    // The name shown in titles: the file's name, or the new scenario's.
    QString Title() const { return title_; }
    // The scenario file (.qsx) Save writes to; empty until there is one.
    QString FilePath() const { return filePath_; }
    // The file the scenario was opened from (.qsx or .json); empty when new.
    QString SourcePath() const { return sourcePath_; }
    // The file name Save As offers.
    QString SuggestedFileName() const;

    // Whether the saved inputs differ from what was last opened or saved.
    bool IsModified() const { return modified_; }
    // A new scenario nobody has changed or run.
    bool IsPristine() const;
    // An input was changed after the last successful run.
    bool ChangedAfterRun() const { return changedAfterRun_; }

    // Reads a scenario file or a JSON scenario into this scenario; on
    // failure nothing changes.
    ScenarioOpenResult Open(const QString& path);
    // Saves as a scenario file; false with the message on failure.
    bool Save(const QString& path, QString& message);
    // Writes the saved JSON form; the scenario keeps its file and state.
    bool Export(const QString& path, QString& message);

    // A dialog accepted new inputs: after a run, the results no longer
    // belong to the inputs and the scenario needs solving again.
    void InputsAccepted();
    // A run ended, well or not.
    void RunFinished(bool solved);

    // Whether graphs are shown several at a time ("Multiple Graphs") or
    // one at a time ("Single Graph", the first way).
    bool MultipleGraphs() const { return multipleGraphs_; }
    void SetMultipleGraphs(bool multiple) { multipleGraphs_ = multiple; }

signals:
    void InputsChanged();
    void ResultsChanged();
    // Title, modified state or needs-solving state changed.
    void StateChanged();

private:
    void TakeSavedState();
    void UpdateModified();

    std::unique_ptr<CSpillDoc> doc_;
    QString title_, filePath_, sourcePath_;
    std::vector<unsigned char> savedBytes_;
    bool savedBytesValid_ = false;
    bool modified_ = false;
    bool changedAfterRun_ = false;
    bool everRun_ = false;
    bool multipleGraphs_ = false;
};

}  // namespace ormix::app
