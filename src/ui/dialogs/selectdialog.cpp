#include "ui/dialogs/selectdialog.h"

#include <algorithm>

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace fpw::ui {
namespace {

// Rows shown without scrolling before the list scrolls.
constexpr int kVisibleRows = 12;

} // namespace

SelectDialog::SelectDialog(const QString& title, const QString& prompt, const QStringList& entries,
                           QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this)) {
    setObjectName("frmSelect");
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(prompt, this);
    text->setWordWrap(true);
    text->setBuddy(list_);
    layout->addWidget(text);

    list_->setObjectName("selectList");
    list_->addItems(entries);
    list_->setCurrentRow(0);
    list_->setUniformItemSizes(true);
    // Every entry readable without a horizontal scroll bar, and a dozen rows at once.
    int widest = fontMetrics().averageCharWidth() * 30;
    for (const QString& entry : entries) {
        widest = std::max(widest, fontMetrics().horizontalAdvance(entry));
    }
    const int rows = std::clamp(static_cast<int>(entries.size()), 4, kVisibleRows);
    list_->setMinimumSize(widest + 2 * list_->frameWidth() + 32,
                          rows * list_->sizeHintForRow(0) + 2 * list_->frameWidth());
    layout->addWidget(list_, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setEnabled(!entries.isEmpty());
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

std::optional<int> SelectDialog::chosenRow() const {
    const int row = list_->currentRow();
    return row < 0 ? std::nullopt : std::optional<int>(row);
}

} // namespace fpw::ui
