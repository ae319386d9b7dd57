#include "win32/system_dlls.h"

namespace abaquino::win32 {

void LoadDllsFromSystem32Only() { SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32); }

// Looked up once: the DLL stays loaded for the life of the process, as an import would.
const Oleacc& OleaccFunctions()
{
    static const Oleacc functions{
        SystemFunction<decltype(&::CreateStdAccessibleObject)>(L"oleacc.dll", "CreateStdAccessibleObject"),
        SystemFunction<decltype(&::LresultFromObject)>(L"oleacc.dll", "LresultFromObject"),
    };
    return functions;
}

}  // namespace abaquino::win32
