#pragma once
// Form7, "Embedded Information": the two text lines the radio keeps, a view
// over EmbeddedInfo.
#include <QLineEdit>
#include <QWidget>

#include "ui/window_registry.h"

namespace pl63::ui {

struct AppContext;
class EmbeddedTextValidator;

class EmbeddedInfoWindow : public QWidget, public StoreView {
    Q_OBJECT

public:
    EmbeddedInfoWindow(AppContext& context, QWidget* owner);

    void showStores() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* line(const char* name);
    void acceptEdits();  // OK

    AppContext& context_;
    QLineEdit* lines_[2] = {};  // Text1, Text2
    EmbeddedTextValidator* validators_[2] = {};
};

}  // namespace pl63::ui
