#pragma once

#include <QByteArray>
#include <QWindow>
#include <optional>

// The window a native event says was destroyed, when it is an X11 DestroyNotify; nothing for
// any other event or platform.
std::optional<WId> DestroyedWindow(const QByteArray& eventType, const void* message);
