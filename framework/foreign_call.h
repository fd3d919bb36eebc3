#pragma once
// One call into an export of a library that is loaded by full path for that call only. Loading, the
// lookup and the call run inside the fault guard; the library is freed afterwards under a guard of its
// own. After a fault the library stays loaded: its code may still be on the stack of a window it made.
#include <windows.h>

#include <string>

#include "framework/fault_guard.h"
#include "framework/library.h"

namespace fw {

struct ForeignCall {
    bool found = false;        // the library loaded and has the export
    bool faulted = false;      // a fault inside loading, the lookup or the call
    bool freeFaulted = false;  // a fault while freeing the library
};

// invoke(Fn* export) carries out the call; it must not throw.
template <class Fn, class Invoke>
ForeignCall CallLibraryExport(const std::string& path, const char* exportName, Invoke&& invoke) {
    ForeignCall call;
    HMODULE module = nullptr;
    call.faulted = RunGuarded([&] {
                   module = LoadLibraryA(path.c_str());
                   Fn* fn = module ? Library::ProcOf<Fn>(module, exportName) : nullptr;
                   call.found = fn != nullptr;
                   if (fn) invoke(fn);
               }).faulted;
    if (!call.faulted && module) call.freeFaulted = RunGuarded([&] { FreeLibrary(module); }).faulted;
    return call;
}

}  // namespace fw
