#pragma once

// Windows' DLLs that are not among its protected KnownDLLs, loaded from System32 only: Windows
// would otherwise look for them first in the program's own folder, a Downloads folder say, and
// run whatever DLL of that name lies there.

#include <windows.h>

#include <oleacc.h>

namespace abaquino::win32 {

// Makes System32 the only folder searched for any DLL loaded later. The first thing the program does.
void LoadDllsFromSystem32Only();

// A function of a System32 DLL, or null when the DLL or the function is missing.
template <class Function>
Function SystemFunction(const wchar_t* dll, const char* name)
{
    HMODULE module = GetModuleHandleW(dll);
    if (!module) module = LoadLibraryExW(dll, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    const FARPROC found = module ? GetProcAddress(module, name) : nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

// The screen readers' part of oleacc that the controls' objects need.
struct Oleacc {
    decltype(&::CreateStdAccessibleObject) CreateStdAccessibleObject;
    decltype(&::LresultFromObject) LresultFromObject;
};
const Oleacc& OleaccFunctions();

}  // namespace abaquino::win32
