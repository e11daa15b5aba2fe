// Multi-print: a list of design files, each with the configuration to print for an
// OmniMech, printed in one run with Stop between designs; beyond the printer, the whole list
// as one PDF or one PDF per design in a chosen folder.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <QDialog>

#include "recordsheet/multiprint.h"

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace fpw::app {
struct ProgramContext;
}

namespace fpw::ui {

class FrmMultiPrint : public QDialog {
    Q_OBJECT
public:
    // The context must outlive the window.
    explicit FrmMultiPrint(app::ProgramContext& ctx, QWidget* parent = nullptr);

    // Shows the window modally with `files` listed; the one call the editor makes.
    static void open(app::ProgramContext& ctx, const std::vector<std::string>& files = {},
                     QWidget* parent = nullptr);

    // Adds a row for a design file; an unreadable file is refused with its message.
    bool addFile(const std::string& file);
    // "Add Mechs": asks for a design file and adds it.
    void addMechs();
    // Sets the configuration of a row (one of its configurations; "N/A" rows keep theirs).
    void setConfiguration(int row, const std::string& config);
    void removeRow(int row);
    // The menu a right click on a row opens: its configurations, then "Remove".
    void buildRowMenu(int row, class QMenu& menu);

    // The commands; each says "There are no mechs to print." for an empty list.
    void print();
    void saveAsPdf();
    void savePdfsIntoFolder();
    // Asked between designs: ends the run after the current design.
    void stop() { stopRequested_ = true; }

    // The folder dialog, replaceable for tests.
    void setFolderChooser(std::function<std::optional<std::string>()> chooser);

    std::vector<recordsheet::MultiPrintEntry> entries() const;
    QTreeWidget* list() const { return list_; }
    QLabel* status() const { return status_; }
    QPushButton* stopButton() const { return stopButton_; }
    QPushButton* searchButton() const { return searchButton_; }

private:
    bool refuseEmptyList();
    // The whole list on the printer, or as one PDF.
    void printList(bool toPdf);
    // Runs the list onto `target`, showing progress, and reports what was not printed.
    recordsheet::MultiPrintResult run(recordsheet::MultiPrintTarget& target);
    void report(const recordsheet::MultiPrintResult& result);

    app::ProgramContext& ctx_;
    std::function<std::optional<std::string>()> chooseFolder_;
    std::vector<std::vector<std::string>> configurations_; // per row
    bool stopRequested_ = false;
    QTreeWidget* list_;
    QLabel* status_;
    QPushButton* stopButton_;
    QPushButton* searchButton_;
};

} // namespace fpw::ui
