#include "ui/about/aboutdialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "app/identity.h"
#include "app/startup.h"
#include "ui/services/qtuserinteraction.h"

namespace fpw::ui {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("About %1").arg(toQString(app::kProgramTitle)));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(32, 20, 32, 16);
    layout->setSpacing(6);
    auto* title = new QLabel(toQString(app::kProgramTitle), this);
    QFont titleFont = title->font();
    titleFont.setPointSize(titleFont.pointSize() * 2);
    titleFont.setBold(true);
    title->setFont(titleFont);
    auto* version = new QLabel(toQString(app::versionText()), this);
    version->setObjectName("version");
    auto* purpose = new QLabel(tr("A design tool for the walking war machines of Korvath."), this);
    auto* maker =
        new QLabel(QString("%1 - <a href=\"mailto:%2\">%2</a>")
                       .arg(toQString(app::kCompanyName), toQString(app::kSupportAddress)),
                   this);
    maker->setOpenExternalLinks(true);
    for (QLabel* label : {title, version, purpose, maker}) {
        label->setAlignment(Qt::AlignCenter);
        layout->addWidget(label);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addSpacing(8);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace fpw::ui
