#include "ui/recordsheet/frmprintprev.h"

#include <algorithm>
#include <array>

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "model/mech.h"
#include "ui/recordsheet/imagepage.h"

namespace fpw::ui {
namespace {

constexpr std::array<int, 7> kZooms{25, 50, 75, 100, 150, 200, 400};
// The printed size on the screen at 100 %.
constexpr int kScreenDotsPerInch = 96;

} // namespace

FrmPrintPrev::FrmPrintPrev(model::Mech& mech, const SheetRequest& request, QWidget* parent)
    : QDialog(parent), mech_(mech), request_(request), zoomBox_(new QComboBox(this)),
      scroll_(new QScrollArea(this)), page_(new QLabel) {
    setObjectName("frmPrintPrev");
    setWindowTitle("Print Preview");
    for (const int z : kZooms)
        zoomBox_->addItem(QString::number(z) + " %", z);
    zoomBox_->setCurrentIndex(
        static_cast<int>(std::find(kZooms.begin(), kZooms.end(), 100) - kZooms.begin()));
    connect(zoomBox_, &QComboBox::currentIndexChanged, this,
            [this](int index) { setZoom(zoomBox_->itemData(index).toInt()); });
    auto* close = new QPushButton("&Close", this);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    scroll_->setWidget(page_);
    scroll_->setAlignment(Qt::AlignHCenter);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel("Zoom:", this));
    bar->addWidget(zoomBox_);
    bar->addStretch();
    bar->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(scroll_);
    resize(900, 700);
    render();
}

void FrmPrintPrev::setZoom(int percent) {
    percent = std::clamp(percent, kZooms.front(), kZooms.back());
    if (percent == zoom_)
        return;
    zoom_ = percent;
    const int index = zoomBox_->findData(percent);
    if (index >= 0 && index != zoomBox_->currentIndex())
        zoomBox_->setCurrentIndex(index);
    render();
}

QSize FrmPrintPrev::pageSize() const {
    return page_->size();
}

void FrmPrintPrev::render() {
    const QImage image = renderPageImage(kScreenDotsPerInch * zoom_ / 100,
                                         [this](recordsheet::DrawingSurface& surface) {
                                             drawSheet(mech_, request_, surface, true);
                                         });
    page_->setPixmap(QPixmap::fromImage(image));
    page_->resize(image.size());
}

} // namespace fpw::ui
