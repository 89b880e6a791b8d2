#include "app/scenario_session.h"

#include <QDir>
#include <QFileInfo>
#include <ctime>

#include "scenario/scenario_file.h"

namespace ormix::app {

ScenarioSession::ScenarioSession(const QString& workDir, const QString& untitledName)
    : doc_(std::make_unique<CSpillDoc>(std::time(nullptr), workDir.toStdString())),
      title_(untitledName) {
    doc_->OnNewDocument();
    TakeSavedState();
}

ScenarioSession::~ScenarioSession() {
    doc_->OnCloseDocument();
}

QString ScenarioSession::SuggestedFileName() const {
    if (!filePath_.isEmpty()) return filePath_;
    if (!sourcePath_.isEmpty()) {
        QFileInfo source(sourcePath_);
        return source.dir().filePath(source.completeBaseName() + QLatin1String(kScenarioExtension));
    }
    return title_ + QLatin1String(kScenarioExtension);
}

bool ScenarioSession::IsPristine() const {
    return sourcePath_.isEmpty() && filePath_.isEmpty() && !modified_ && !everRun_;
}

ScenarioOpenResult ScenarioSession::Open(const QString& path) {
    ScenarioOpenResult r = OpenScenario(*doc_, path.toStdString());
    if (!r.ok) return r;
    QFileInfo info(path);
    sourcePath_ = info.absoluteFilePath();
    title_ = info.fileName();
    // A JSON scenario is saved as a scenario file under a name the person
    // chooses, never over the JSON it came from.
    filePath_ = HasScenarioFileExtension(path.toStdString()) ? sourcePath_ : QString();
    changedAfterRun_ = false;
    TakeSavedState();
    emit InputsChanged();
    emit StateChanged();
    return r;
}

bool ScenarioSession::Save(const QString& path, QString& message) {
    ScenarioFileResult r = SaveScenarioFile(*doc_, path.toStdString());
    if (!r.ok) {
        message = QString::fromStdString(r.message);
        return false;
    }
    QFileInfo info(path);
    filePath_ = sourcePath_ = info.absoluteFilePath();
    title_ = info.fileName();
    TakeSavedState();
    emit StateChanged();
    return true;
}

bool ScenarioSession::Export(const QString& path, QString& message) {
    std::string why;
    if (ExportScenarioJson(*doc_, path.toStdString(), why)) return true;
    message = QString::fromStdString(why);
    return false;
}

void ScenarioSession::InputsAccepted() {
    if (doc_->solved) {
        changedAfterRun_ = true;
        doc_->needsSolving = true;
    }
    UpdateModified();
    emit InputsChanged();
    emit StateChanged();
}

void ScenarioSession::RunFinished(bool solved) {
    everRun_ = true;
    if (solved) changedAfterRun_ = false;
    emit ResultsChanged();
    emit StateChanged();
}

void ScenarioSession::TakeSavedState() {
    std::string error;
    savedBytesValid_ = EncodeScenario(*doc_, savedBytes_, error);
    modified_ = false;
}

void ScenarioSession::UpdateModified() {
    std::vector<unsigned char> now;
    std::string error;
    modified_ = !savedBytesValid_ || !EncodeScenario(*doc_, now, error) || now != savedBytes_;
}

}  // namespace ormix::app
