#include "app/input_commands.h"

#include <QDialog>
#include <memory>

#include "app/beaching_dialog.h"
#include "app/custom_oil_dialog.h"
#include "app/emulsification_dialog.h"
#include "app/oil_library_sheet.h"
#include "app/release_dialog.h"
#include "app/response_sheets.h"
#include "app/water_dialog.h"
#include "app/wind_dialog.h"
#include "oil/oil_selection.h"

namespace ormix::app {

bool InputCommandAvailable(InputCommand) {
    return true;
}

std::unique_ptr<QDialog> MakeInputDialog(InputCommand command, CSpillDoc& doc, AppContext& context,
                                         QWidget* parent) {
    switch (command) {
        case InputCommand::StandardOils:
            return std::make_unique<OilLibrarySheet>(
                doc, doc.OilLib(), context, OilLibrarySheet::Purpose::ChooseForScenario, parent);
        case InputCommand::CustomOils:
            return std::make_unique<CustomOilDialog>(doc, context, parent);
        case InputCommand::Emulsification:
            return std::make_unique<EmulsificationDialog>(doc, context, parent);
        case InputCommand::WindWave:
            return std::make_unique<WindDialog>(doc, context, parent);
        case InputCommand::Water:
            return std::make_unique<WaterDialog>(doc, context, parent);
        case InputCommand::Release:
            return std::make_unique<ReleaseDialog>(doc, context, parent);
        case InputCommand::Dispersant:
            return std::make_unique<DispersantSheet>(doc, context, parent);
        case InputCommand::InSituBurn:
            return std::make_unique<BurnSheet>(doc, context, parent);
        case InputCommand::Mechanical:
            return std::make_unique<CleanupSheet>(doc, context, parent);
        case InputCommand::Beaching:
            return std::make_unique<BeachingDialog>(doc, context, parent);
    }
    return nullptr;
}

bool RunInputCommand(InputCommand command, CSpillDoc& doc, AppContext& context, QWidget* parent) {
    if (command == InputCommand::StandardOils) {
        // The oil list opens only on a library that can be read.
        int status = doc.OilLib().Load();
        if (status != 0) {
            context.prompts.Tell(parent, MessageKind::Information,
                                 Q(OilLibraryLoadMessage(status)));
            return false;
        }
    }
    const DocumentSnapshot before(doc);
    std::unique_ptr<QDialog> dialog = MakeInputDialog(command, doc, context, parent);
    const int result = dialog->exec();
    bool accepted = result == QDialog::Accepted;
    if (auto* custom = qobject_cast<CustomOilDialog*>(dialog.get())) accepted = custom->ChoseOil();
    return accepted && !before.Unchanged(doc);
}

}  // namespace ormix::app
