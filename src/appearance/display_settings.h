#pragma once

// The display switches of the settings panel. Every start begins with the
// clock off, hints shown and both log colours off.
class DisplaySettings {
public:
    // Set when the clock display is switched off; the clock's next tick
    // carries out the stop and clears it.
    int clockStopRequest() const { return clockStopRequest_; }
    void setClockStopRequest(int value) { clockStopRequest_ = value; }

private:
    int clockStopRequest_ = 0;
};
