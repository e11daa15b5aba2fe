// The pilot window: the pilot list with the skills of the chosen pilot, and Add, Change,
// Remove and Done. Every change goes through the pilot rules and is in the pilot file when the
// call returns.
#pragma once

#include <cstddef>
#include <optional>

#include <QDialog>

class QListWidget;
class QPushButton;
class QSpinBox;

namespace fpw::app {
struct ProgramContext;
}

namespace fpw::ui {

class FrmEditPilots : public QDialog {
    Q_OBJECT
public:
    // The context must outlive the window.
    explicit FrmEditPilots(app::ProgramContext& ctx, QWidget* parent = nullptr);

    // Shows the window modally; the one call the editor and the print window make.
    static void open(app::ProgramContext& ctx, QWidget* parent = nullptr);

    // The buttons' commands.
    void add();
    void change();
    void remove();

    QListWidget* list() const { return list_; }
    QSpinBox* gunnery() const { return gunnery_; }
    QSpinBox* piloting() const { return piloting_; }

private:
    // The list from ctx.pilots, choosing row `row` (the nearest row when it is past the end).
    // A written list holds no nameless pilots, so a pilot keeps its row through a change.
    void fill(int row = 0);
    // The position in ctx.pilots of the chosen row.
    std::optional<std::size_t> chosen() const;
    void showSkills();
    void applySkills();

    app::ProgramContext& ctx_;
    QListWidget* list_;
    QSpinBox* gunnery_;
    QSpinBox* piloting_;
    QPushButton* change_;
    QPushButton* remove_;
    bool filling_ = false;
};

} // namespace fpw::ui
