#include "platform/toolkit/Pump.h"

#include <QCoreApplication>

namespace toolkit {

Pump::Pump() {
    sinceLastPump_.start();
}

bool Pump::Tick() {
    if (sinceLastPump_.elapsed() < kSliceMs)
        return false;
    Now();
    return true;
}

void Pump::Now() {
    QCoreApplication::processEvents();
    sinceLastPump_.restart();
}

} // namespace toolkit
