// The About box: the program's name and version, the build, and the
// directory where it keeps the oil libraries and the diagnostic files.
#pragma once

#include <QDialog>

namespace ormix::app {

class AboutDialog final : public QDialog {
    Q_OBJECT
public:
    AboutDialog(const QString& workDir, QWidget* parent = nullptr);
};

// The version shown in the About box and by --version.
inline constexpr char kProgramVersion[] = "ORMIX   Version 2.0";
// The build: the project's version and the source revision it was built from.
QString BuildVersion();

}  // namespace ormix::app
