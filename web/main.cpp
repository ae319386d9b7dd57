// The page's program: once its WebAssembly has loaded, it takes over the markup already shown.

#include "web/form1_page.h"

int main()
{
    // The page lives as long as the browser shows it; the runtime stays after main returns.
    new abaquino::web::Form1Page();  // NOLINT(cppcoreguidelines-owning-memory)
}
