// The selection dialog (`frmSelect`): one entry of a list picked by a person, by double
// click or OK. Entries may repeat (two ammunition kinds of one name on a mixed design), so
// the answer is the row, never the text.
#pragma once

#include <optional>

#include <QDialog>
#include <QStringList>

class QListWidget;

namespace fpw::ui {

class SelectDialog : public QDialog {
    Q_OBJECT
public:
    SelectDialog(const QString& title, const QString& prompt, const QStringList& entries,
                 QWidget* parent = nullptr);

    QListWidget* list() const { return list_; }
    // The row picked; nothing while no row is current.
    std::optional<int> chosenRow() const;

private:
    QListWidget* list_;
};

} // namespace fpw::ui
