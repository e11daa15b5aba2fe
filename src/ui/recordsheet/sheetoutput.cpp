#include "ui/recordsheet/sheetoutput.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "app/programcontext.h"
#include "ui/recordsheet/paintersurface.h"
#include "ui/recordsheet/pdfdocument.h"
#include "ui/recordsheet/sheetpage.h"

namespace fpw::ui {

bool printerAvailable() {
    return !QPrinterInfo::availablePrinters().isEmpty();
}

bool printPages(app::ProgramContext& ctx, const PageDrawer& draw,
                const std::string& suggestedName) {
    if (!printerAvailable()) {
        if (!ctx.user.askYesNo(kNoPrinterText, kNoPrinterTitle))
            return false;
        return savePdfAs(ctx, draw, suggestedName);
    }
    app::BusyPointer busy(ctx.user);
    QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    printer.setDocName(QString::fromStdString(suggestedName));
    printer.setPageLayout(QPageLayout(
        QPageSize(QPageSize::Letter), QPageLayout::Portrait,
        QMarginsF(kMarginPoints, kMarginPoints, kMarginPoints, kMarginPoints), QPageLayout::Point));
    QPainter painter;
    if (!painter.begin(&printer)) {
        ctx.user.message("The printer could not be started.", kNoPrinterTitle,
                         app::MessageIcon::Critical);
        return false;
    }
    const QRectF area = printer.pageLayout().paintRect(QPageLayout::Point);
    PainterSurface surface(painter, printer, area.width(), area.height(),
                           [&printer] { printer.newPage(); });
    const bool drawn = draw(surface);
    painter.end();
    return drawn;
}

bool savePdfAs(app::ProgramContext& ctx, const PageDrawer& draw, const std::string& suggestedName) {
    app::FileDialogRequest request;
    request.title = "Save as PDF";
    request.filter = kPdfFilter;
    request.fileName = suggestedName + ".pdf";
    const std::optional<std::string> path = ctx.user.saveFileDialog(request);
    return path && writePdf(ctx, draw, *path);
}

bool writePdf(app::ProgramContext& ctx, const PageDrawer& draw, const std::string& path) {
    app::BusyPointer busy(ctx.user);
    PdfDocument document;
    if (!draw(document.surface()))
        return false;
    std::string error;
    if (!document.save(path, error)) {
        ctx.user.message("The PDF file " + path + " could not be written: " + error, "Save as PDF",
                         app::MessageIcon::Critical);
        return false;
    }
    return true;
}

} // namespace fpw::ui
