#include "engine/display_figures.h"

#include <cmath>

#include "engine/byte_format.h"

namespace quon {
namespace {

// The remaining incoming amount of the period; the bank counts once the monthly limit was passed.
double IncomingLeft(const EngineState& eng, const Options& opt, double received) {
    const Counters& c = opt.counters;
    const double limit = eng.monthWarned && opt.bankOn ? c.monthlim + c.backup : c.monthlim;
    return limit - (received + c.month);
}

void SetSpeed(std::string& text, double bytes, const Options& opt) {
    if (auto s = SpeedText(static_cast<int64_t>(std::trunc(bytes)), opt.speedUnit, opt.englishSpeedWords))
        text = *s;
}

}  // namespace

double BytesThisTick(double now, double previous) { return now > previous ? now - previous : 0; }

void ComputeOnlineFigures(const EngineState& eng, const Options& opt, char sep, DisplayTexts& t) {
    const Counters& c = opt.counters;
    auto bytes = [&](double x) { return FormatBytes(x, opt.units, opt.decimals, sep); };
    t.d_now = bytes(eng.connIn);
    t.u_now = bytes(eng.connOut);
    // The day and period figures add what the counters do not hold yet of this connection.
    const ConnectionTotals open = NotYetStored(eng);
    t.d_day = bytes(open.in + c.day);
    t.d_month = bytes(open.in + c.month);
    t.u_month = bytes(open.out + c.up);
    t.d_free = bytes(IncomingLeft(eng, opt, open.in));
    t.u_free = bytes(c.uplim - (open.out + c.up));
    SetSpeed(t.upload, BytesThisTick(eng.connOut, eng.prevOut), opt);
    SetSpeed(t.speed, BytesThisTick(eng.connIn, eng.prevIn), opt);
}

void ComputeOfflineFigures(const EngineState& eng, const Options& opt, char sep, DisplayTexts& t) {
    const Counters& c = opt.counters;
    auto bytes = [&](double x) { return FormatBytes(x, opt.units, opt.decimals, sep); };
    t.d_now = bytes(0);
    t.u_now = bytes(0);
    t.d_month = bytes(c.month);
    t.u_month = bytes(c.up);
    t.d_free = bytes(IncomingLeft(eng, opt, 0));
    t.u_free = bytes(c.uplim - c.up);
    t.d_day = bytes(c.day);
}

}  // namespace quon
