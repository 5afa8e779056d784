#pragma once
// A caption that reports clicks: the hidden modes are entered by clicking
// designated captions, which plain labels do not report.
#include <QLabel>

namespace pl63::ui {

class CaptionLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    // A click is a press and a release over the caption, like a button's.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

}  // namespace pl63::ui
