#include "ui/pilots/frmeditpilots.h"

#include <algorithm>

#include <QFormLayout>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/programcontext.h"
#include "ui/services/qtuserinteraction.h"
#include "units/pilotroster.h"

namespace fpw::ui {
namespace {

QSpinBox* skillBox(const char* objectName, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(objectName);
    box->setRange(units::kLowestSkill, units::kHighestSkill);
    return box;
}

QPushButton* button(const QString& text, const char* objectName, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(objectName);
    return b;
}

} // namespace

FrmEditPilots::FrmEditPilots(app::ProgramContext& ctx, QWidget* parent)
    : QDialog(parent), ctx_(ctx), list_(new QListWidget(this)), gunnery_(skillBox("gunnery", this)),
      piloting_(skillBox("piloting", this)), change_(button("&Change...", "PButChange", this)),
      remove_(button("&Remove", "PButRemove", this)) {
    setObjectName("frmEditPilots");
    setWindowTitle("Pilots");
    list_->setObjectName("pilotList");
    auto* add = button("&Add...", "PButAdd", this);
    auto* done = button("&Done", "PButDone", this);
    done->setDefault(true);

    auto* skills = new QFormLayout;
    skills->addRow("&Gunnery:", gunnery_);
    skills->addRow("&Piloting:", piloting_);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(change_);
    buttons->addWidget(remove_);
    buttons->addLayout(skills);
    buttons->addStretch();
    buttons->addWidget(done);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);

    connect(add, &QPushButton::clicked, this, &FrmEditPilots::add);
    connect(change_, &QPushButton::clicked, this, &FrmEditPilots::change);
    connect(remove_, &QPushButton::clicked, this, &FrmEditPilots::remove);
    connect(done, &QPushButton::clicked, this, &QDialog::accept);
    connect(list_, &QListWidget::currentRowChanged, this, &FrmEditPilots::showSkills);
    connect(list_, &QListWidget::itemDoubleClicked, this, &FrmEditPilots::change);
    for (QSpinBox* box : {gunnery_, piloting_})
        connect(box, &QSpinBox::valueChanged, this, &FrmEditPilots::applySkills);
    fill();
}

void FrmEditPilots::open(app::ProgramContext& ctx, QWidget* parent) {
    FrmEditPilots window(ctx, parent);
    window.exec();
}

void FrmEditPilots::add() {
    if (units::AddPilot(ctx_))
        fill(list_->count());
}

void FrmEditPilots::change() {
    const std::optional<std::size_t> index = chosen();
    if (index && units::ChangePilot(ctx_, *index))
        fill(list_->currentRow());
}

void FrmEditPilots::remove() {
    const std::optional<std::size_t> index = chosen();
    if (index && units::RemovePilot(ctx_, *index))
        fill(list_->currentRow());
}

void FrmEditPilots::fill(int row) {
    filling_ = true;
    list_->clear();
    for (const std::size_t i : units::namedPilots(ctx_)) {
        auto* item = new QListWidgetItem(toQString(ctx_.pilots[i].name), list_);
        item->setData(Qt::UserRole, static_cast<qulonglong>(i));
    }
    if (list_->count() > 0)
        list_->setCurrentRow(std::min(row, list_->count() - 1));
    filling_ = false;
    showSkills();
}

std::optional<std::size_t> FrmEditPilots::chosen() const {
    const QListWidgetItem* item = list_->currentItem();
    if (item == nullptr)
        return std::nullopt;
    return static_cast<std::size_t>(item->data(Qt::UserRole).toULongLong());
}

void FrmEditPilots::showSkills() {
    if (filling_)
        return;
    const std::optional<std::size_t> index = chosen();
    const QSignalBlocker blockGunnery(gunnery_);
    const QSignalBlocker blockPiloting(piloting_);
    if (index) {
        gunnery_->setValue(ctx_.pilots[*index].gunnery);
        piloting_->setValue(ctx_.pilots[*index].piloting);
    }
    for (QWidget* w : std::initializer_list<QWidget*>{change_, remove_, gunnery_, piloting_})
        w->setEnabled(index.has_value());
}

void FrmEditPilots::applySkills() {
    const std::optional<std::size_t> index = chosen();
    if (!index)
        return;
    if (units::SetPilotSkills(ctx_, *index, gunnery_->value(), piloting_->value()))
        fill(list_->currentRow());
    else
        showSkills(); // the file did not take it: show what holds
}

} // namespace fpw::ui
