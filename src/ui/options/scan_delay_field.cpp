#include "ui/options/scan_delay_field.h"

namespace pl63::ui {

QValidator::State ScanDelayValidator::validate(QString& input, int&) const {
    return forms::isScanDelayText(input.toStdString()) ? Acceptable : Invalid;
}

ScanDelayField makeScanDelayField(QWidget* parent, const QString& textName,
                                  const QString& spinnerName) {
    ScanDelayField field;
    field.text = new QLineEdit(parent);
    field.text->setObjectName(textName);
    field.text->setValidator(new ScanDelayValidator(field.text));

    field.spinner = new QScrollBar(Qt::Vertical, parent);
    field.spinner->setObjectName(spinnerName);
    field.spinner->setRange(0, kScanDelayMaxSeconds);
    field.spinner->setSingleStep(1);
    field.spinner->setPageStep(10);
    // A vertical scroll bar counts up downwards: its lower arrow, the track
    // below the handle and the Down key add. A spinner's upper arrow is
    // expected to count up, so the bar is drawn upside down and every step
    // goes the other way.
    field.spinner->setInvertedAppearance(true);
    QScrollBar* spinner = field.spinner;
    QObject::connect(spinner, &QAbstractSlider::actionTriggered, spinner, [spinner](int action) {
        int step = 0;
        switch (action) {
            case QAbstractSlider::SliderSingleStepAdd:
                step = -spinner->singleStep();
                break;
            case QAbstractSlider::SliderSingleStepSub:
                step = spinner->singleStep();
                break;
            case QAbstractSlider::SliderPageStepAdd:
                step = -spinner->pageStep();
                break;
            case QAbstractSlider::SliderPageStepSub:
                step = spinner->pageStep();
                break;
            default:
                return;
        }
        spinner->setSliderPosition(spinner->value() + step);
    });

    QLineEdit* text = field.text;
    QObject::connect(field.spinner, &QScrollBar::valueChanged, text,
                     [text](int seconds) { text->setText(QString::number(seconds)); });
    return field;
}

}  // namespace pl63::ui
