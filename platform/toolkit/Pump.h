#pragma once

#include <QElapsedTimer>

// Runs waiting events inside a long loop. Tick pumps only once a time slice has
// passed since the last pump, so a loop may call it for every row at little cost
// while key presses (Escape) and timer ticks still get through within a moment.
namespace toolkit {

class Pump {
public:
    static constexpr int kSliceMs = 15;

    Pump();
    // Pumps when the slice has passed; returns whether it pumped.
    bool Tick();
    void Now();

private:
    QElapsedTimer sinceLastPump_;
};

} // namespace toolkit
