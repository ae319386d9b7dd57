// Faults that wine forgives fail the test that raised them. Windows ends a program whose window
// procedure faults while the system calls it back; wine catches the fault around the procedure
// and goes on, so under wine alone such a test would pass. A vectored handler sees every
// exception before any handler of wine's, so it reports the fault first, and lets the search go
// on as it would have.
// Linked into every Windows test program; it installs itself when the program starts.

#include <gtest/gtest.h>

#include <windows.h>

#include <charconv>
#include <cstdint>

namespace {

constexpr DWORD kHeapCorruption = 0xC0000374;
constexpr DWORD kStackBufferOverrun = 0xC0000409;

// Faults, as opposed to the exceptions raised on purpose: C++ exceptions, RPC's, debug output.
bool IsFault(DWORD code)
{
    switch (code) {
    case EXCEPTION_ACCESS_VIOLATION:
    case EXCEPTION_IN_PAGE_ERROR:
    case EXCEPTION_ILLEGAL_INSTRUCTION:
    case EXCEPTION_PRIV_INSTRUCTION:
    case EXCEPTION_INT_DIVIDE_BY_ZERO:
    case EXCEPTION_DATATYPE_MISALIGNMENT:
    case EXCEPTION_ARRAY_BOUNDS_EXCEEDED:
    case EXCEPTION_STACK_OVERFLOW:
    case kHeapCorruption:
    case kStackBufferOverrun: return true;
    default: return false;
    }
}

// Wine's own code probes memory and catches what it finds, so only faults in the test program's
// own code count; a corrupted heap or an overrun stack is reported from the system's code, and
// counts wherever it is.
bool RaisedByTheProgram(const EXCEPTION_RECORD& record)
{
    if (record.ExceptionCode == kHeapCorruption || record.ExceptionCode == kStackBufferOverrun) return true;
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       static_cast<LPCWSTR>(record.ExceptionAddress), &module);
    return module == GetModuleHandleW(nullptr);
}

LONG CALLBACK FailOnFault(EXCEPTION_POINTERS* exception)
{
    const EXCEPTION_RECORD& record = *exception->ExceptionRecord;
    if (!IsFault(record.ExceptionCode) || !RaisedByTheProgram(record)) return EXCEPTION_CONTINUE_SEARCH;
    // Written first without the heap, which may be what is broken.
    char text[96] = "fault: code 0x";
    char* end = text + sizeof(text);
    char* at = std::to_chars(text + 14, end, record.ExceptionCode, 16).ptr;
    constexpr char kAddress[] = " at address 0x";
    for (const char c : std::string_view(kAddress)) *at++ = c;
    at = std::to_chars(at, end - 1, reinterpret_cast<std::uintptr_t>(record.ExceptionAddress), 16).ptr;
    *at++ = '\n';
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_ERROR_HANDLE), text, static_cast<DWORD>(at - text), &written, nullptr);
    ADD_FAILURE() << std::string_view(text, static_cast<std::size_t>(at - text - 1))
                  << " (Windows would end the program here)";
    return EXCEPTION_CONTINUE_SEARCH;
}

[[maybe_unused]] const PVOID installed = AddVectoredExceptionHandler(1, FailOnFault);

}  // namespace
