#include "app/about_dialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

#include "app/build_version.h"
#include "app/manual_help.h"

namespace ormix::app {

QString BuildVersion() {
    return QString::fromLatin1(kBuildVersion);
}

AboutDialog::AboutDialog(const QString& workDir, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About ORMIX"));
    SetHelpTopic(this, QStringLiteral("index.html"));

    auto* icon = new QLabel(this);
    icon->setPixmap(QIcon(QStringLiteral(":/icons/ormix.svg")).pixmap(64, 64));
    icon->setAlignment(Qt::AlignTop);

    auto* name = new QLabel(QString::fromLatin1(kProgramVersion), this);
    QFont big = name->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.4);
    name->setFont(big);

    auto* what =
        new QLabel(QStringLiteral("The oil-spill weathering model for spill responders."), this);
    auto* build =
        new QLabel(QStringLiteral("Build %1, Qt %2").arg(BuildVersion(), qVersion()), this);
    auto* dir = new QLabel(QStringLiteral("Oil libraries and diagnostic files are kept in:\n%1")
                               .arg(QDir::toNativeSeparators(workDir)),
                           this);
    dir->setTextInteractionFlags(Qt::TextSelectableByMouse);
    dir->setWordWrap(true);
    build->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* text = new QVBoxLayout;
    text->setSpacing(8);
    for (QLabel* l : {name, what, build, dir})
        text->addWidget(l);
    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addSpacing(12);
    top->addLayout(text, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addWidget(buttons);
    setMinimumWidth(440);
}

}  // namespace ormix::app
