#include "ui/dialogs/spreaddialog.h"

#include <algorithm>

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>

#include "catalog/equipment.h"
#include "catalog/locations.h"
#include "editor/editor.h"
#include "ui/dialogs/allocationdialogframe.h"
#include "ui/editor/actionrunner.h"

namespace fpw::ui {

SpreadDialog::SpreadDialog(editor::Editor& editor, ActionRunner& runner,
                           editor::SpreadRequest request, QWidget* parent)
    : QDialog(parent), editor_(editor), runner_(runner), request_(std::move(request)) {
    setObjectName("frmSpread");
    setWindowTitle(tr("Spread %1").arg(QString::fromStdString(request_.weaponName)));
    auto* form = new QFormLayout;
    const bool quad = editor_.mech().mechType() == catalog::kQuad;
    primary_ = new QSpinBox(this);
    primary_->setObjectName("primaryCount");
    primary_->setRange(0, request_.primaryMaximum);
    primary_->setValue(request_.primaryMaximum);
    primary_->setSuffix(tr(" of %1 max").arg(request_.primaryMaximum));
    form->addRow(QString::fromStdString(catalog::locationName(request_.primaryLocation, quad)) +
                     ':',
                 primary_);
    secondary_ = new QComboBox(this);
    secondary_->setObjectName("secondaryLocation");
    for (const editor::SpreadLocation& place : request_.secondaries) {
        secondary_->addItem(QString::fromStdString(place.name), place.location);
    }
    secondaryCount_ = new QSpinBox(this);
    secondaryCount_->setObjectName("secondaryCount");
    auto* secondaryRow = new QHBoxLayout;
    secondaryRow->addWidget(secondary_, 1);
    secondaryRow->addWidget(secondaryCount_);
    form->addRow(tr("Into:"), secondaryRow);
    total_ = new QLabel(this);
    total_->setObjectName("spreadTotal");
    form->addRow(tr("Total:"), total_);
    buildAllocationDialog(*this, request_.text, form, [this] { finish(); });
    connect(primary_, &QSpinBox::valueChanged, this, &SpreadDialog::showTotal);
    connect(secondaryCount_, &QSpinBox::valueChanged, this, &SpreadDialog::showTotal);
    connect(secondary_, &QComboBox::currentIndexChanged, this, &SpreadDialog::secondaryChosen);
    secondaryChosen();
}

void SpreadDialog::secondaryChosen() {
    const int index = secondary_->currentIndex();
    const int maximum =
        index < 0 ? 0 : request_.secondaries[static_cast<std::size_t>(index)].maximum;
    secondaryCount_->setRange(0, maximum);
    secondaryCount_->setSuffix(tr(" of %1 max").arg(maximum));
    // What the primary location leaves, as far as the neighbour takes it.
    secondaryCount_->setValue(std::min(maximum, std::max(0, request_.need - primary_->value())));
    showTotal();
}

void SpreadDialog::showTotal() {
    total_->setText(
        tr("%1 of %2").arg(primary_->value() + secondaryCount_->value()).arg(request_.need));
}

void SpreadDialog::finish() {
    const editor::SpreadChoice choice{primary_->value(), secondary_->currentData().toInt(),
                                      secondaryCount_->value()};
    bool applied = false;
    runner_.run([&] { applied = editor::ApplySpread(editor_, request_, choice); });
    if (applied) {
        accept();
    }
}

} // namespace fpw::ui
