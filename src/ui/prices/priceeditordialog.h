// The price editor: the price items and the weapon records of one tech base; the selected
// entry's price in a box; Done writes the custom price file, Reset restores the item prices.
#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace fpw::app {
struct ProgramContext;
}

namespace fpw::ui {

class PriceEditorDialog : public QDialog {
    Q_OBJECT
public:
    explicit PriceEditorDialog(app::ProgramContext& ctx, QWidget* parent = nullptr);

public Q_SLOTS:
    // Done: the custom price file holds every price that differs from its default.
    void accept() override;
    // Closing the window is Done as well: prices already changed must not be kept in the
    // program without reaching the file.
    void reject() override;
    void reset();

private:
    void fillWeapons();
    void select(QListWidget* list, QListWidgetItem* item);
    // Takes the typed price for the selected entry, or puts its price back after a refusal.
    void commitPrice();
    void showPrice();

    app::ProgramContext& ctx_;
    QListWidget* items_;
    QComboBox* techBase_;
    QListWidget* weapons_;
    QLineEdit* price_;
    QListWidget* selectedList_ = nullptr;
    int selectedIndex_ = -1;
};

} // namespace fpw::ui
