#include "win32/message_pump.h"

#include "win32/form1.h"

#include <utility>

namespace abaquino::win32 {

void MessagePump::Deliver(MSG& message)
{
    if (form_.PreviewMessage(message)) return;
    if (dialog_ && IsDialogMessageW(dialog_, &message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

int MessagePump::Run()
{
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) Deliver(message);
    return static_cast<int>(message.wParam);
}

bool MessagePump::RunModal(HWND dialog)
{
    const HWND outer = std::exchange(dialog_, dialog);
    MSG message{};
    bool quit = false;
    while (IsWindow(dialog)) {
        if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
            quit = true;
            break;
        }
        Deliver(message);
    }
    dialog_ = outer;
    if (quit) PostQuitMessage(static_cast<int>(message.wParam));
    return !quit;
}

void MessagePump::DeliverPending()
{
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        Deliver(message);
    }
}

}  // namespace abaquino::win32
