// The print preview: the sheet at the printer's page size, with scroll bars and a zoom.
#pragma once

#include <QDialog>

#include "ui/recordsheet/sheetrequest.h"

class QComboBox;
class QLabel;
class QScrollArea;

namespace fpw::app {
struct ProgramContext;
}

namespace fpw::ui {

class FrmPrintPrev : public QDialog {
    Q_OBJECT
public:
    // The design must outlive the window.
    FrmPrintPrev(model::Mech& mech, const SheetRequest& request, QWidget* parent = nullptr);

    // Zoom in percent of the printed size (25 to 400); the page is drawn anew.
    void setZoom(int percent);
    int zoom() const { return zoom_; }
    QScrollArea* scrollArea() const { return scroll_; }
    // The page as last drawn.
    QSize pageSize() const;

private:
    void render();

    model::Mech& mech_;
    SheetRequest request_;
    int zoom_ = 100;
    QComboBox* zoomBox_;
    QScrollArea* scroll_;
    QLabel* page_;
};

} // namespace fpw::ui
