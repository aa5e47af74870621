#include "win32/window/ShellTerms.h"

GameShell::Key ShellKey(WPARAM key) {
    switch (key) {
        case VK_SPACE:
            return GameShell::Key::Space;
        case VK_RETURN:
            return GameShell::Key::Enter;
        case VK_SHIFT:
            return GameShell::Key::Shift;
        default:
            return GameShell::Key::Other;
    }
}

UINT MessageBoxFlags(MessageId id) {
    switch (id) {
        case MessageId::HelpQuestion:
            return MB_OKCANCEL | MB_ICONQUESTION;
        case MessageId::HelpFailed:
        case MessageId::SaveFailed:
            return MB_OK | MB_ICONWARNING;
        default:
            return MB_OK | MB_ICONINFORMATION;
    }
}
