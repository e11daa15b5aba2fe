#include "ui/prices/priceeditordialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/customprices.h"
#include "app/priceeditor.h"
#include "app/programcontext.h"
#include "catalog/equipment.h"
#include "catalog/prices.h"
#include "ui/services/qtuserinteraction.h"

namespace fpw::ui {
namespace {

void fillList(QListWidget* list, const std::vector<app::PriceRow>& rows) {
    list->clear();
    for (const app::PriceRow& row : rows) {
        auto* item = new QListWidgetItem(toQString(row.text), list);
        item->setData(Qt::UserRole, row.index);
    }
}

} // namespace

PriceEditorDialog::PriceEditorDialog(app::ProgramContext& ctx, QWidget* parent)
    : QDialog(parent), ctx_(ctx) {
    setWindowTitle(tr("Prices"));
    auto* grid = new QGridLayout(this);

    auto* itemBox = new QGroupBox(tr("Items"), this);
    auto* itemLayout = new QVBoxLayout(itemBox);
    items_ = new QListWidget(itemBox);
    items_->setObjectName("items");
    itemLayout->addWidget(items_);
    fillList(items_, app::priceItemRows(ctx_));

    auto* weaponBox = new QGroupBox(tr("Weapons and Equipment"), this);
    auto* weaponLayout = new QVBoxLayout(weaponBox);
    techBase_ = new QComboBox(weaponBox);
    techBase_->setObjectName("techBase");
    techBase_->setToolTip(tr("Show the weapons of this tech base"));
    for (int base : {0, 1}) {
        techBase_->addItem(toQString(catalog::techBaseName(base)));
    }
    weapons_ = new QListWidget(weaponBox);
    weapons_->setObjectName("weapons");
    weaponLayout->addWidget(techBase_);
    weaponLayout->addWidget(weapons_);
    fillWeapons();

    auto* priceRow = new QFormLayout;
    price_ = new QLineEdit(this);
    price_->setObjectName("price");
    price_->setEnabled(false);
    price_->setToolTip(tr("The price in C-Bills; press Enter to take it"));
    priceRow->addRow(tr("&Price (C-Bills):"), price_);

    QString legendText;
    for (std::string_view note : catalog::kPriceLegend) {
        legendText += toQString(note) + "\n";
    }
    auto* notes = new QGroupBox(tr("Notes"), this);
    auto* notesLayout = new QVBoxLayout(notes);
    auto* legend = new QLabel(legendText.trimmed(), notes);
    legend->setObjectName("legend");
    notesLayout->addWidget(legend);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* done = buttons->addButton(tr("&Done"), QDialogButtonBox::AcceptRole);
    done->setObjectName("done");
    QPushButton* resetButton = buttons->addButton(tr("&Reset"), QDialogButtonBox::ResetRole);
    resetButton->setObjectName("reset");
    resetButton->setToolTip(tr("Every item price back to its default"));
    done->setDefault(false);
    done->setAutoDefault(false);
    resetButton->setAutoDefault(false);

    grid->addWidget(itemBox, 0, 0);
    grid->addWidget(weaponBox, 0, 1);
    grid->addLayout(priceRow, 1, 0, 1, 2);
    grid->addWidget(notes, 2, 0, 1, 2);
    grid->addWidget(buttons, 3, 0, 1, 2);
    resize(720, 520);

    connect(techBase_, &QComboBox::currentIndexChanged, this, [this] {
        commitPrice();
        fillWeapons();
    });
    connect(items_, &QListWidget::currentItemChanged, this,
            [this](QListWidgetItem* item) { select(items_, item); });
    connect(weapons_, &QListWidget::currentItemChanged, this,
            [this](QListWidgetItem* item) { select(weapons_, item); });
    connect(price_, &QLineEdit::returnPressed, this, &PriceEditorDialog::commitPrice);
    connect(done, &QPushButton::clicked, this, &PriceEditorDialog::accept);
    connect(resetButton, &QPushButton::clicked, this, &PriceEditorDialog::reset);
}

void PriceEditorDialog::fillWeapons() {
    if (selectedList_ == weapons_) {
        selectedList_ = nullptr;
        selectedIndex_ = -1;
        showPrice();
    }
    const QSignalBlocker blocker(weapons_);
    fillList(weapons_, app::weaponPriceRows(ctx_, techBase_->currentIndex()));
}

void PriceEditorDialog::select(QListWidget* list, QListWidgetItem* item) {
    if (item == nullptr) {
        return;
    }
    // The price typed for the entry selected before belongs to it, not to the new one.
    commitPrice();
    QListWidget* other = list == items_ ? weapons_ : items_;
    {
        const QSignalBlocker blocker(other);
        other->setCurrentItem(nullptr);
        other->clearSelection();
    }
    selectedList_ = list;
    selectedIndex_ = item->data(Qt::UserRole).toInt();
    showPrice();
}

void PriceEditorDialog::showPrice() {
    price_->setEnabled(selectedList_ != nullptr);
    if (selectedList_ == nullptr) {
        price_->clear();
    } else if (selectedList_ == items_) {
        price_->setText(QString::number(app::itemPrice(ctx_, selectedIndex_)));
    } else {
        price_->setText(QString::number(app::weaponPrice(ctx_, selectedIndex_)));
    }
    price_->setModified(false);
}

void PriceEditorDialog::commitPrice() {
    if (selectedList_ == nullptr || !price_->isModified()) {
        return;
    }
    const std::string text = price_->text().toStdString();
    if (selectedList_ == items_) {
        app::SetItemPriceText(ctx_, selectedIndex_, text);
    } else {
        app::SetWeaponPriceText(ctx_, selectedIndex_, text);
    }
    showPrice();
}

void PriceEditorDialog::reset() {
    app::ResetItemPrices(ctx_);
    showPrice();
}

void PriceEditorDialog::accept() {
    commitPrice();
    app::WriteCustomData(ctx_);
    QDialog::accept();
}

void PriceEditorDialog::reject() {
    accept();
}

} // namespace fpw::ui
