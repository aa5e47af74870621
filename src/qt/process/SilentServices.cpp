#include "qt/process/SilentServices.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <string_view>

#include "qt/process/LocalSocketProbe.h"

namespace {

// A local service answers within a millisecond; one that has said nothing in this long is
// not going to, and the window is waiting.
constexpr std::chrono::milliseconds Patience{400};

// What libdbus would use with no address set: the user's bus in the runtime folder.
std::string DefaultBusAddress() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    return runtime != nullptr && *runtime == '/' ? "unix:path=" + std::string(runtime) + "/bus"
                                                 : std::string();
}

// An ICE connection opens with each side's byte-order message; the manager sends its own
// as soon as it accepts.
std::string IceByteOrderMessage() {
    const char lsbFirst = 0;  // the order of the numbers we send: there are none
    return std::string{'\0', '\1', lsbFirst, '\0', '\0', '\0', '\0', '\0'};
}

// A D-Bus client opens with a NUL and its first authentication line; the bus replies to it.
std::string DbusAuthLine() {
    static constexpr char Hex[] = "0123456789abcdef";
    std::string hexUid;
    for (const char digit : std::to_string(::geteuid())) {
        hexUid += Hex[static_cast<unsigned char>(digit) >> 4];
        hexUid += Hex[static_cast<unsigned char>(digit) & 0xF];
    }
    return std::string(1, '\0') + "AUTH EXTERNAL " + hexUid + "\r\n";
}

int HexValue(char digit) {
    if (digit >= '0' && digit <= '9') {
        return digit - '0';
    }
    if (digit >= 'a' && digit <= 'f') {
        return digit - 'a' + 10;
    }
    if (digit >= 'A' && digit <= 'F') {
        return digit - 'A' + 10;
    }
    return -1;
}

// D-Bus addresses escape bytes as %XX.
std::string Unescaped(std::string_view value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const int high = i + 2 < value.size() ? HexValue(value[i + 1]) : -1;
        const int low = high >= 0 ? HexValue(value[i + 2]) : -1;
        if (value[i] == '%' && low >= 0) {
            out += static_cast<char>(high * 16 + low);
            i += 2;
        } else {
            out += value[i];
        }
    }
    return out;
}

// libICE tries a local socket's abstract name first, then its file.
ProbeResult ProbeSessionManager(const std::string& socket) {
    const ProbeResult abstract = ProbeLocalSocket("@" + socket, IceByteOrderMessage(), Patience);
    return abstract != ProbeResult::Unreachable
               ? abstract
               : ProbeLocalSocket(socket, IceByteOrderMessage(), Patience);
}

}  // namespace

std::optional<std::string> SessionManagerSocket(const std::string& sessionManager) {
    const std::string first = sessionManager.substr(0, sessionManager.find(','));
    const std::size_t slash = first.find('/');
    const std::size_t colon = first.find(':');
    if (slash == std::string::npos || colon == std::string::npos || colon < slash) {
        return std::nullopt;
    }
    const std::string transport = first.substr(0, slash);
    if (transport != "local" && transport != "unix") {
        return std::nullopt;
    }
    return first.substr(colon + 1);
}

std::optional<std::string> SessionBusSocket(const std::string& address) {
    const std::string first = address.substr(0, address.find(';'));
    if (first.rfind("unix:", 0) != 0) {
        return std::nullopt;
    }
    std::string_view keys = std::string_view(first).substr(5);
    while (!keys.empty()) {
        const std::string_view pair = keys.substr(0, keys.find(','));
        keys.remove_prefix(std::min(keys.size(), pair.size() + 1));
        if (pair.rfind("path=", 0) == 0) {
            return Unescaped(pair.substr(5));
        }
        if (pair.rfind("abstract=", 0) == 0) {
            // Built by appending: GCC 12 warns falsely (-Wrestrict) on a literal + a temporary.
            std::string name = "@";
            name += Unescaped(pair.substr(9));
            return name;
        }
    }
    return std::nullopt;
}

void DoWithoutSilentServices() {
    if (const char* manager = std::getenv("SESSION_MANAGER")) {
        const std::optional<std::string> socket = SessionManagerSocket(manager);
        if (socket && ProbeSessionManager(*socket) == ProbeResult::Silent) {
            // Qt does not even try without one.
            ::unsetenv("SESSION_MANAGER");
        }
    }
    const char* bus = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    const std::optional<std::string> socket =
        SessionBusSocket(bus != nullptr ? std::string(bus) : DefaultBusAddress());
    if (socket && ProbeLocalSocket(*socket, DbusAuthLine(), Patience) == ProbeResult::Silent) {
        // An address that fails at once, rather than none, which libdbus would fill in with
        // the same bus or by starting one.
        ::setenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/lumabels-no-bus", 1);
    }
}
