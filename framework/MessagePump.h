// What every message loop of the program does with one message: the dialog the message belongs to
// (the loop's modal dialog, or one of the application's modeless dialogs) may consume it in
// PreTranslateMessage; otherwise it is translated and dispatched.
#pragma once

#include <windows.h>

namespace halvane {
class CDialog;
}

namespace halvane::fw {

class MessagePump {
public:
    // TRUE when the owning dialog's PreTranslateMessage consumed the message.
    static bool PreTranslate(MSG& msg, CDialog* modal) noexcept;
    static void Process(MSG& msg, CDialog* modal) noexcept;
};

} // namespace halvane::fw
