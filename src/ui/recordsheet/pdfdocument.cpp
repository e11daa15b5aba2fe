#include "ui/recordsheet/pdfdocument.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include "app/files.h"
#include "app/identity.h"
#include "ui/recordsheet/paintersurface.h"
#include "ui/recordsheet/sheetpage.h"

namespace fpw::ui {

struct PdfDocument::Impl {
    Impl() : buffer(&bytes), writer(&buffer) {
        buffer.open(QIODevice::WriteOnly);
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                        QMarginsF(kMarginPoints, kMarginPoints, kMarginPoints, kMarginPoints),
                        QPageLayout::Point));
        writer.setCreator(QString::fromUtf8(app::kProgramTitle.data(),
                                            static_cast<qsizetype>(app::kProgramTitle.size())));
        painter.begin(&writer);
        surface =
            std::make_unique<PainterSurface>(painter, writer, kPrintableWidthPoints,
                                             kPrintableHeightPoints, [this] { writer.newPage(); });
    }

    QByteArray bytes;
    QBuffer buffer;
    QPdfWriter writer;
    QPainter painter;
    std::unique_ptr<PainterSurface> surface;
};

PdfDocument::PdfDocument() : impl_(std::make_unique<Impl>()) {}

PdfDocument::~PdfDocument() {
    if (impl_->painter.isActive())
        impl_->painter.end();
}

recordsheet::DrawingSurface& PdfDocument::surface() {
    return *impl_->surface;
}

bool PdfDocument::save(const std::string& path, std::string& error) {
    if (impl_->painter.isActive())
        impl_->painter.end();
    return app::writeFileAtomically(
        path,
        std::string_view(impl_->bytes.constData(), static_cast<std::size_t>(impl_->bytes.size())),
        &error);
}

int withGuiApplication(int argc, char** argv, const std::function<int()>& work) {
    if (QGuiApplication::instance() != nullptr)
        return work();
    // A tool run from a terminal or a test has no display; fonts and painting need none.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    return work();
}

} // namespace fpw::ui
