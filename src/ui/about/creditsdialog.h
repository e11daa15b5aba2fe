// The credits, one page at a time.
#pragma once

#include <string>
#include <vector>

#include <QDialog>

class QLabel;
class QTextEdit;
class QPushButton;

namespace fpw::ui {

class CreditsDialog : public QDialog {
    Q_OBJECT
public:
    CreditsDialog(std::vector<std::string> pages, QWidget* parent = nullptr);

    int page() const { return page_; }
    void showPage(int page);

private:
    std::vector<std::string> pages_;
    int page_ = 0;
    QTextEdit* text_;
    QLabel* pageLabel_;
    QPushButton* previous_;
    QPushButton* next_;
};

} // namespace fpw::ui
