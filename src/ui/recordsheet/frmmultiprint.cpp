#include "ui/recordsheet/frmmultiprint.h"

#include <filesystem>

#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/programcontext.h"
#include "ui/recordsheet/pdfdocument.h"
#include "ui/recordsheet/sheetoutput.h"
#include "ui/services/qtuserinteraction.h"

namespace fpw::ui {
namespace {

constexpr const char* kDesignFilter = "Forgeplanwork Mechs (*.fpm)|*.fpm";
constexpr const char* kListDocumentName = "Record sheets";

// Every design on a new page of one surface: a print job or one PDF.
class OneSurface : public recordsheet::MultiPrintTarget {
public:
    explicit OneSurface(recordsheet::DrawingSurface& surface) : surface_(surface) {}
    recordsheet::DrawingSurface& beginDesign(const recordsheet::MultiPrintEntry&) override {
        if (designs_++ > 0)
            surface_.newPage();
        return surface_;
    }
    bool endDesign(const recordsheet::MultiPrintEntry&) override { return true; }

private:
    recordsheet::DrawingSurface& surface_;
    int designs_ = 0;
};

// A PDF of its own per design, named after the design file, in one folder.
class PdfPerDesign : public recordsheet::MultiPrintTarget {
public:
    explicit PdfPerDesign(std::string folder) : folder_(std::move(folder)) {}
    recordsheet::DrawingSurface& beginDesign(const recordsheet::MultiPrintEntry&) override {
        document_ = std::make_unique<PdfDocument>();
        return document_->surface();
    }
    bool endDesign(const recordsheet::MultiPrintEntry& entry) override {
        std::filesystem::path path =
            std::filesystem::path(folder_) / std::filesystem::path(entry.file).filename();
        if (entry.config != recordsheet::kBaseConfig && entry.config != recordsheet::kNoConfig)
            path.replace_filename(path.stem().string() + " - " + entry.config);
        path.replace_extension(".pdf");
        std::string error;
        return document_->save(path.string(), error);
    }

private:
    std::string folder_;
    std::unique_ptr<PdfDocument> document_;
};

} // namespace

FrmMultiPrint::FrmMultiPrint(app::ProgramContext& ctx, QWidget* parent)
    : QDialog(parent), ctx_(ctx), list_(new QTreeWidget(this)), status_(new QLabel(this)),
      stopButton_(new QPushButton("&Stop", this)),
      searchButton_(new QPushButton("Search by &Criteria...", this)) {
    setObjectName("frmMultiPrint");
    setWindowTitle("Multi-Print");
    chooseFolder_ = [this]() -> std::optional<std::string> {
        const QString folder = QFileDialog::getExistingDirectory(this, "Folder for the PDF files");
        if (folder.isEmpty())
            return std::nullopt;
        return folder.toStdString();
    };
    list_->setHeaderLabels({"File", "Configuration"});
    list_->setRootIsDecorated(false);
    list_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QTreeWidgetItem* item = list_->itemAt(at);
        if (item == nullptr)
            return;
        QMenu menu(this);
        buildRowMenu(list_->indexOfTopLevelItem(item), menu);
        menu.exec(list_->viewport()->mapToGlobal(at));
    });

    // Searching by a saved criteria file comes with the design search.
    searchButton_->setEnabled(false);
    stopButton_->setEnabled(false);
    auto* add = new QPushButton("&Add Mechs...", this);
    auto* printButton = new QPushButton("&Print", this);
    auto* pdf = new QPushButton("Save as P&DF...", this);
    auto* folder = new QPushButton("PDFs into &Folder...", this);
    auto* close = new QPushButton("&Close", this);
    connect(add, &QPushButton::clicked, this, &FrmMultiPrint::addMechs);
    connect(printButton, &QPushButton::clicked, this, &FrmMultiPrint::print);
    connect(pdf, &QPushButton::clicked, this, &FrmMultiPrint::saveAsPdf);
    connect(folder, &QPushButton::clicked, this, &FrmMultiPrint::savePdfsIntoFolder);
    connect(stopButton_, &QPushButton::clicked, this, &FrmMultiPrint::stop);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* side = new QVBoxLayout;
    for (QPushButton* b : {add, searchButton_, printButton, pdf, folder, stopButton_})
        side->addWidget(b);
    side->addStretch();
    side->addWidget(close);
    auto* columns = new QHBoxLayout;
    columns->addWidget(list_, 1);
    columns->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(status_);
    resize(640, 400);
}

void FrmMultiPrint::open(app::ProgramContext& ctx, const std::vector<std::string>& files,
                         QWidget* parent) {
    FrmMultiPrint window(ctx, parent);
    for (const std::string& file : files)
        window.addFile(file);
    window.exec();
}

void FrmMultiPrint::setFolderChooser(std::function<std::optional<std::string>()> chooser) {
    chooseFolder_ = std::move(chooser);
}

