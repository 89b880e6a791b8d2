// A list of the oils of one library file with its four columns ("Name",
// "Reference", "API", "Location"), sorted by name, API or pour point, and
// narrowed to the oils whose name, location or ID holds the text typed in
// "Find".
#pragma once

#include <QWidget>

#include "oil/oil_library.h"
#include "oil/oil_selection.h"

class QComboBox;
class QLineEdit;
class QTreeWidget;

namespace ormix::app {

class OilListView : public QWidget {
    Q_OBJECT
public:
    explicit OilListView(QWidget* parent = nullptr);

    // Shows the oils of a loaded library, keeping the chosen oil if it is
    // still listed.
    void Fill(const OilLibrary& library);
    // The byte position of the chosen oil, or -1 with none chosen.
    long SelectedPosition() const;
    // Chooses the oil at `position` (the first oil when it is not listed).
    void Select(long position);
    // The oil's row, or -1.
    int RowOf(long position) const;

    QLineEdit* find;
    QComboBox* sort;
    QTreeWidget* list;

signals:
    void Chosen(long position);
    void Activated(long position);

private:
    void Show();
    const OilLibrary* library_ = nullptr;
};

}  // namespace ormix::app
