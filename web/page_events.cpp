// The document's events, handed to the page that page_library.js was attached with. Exported to
// JavaScript by name (EMSCRIPTEN_KEEPALIVE: this file is the one list of what the page's script
// calls); the page's address travels with each event, so nothing here is global.

#include "web/form1_page.h"
#include "web/key_names.h"

#include <emscripten/emscripten.h>

namespace {

using abaquino::web::Form1Page;

Form1Page& PageAt(void* page) { return *static_cast<Form1Page*>(page); }

abaquino::behaviour::Modifiers Held(bool shift, bool control, bool alt, bool meta)
{
    return {.shift = shift, .control = control, .alt = alt, .meta = meta};
}

// Each event is a step of the user's, whose one sentence is said once it is over.
template <class Handle>
auto Step(void* page, Handle handle)
{
    struct Over {
        Form1Page& page;
        ~Over() { page.StepOver(); }
    } over{PageAt(page)};
    return handle(over.page);
}

}  // namespace

extern "C" {

// `key` and `code`: the event's values of those names ("Enter", "NumpadDecimal").
EMSCRIPTEN_KEEPALIVE bool abaquino_key_down(void* page, const char* key, const char* code, bool shift, bool control,
                                            bool alt, bool meta)
{
    using namespace abaquino::web;
    const char32_t typed = alt ? TypedWithAlt(key, code) : TypedCharacter(key);
    return Step(page, [&](Form1Page& p) { return p.KeyDown(KeyOf(key, code), Held(shift, control, alt, meta), typed); });
}

EMSCRIPTEN_KEEPALIVE void abaquino_key_up(void* page, const char* key, const char* code, bool shift, bool control,
                                          bool alt, bool meta)
{
    Step(page, [&](Form1Page& p) { p.KeyUp(abaquino::web::KeyOf(key, code), Held(shift, control, alt, meta)); });
}

EMSCRIPTEN_KEEPALIVE void abaquino_click(void* page, int place)
{
    Step(page, [&](Form1Page& p) { p.Clicked(static_cast<std::size_t>(place)); });
}
EMSCRIPTEN_KEEPALIVE void abaquino_menu(void* page, int entry)
{
    Step(page, [&](Form1Page& p) { p.MenuChosen(static_cast<std::size_t>(entry)); });
}
EMSCRIPTEN_KEEPALIVE void abaquino_entry_focused(void* page) { PageAt(page).EntryFocused(); }
EMSCRIPTEN_KEEPALIVE void abaquino_about_done(void* page) { PageAt(page).AboutDone(); }

EMSCRIPTEN_KEEPALIVE const char* abaquino_copy(void* page) { return PageAt(page).Copy().c_str(); }

// Room for the texts an event brings (a key's names, a pasted text), valid until the next event.
EMSCRIPTEN_KEEPALIVE char* abaquino_scratch(void* page, int size) { return PageAt(page).Scratch(static_cast<std::size_t>(size)); }

// `text` is null when the clipboard holds no text.
EMSCRIPTEN_KEEPALIVE void abaquino_paste(void* page, const char* text)
{
    Step(page, [&](Form1Page& p) { p.Pasted(text ? std::optional<std::string_view>(text) : std::nullopt); });
}

}
