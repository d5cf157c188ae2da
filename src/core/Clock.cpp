#include "core/Clock.h"

namespace {
QDateTime fixedMoment;
}

namespace Clock {
QDateTime now()
{
    const QDateTime moment = fixedMoment.isValid() ? fixedMoment : QDateTime::currentDateTime();
    return moment.addMSecs(-moment.time().msec());
}
QDate today() { return now().date(); }
void setFixed(const QDateTime& moment) { fixedMoment = moment; }
void reset() { fixedMoment = QDateTime(); }
}