bool FrmMultiPrint::addFile(const std::string& file) {
    std::string message;
    const std::optional<recordsheet::MultiPrintRow> row =
        recordsheet::multiPrintRow(ctx_, file, message);
    if (!row) {
        ctx_.user.message(message, "Add Mechs", app::MessageIcon::Exclamation);
        return false;
    }
    auto* item = new QTreeWidgetItem(list_, {toQString(file), toQString(row->entry.config)});
    item->setToolTip(0, toQString(file));
    configurations_.push_back(row->configurations);
    return true;
}

void FrmMultiPrint::addMechs() {
    app::FileDialogRequest request;
    request.title = "Add Mechs";
    request.filter = kDesignFilter;
    request.initialDirectory = ctx_.settings.lastDir;
    if (const std::optional<std::string> file = ctx_.user.openFileDialog(request))
        addFile(*file);
}

void FrmMultiPrint::setConfiguration(int row, const std::string& config) {
    if (row < 0 || row >= list_->topLevelItemCount())
        return;
    const std::vector<std::string>& choices = configurations_[static_cast<std::size_t>(row)];
    if (std::find(choices.begin(), choices.end(), config) != choices.end())
        list_->topLevelItem(row)->setText(1, toQString(config));
}

void FrmMultiPrint::removeRow(int row) {
    if (row < 0 || row >= list_->topLevelItemCount())
        return;
    delete list_->takeTopLevelItem(row);
    configurations_.erase(configurations_.begin() + row);
}

void FrmMultiPrint::buildRowMenu(int row, QMenu& menu) {
    const QString current = list_->topLevelItem(row)->text(1);
    for (const std::string& config : configurations_[static_cast<std::size_t>(row)]) {
        QAction* action = menu.addAction(toQString(config));
        action->setCheckable(true);
        action->setChecked(toQString(config) == current);
        connect(action, &QAction::triggered, this,
                [this, row, config] { setConfiguration(row, config); });
    }
    if (!menu.isEmpty())
        menu.addSeparator();
    connect(menu.addAction("&Remove"), &QAction::triggered, this, [this, row] { removeRow(row); });
}

std::vector<recordsheet::MultiPrintEntry> FrmMultiPrint::entries() const {
    std::vector<recordsheet::MultiPrintEntry> result;
    for (int i = 0; i < list_->topLevelItemCount(); ++i)
        result.push_back({list_->topLevelItem(i)->text(0).toStdString(),
                          list_->topLevelItem(i)->text(1).toStdString()});
    return result;
}

bool FrmMultiPrint::refuseEmptyList() {
    if (list_->topLevelItemCount() > 0)
        return false;
    ctx_.user.message(recordsheet::kNoMechsText, recordsheet::kNoMechsTitle,
                      app::MessageIcon::Exclamation);
    return true;
}

recordsheet::MultiPrintResult FrmMultiPrint::run(recordsheet::MultiPrintTarget& target) {
    stopRequested_ = false;
    stopButton_->setEnabled(true);
    const recordsheet::MultiPrintResult result = recordsheet::MultiPrint(
        ctx_, entries(), target,
        [this](const std::string& text) { status_->setText(toQString(text)); },
        [this] { return stopRequested_; });
    stopButton_->setEnabled(false);
    return result;
}

void FrmMultiPrint::report(const recordsheet::MultiPrintResult& result) {
    status_->setText(
        QString(result.stopped ? "Stopped after %1 of %2 designs" : "Printed %1 of %2 designs")
            .arg(result.printed)
            .arg(list_->topLevelItemCount()));
    if (result.failures.empty())
        return;
    std::string text = "These designs were not printed:";
    for (const std::string& failure : result.failures)
        text += "\r\n" + failure;
    ctx_.user.message(text, "Multi-Print", app::MessageIcon::Exclamation);
}

void FrmMultiPrint::printList(bool toPdf) {
    if (refuseEmptyList())
        return;
    recordsheet::MultiPrintResult result;
    const PageDrawer draw = [&](recordsheet::DrawingSurface& surface) {
        OneSurface target(surface);
        result = run(target);
        return result.printed > 0;
    };
    const bool done = toPdf ? savePdfAs(ctx_, draw, kListDocumentName)
                            : printPages(ctx_, draw, kListDocumentName);
    if (done || !result.failures.empty())
        report(result);
}

void FrmMultiPrint::print() {
    printList(false);
}

void FrmMultiPrint::saveAsPdf() {
    printList(true);
}

void FrmMultiPrint::savePdfsIntoFolder() {
    if (refuseEmptyList())
        return;
    const std::optional<std::string> folder = chooseFolder_();
    if (!folder)
        return;
    app::BusyPointer busy(ctx_.user);
    PdfPerDesign target(*folder);
    report(run(target));
}

} // namespace fpw::ui
