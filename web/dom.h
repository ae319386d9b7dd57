#pragma once

// What the page's C++ asks of the document (page_library.js). Controls are named by their
// element ids, which are their designed object names ("cmdNumber(5)"); texts are UTF-8.

extern "C" {

// Starts (or stops) handing the document's keys, clicks, clipboard and window events to the page
// (page_events.cpp). A paste is read up to `pasteLimit` characters.
void abaquino_attach(void* page, int pasteLimit);
void abaquino_detach(void* page);
// The page is ready for the user: what came before is handed on.
void abaquino_ready();

void abaquino_set_text(const char* id, const char* text);
// The text, or its selected part, into `buffer`; returns the bytes it needs, with its end.
int abaquino_text(const char* id, char* buffer, int size);
int abaquino_selected_text(const char* id, char* buffer, int size);
int abaquino_caret(const char* id);
void abaquino_set_caret(const char* id, int position);
bool abaquino_checked(const char* id);
void abaquino_check(const char* id);
void abaquino_focus(const char* id);
// The designed place of the main window's control that has the focus, or -1.
int abaquino_focused_place();
void abaquino_set_description(const char* id, const char* text);

void abaquino_say(const char* text);  // through the live region
void abaquino_beep(void* page);
void abaquino_show_balloon(void* page, const char* text, int milliseconds);
void abaquino_hide_balloon(void* page);
int abaquino_balloon_text(char* buffer, int size);  // "" when none shows

void abaquino_copy_now();
bool abaquino_copy_through_clipboard(void* page);
void abaquino_await_paste(void* page, int pasteLimit);

void abaquino_show_about();
void abaquino_close_about();
void abaquino_end(void* page);
}
