#include "qt/ElavaOdotus.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <thread>

void OdotaElossa(std::chrono::milliseconds kesto) {
    const QDeadlineTimer raja(kesto);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    std::this_thread::sleep_for(raja.remainingTimeAsDuration());
}
