// Builds the labelled controls of the editor's panels and connects each to its handler
// through the window's ActionRunner, so that every panel wires its controls the same way.
#pragma once

#include <functional>
#include <initializer_list>
#include <vector>

#include <QString>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QSpinBox;
class QWidget;

namespace fpw::ui {

class ActionRunner;

// A panel's command button: named, with its tooltip, and never the default button of the
// dialog or window it sits in (Enter belongs to the control that has the focus).
QPushButton* commandButton(const QString& text, const QString& objectName, const QString& tip,
                           QWidget* parent);

class PanelBuilder {
public:
    PanelBuilder(QWidget* owner, ActionRunner& runner) : owner_(owner), runner_(runner) {}

    // A group box with a form layout; the controls below go into the last one made.
    QGroupBox* group(const QString& title, const QString& objectName);
    QFormLayout* form() const { return form_; }

    // A drop-down list; `chosen` gets the text the player picked.
    QComboBox* combo(const QString& caption, const QString& objectName, const QString& tip,
                     std::function<void(const QString&)> chosen);
    // A spin control that reports a value when the player finishes typing or steps it.
    QSpinBox* spin(const QString& caption, const QString& objectName, const QString& tip, int step,
                   std::function<void(int)> changed);
    // A check box; `toggled` gets the state the player asked for.
    QCheckBox* check(const QString& text, const QString& objectName, const QString& tip,
                     std::function<void(bool)> toggled);
    // A read-only figure.
    QLabel* figure(const QString& caption, const QString& objectName, const QString& tip = {});

    // The controls made between these two calls share one row of the form, each after its own
    // short caption, so that a narrow panel keeps related choices together.
    void beginLine(const QString& caption = {});
    void endLine();

    // Gives every caption made so far the width of the widest, so that the fields of stacked
    // groups line up.
    void alignCaptions();

private:
    void addRow(const QString& caption, QWidget* field);
    void addToLine(const QString& caption, QWidget* field);

    QWidget* owner_;
    ActionRunner& runner_;
    QFormLayout* form_ = nullptr;
    QHBoxLayout* line_ = nullptr;
    std::vector<QWidget*> captions_;
};

// Lays the groups out one below the other on `page`, the room left over at the bottom.
void stackGroups(QWidget* page, std::initializer_list<QGroupBox*> groups);

} // namespace fpw::ui
