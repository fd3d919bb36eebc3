#include "framework/fault_guard.h"

#include <windows.h>

namespace fw {
namespace {

struct Guard {
    void* jump[5];  // __builtin_setjmp buffer
    unsigned long code = 0;
    Guard* outer = nullptr;
};

thread_local Guard* t_innermost = nullptr;

bool IsHardwareFault(DWORD code) {
    switch (code) {
        case EXCEPTION_ACCESS_VIOLATION:
        case EXCEPTION_ILLEGAL_INSTRUCTION:
        case EXCEPTION_PRIV_INSTRUCTION:
        case EXCEPTION_INT_DIVIDE_BY_ZERO:
        case EXCEPTION_INT_OVERFLOW:
        case EXCEPTION_IN_PAGE_ERROR:
        case EXCEPTION_ARRAY_BOUNDS_EXCEEDED:
        case EXCEPTION_DATATYPE_MISALIGNMENT:
        case EXCEPTION_FLT_DIVIDE_BY_ZERO:
        case EXCEPTION_FLT_INVALID_OPERATION:
        case EXCEPTION_FLT_OVERFLOW:
        case EXCEPTION_FLT_UNDERFLOW:
        case EXCEPTION_FLT_STACK_CHECK:
        case EXCEPTION_FLT_DENORMAL_OPERAND:
        case EXCEPTION_FLT_INEXACT_RESULT:
            return true;
        default:
            return false;
    }
}

[[noreturn]] void ReturnToGuard() { __builtin_longjmp(t_innermost->jump, 1); }

LONG CALLBACK OnException(EXCEPTION_POINTERS* info) {
    Guard* guard = t_innermost;
    if (!guard || !IsHardwareFault(info->ExceptionRecord->ExceptionCode)) return EXCEPTION_CONTINUE_SEARCH;
    guard->code = info->ExceptionRecord->ExceptionCode;
    // Resume in ReturnToGuard as if it had been called at the faulting point (the stack aligned as a
    // call leaves it, with room for the return address); it jumps back to RunGuarded.
    CONTEXT* ctx = info->ContextRecord;
#if defined(__x86_64__)
    ctx->Rsp = (ctx->Rsp & ~static_cast<DWORD64>(15)) - sizeof(DWORD64);
    ctx->Rip = reinterpret_cast<DWORD64>(&ReturnToGuard);
#else
    ctx->Esp = (ctx->Esp & ~static_cast<DWORD>(15)) - sizeof(DWORD);
    ctx->Eip = reinterpret_cast<DWORD>(&ReturnToGuard);
#endif
    return EXCEPTION_CONTINUE_EXECUTION;
}

}  // namespace

FaultResult RunGuarded(const std::function<void()>& call) {
    Guard guard;
    guard.outer = t_innermost;
    PVOID handler = AddVectoredExceptionHandler(1, &OnException);
    t_innermost = &guard;
    FaultResult result;
    if (__builtin_setjmp(guard.jump) == 0) {
        call();
    } else {
        result.faulted = true;
        result.code = guard.code;
    }
    t_innermost = guard.outer;
    if (handler) RemoveVectoredExceptionHandler(handler);
    return result;
}

}  // namespace fw
