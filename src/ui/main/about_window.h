#pragma once
// frmAbout: the program's picture, title, version, issue and description
// lines. A single instance owned by the main window; OK and the close box
// only hide it.
#include <QLabel>
#include <QWidget>

namespace pl63::ui {

struct AppContext;

class AboutWindow : public QWidget {
    Q_OBJECT

public:
    AboutWindow(AppContext& context, QWidget* owner);

protected:
    void closeEvent(QCloseEvent* event) override;
    // The picture is drawn the first time the window is shown.
    void showEvent(QShowEvent* event) override;

private:
    QLabel* picture_ = nullptr;  // picIcon
};

}  // namespace pl63::ui
