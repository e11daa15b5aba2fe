#include "ui/about/creditsdialog.h"

#include <algorithm>

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

#include "ui/services/qtuserinteraction.h"

namespace fpw::ui {

CreditsDialog::CreditsDialog(std::vector<std::string> pages, QWidget* parent)
    : QDialog(parent), pages_(std::move(pages)) {
    setWindowTitle(tr("Credits"));
    auto* layout = new QVBoxLayout(this);
    text_ = new QTextEdit(this);
    text_->setObjectName("creditsText");
    text_->setReadOnly(true);
    QFont font = text_->font();
    font.setPointSizeF(font.pointSizeF() * 1.2);
    text_->setFont(font);
    layout->addWidget(text_, 1);
    auto* row = new QHBoxLayout;
    previous_ = new QPushButton(tr("< &Previous"), this);
    previous_->setObjectName("previous");
    next_ = new QPushButton(tr("&Next >"), this);
    next_->setObjectName("next");
    pageLabel_ = new QLabel(this);
    pageLabel_->setObjectName("pageLabel");
    auto* close = new QPushButton(tr("&Close"), this);
    row->addWidget(previous_);
    row->addWidget(pageLabel_, 1, Qt::AlignCenter);
    row->addWidget(next_);
    row->addSpacing(12);
    row->addWidget(close);
    layout->addLayout(row);
    connect(previous_, &QPushButton::clicked, this, [this] { showPage(page_ - 1); });
    connect(next_, &QPushButton::clicked, this, [this] { showPage(page_ + 1); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    resize(520, 420);
    showPage(0);
}

void CreditsDialog::showPage(int page) {
    const int count = static_cast<int>(pages_.size());
    page_ = std::clamp(page, 0, std::max(0, count - 1));
    text_->setPlainText(count == 0 ? QString() : toQString(pages_[page_]).replace("\r\n", "\n"));
    // Credits read best centred, like the last page of a book.
    QTextCursor all(text_->document());
    all.select(QTextCursor::Document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    centred.setBottomMargin(4);
    all.mergeBlockFormat(centred);
    pageLabel_->setText(tr("Page %1 of %2").arg(count == 0 ? 0 : page_ + 1).arg(count));
    previous_->setEnabled(page_ > 0);
    next_->setEnabled(page_ + 1 < count);
}

} // namespace fpw::ui
