#pragma once

#include <windows.h>

namespace abaquino::win32 {

class Form1;

// The program's message loops. Each message meets the main window's key preview first, then the
// dialog keys of the modal window if one is open, and only then translation and dispatch.
class MessagePump {
public:
    explicit MessagePump(Form1& form) : form_(form) {}

    // Until WM_QUIT; its exit code.
    int Run();
    // Until `dialog` is destroyed. False when WM_QUIT came first: it is posted again for the
    // outer loop.
    bool RunModal(HWND dialog);
    // Everything that is queued now, as the loop would deliver it.
    void DeliverPending();

private:
    void Deliver(MSG& message);

    Form1& form_;
    HWND dialog_ = nullptr;
};

}  // namespace abaquino::win32
