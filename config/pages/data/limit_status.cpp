#include "config/pages/data/limit_status.h"

namespace quon::config {

LimitStatus JudgeLimit(double value, double limit) {
    if (value > limit) return LimitStatus::Exceeded;
    if (value > 0.95 * limit) return LimitStatus::Near;
    return LimitStatus::Ok;
}

uint32_t LimitStatusColour(LimitStatus status) {
    switch (status) {
        case LimitStatus::Exceeded: return 0x0000FF;
        case LimitStatus::Near: return 0x00FFFF;
        case LimitStatus::Ok: break;
    }
    return 0x00FF00;
}

const char* LimitStatusText(LimitStatus status) {
    switch (status) {
        case LimitStatus::Exceeded: return " ЛИМИТ  ПРЕВЬIШЕН";
        case LimitStatus::Near: return " ВНИМАНИЕ!  >  95%";
        case LimitStatus::Ok: break;
    }
    return " OK";
}

}  // namespace quon::config
