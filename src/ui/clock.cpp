#include "ui/clock.h"

#include <QTime>

namespace pl63::ui {

double SystemClock::secondsSinceMidnight() const {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

}  // namespace pl63::ui
