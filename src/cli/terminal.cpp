#include "terminal.h"

#include <QByteArray>

#include <array>
#include <atomic>
#include <cstdio>

#ifdef _WIN32
#include <io.h>
#include <iostream>
#include <string>
#include <windows.h>
#else
#include <cerrno>
#include <csignal>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>
#endif

namespace {

std::atomic<bool> g_interrupted{false};
// Each slot holds a port's handle plus one, 0 for none: atomics start at 0.
std::array<std::atomic<qintptr>, kHandBackSlots> g_handBack;

constexpr char kFirstNotice[] = "\nInterrupted: stopping after the command in flight (up to 40 s when the modem "
                                "does not answer) and handing the modem back (press Ctrl-C again to quit at once: "
                                "the modem still gets #AUTO).\n";
constexpr char kSecondNotice[] = "\nInterrupted again: #AUTO sent, quitting at once.\n";
constexpr char kHandBack[] = "#AUTO\r\n";

} // namespace

void setHandBackPort(int slot, qintptr handle)
{
    if (slot >= 0 && slot < kHandBackSlots)
        g_handBack[size_t(slot)] = handle < 0 ? 0 : handle + 1;
}

bool interrupted()
{
    return g_interrupted.load();
}

void writeError(const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

#ifdef _WIN32

namespace {

HANDLE g_console = INVALID_HANDLE_VALUE;
std::atomic<DWORD> g_consoleMode{0};
std::atomic<bool> g_echoOff{false};

// "#AUTO" to every port still open, each write given a second: the ports are
// opened for overlapped I/O, which a write must then use.
void handBackAll()
{
    for (const std::atomic<qintptr> &slot : g_handBack) {
        const qintptr value = slot.load();
        if (value == 0)
            continue;
        const HANDLE port = reinterpret_cast<HANDLE>(value - 1);
        if (GetFileType(port) != FILE_TYPE_CHAR)
            continue;
        OVERLAPPED written = {};
        written.hEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        if (!written.hEvent)
            continue;
        if (WriteFile(port, kHandBack, DWORD(sizeof kHandBack - 1), nullptr, &written)
            || GetLastError() == ERROR_IO_PENDING)
            WaitForSingleObject(written.hEvent, 1000);
        CloseHandle(written.hEvent);
    }
}

BOOL WINAPI onConsoleEvent(DWORD event)
{
    // Closing the console, logging off and shutting down end the program as
    // soon as this returns: no time to wait for the command in flight.
    const bool ending = event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT;
    if (g_interrupted.exchange(true) || ending) {
        handBackAll();
        if (g_echoOff.load())
            SetConsoleMode(g_console, g_consoleMode.load());
        std::fputs(kSecondNotice, stderr);
        ExitProcess(130);
    }
    std::fputs(kFirstNotice, stderr);
    return TRUE;
}

} // namespace

void installInterruptHandlers()
{
    SetConsoleCtrlHandler(onConsoleEvent, TRUE);
}

bool stdinIsTerminal()
{
    return _isatty(_fileno(stdin)) != 0;
}

std::optional<QString> readHiddenLine(const QString &prompt)
{
    g_console = GetStdHandle(STD_INPUT_HANDLE);
    DWORD mode = 0;
    GetConsoleMode(g_console, &mode);
    g_consoleMode = mode;
    g_echoOff = true;
    SetConsoleMode(g_console, mode & ~DWORD(ENABLE_ECHO_INPUT));
    writeError(prompt);
    std::string line;
    const bool got = bool(std::getline(std::cin, line));
    SetConsoleMode(g_console, mode);
    g_echoOff = false;
    std::fputs("\n", stderr);
    if (!got || interrupted())
        return std::nullopt;
    return QString::fromLocal8Bit(QByteArray::fromStdString(line));
}

#else

namespace {

termios g_savedTerminal;
std::atomic<bool> g_echoOff{false};

void onSignal(int)
{
    // Only what a signal handler may do: the work itself polls interrupted().
    if (g_interrupted.exchange(true)) {
        // No modem is left in command mode: a terminal device or a network
        // connection (never a file that took a closed port's number) gets the
        // hand-back as it is; a connection the far end closed raises no SIGPIPE.
        for (const std::atomic<qintptr> &slot : g_handBack) {
            const int fd = int(slot.load() - 1);
            struct stat status = {};
            if (fd < 0 || fstat(fd, &status) != 0)
                continue;
            if (S_ISSOCK(status.st_mode)) [[maybe_unused]]
                const auto sent = send(fd, kHandBack, sizeof kHandBack - 1, MSG_NOSIGNAL);
            else if (isatty(fd) == 1) [[maybe_unused]]
                const auto sent = write(fd, kHandBack, sizeof kHandBack - 1);
        }
        if (g_echoOff.load())
            tcsetattr(STDIN_FILENO, TCSANOW, &g_savedTerminal);
        [[maybe_unused]] const auto n = write(STDERR_FILENO, kSecondNotice, sizeof kSecondNotice - 1);
        _exit(130);
    }
    [[maybe_unused]] const auto n = write(STDERR_FILENO, kFirstNotice, sizeof kFirstNotice - 1);
}

} // namespace

void installInterruptHandlers()
{
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

bool stdinIsTerminal()
{
    return isatty(STDIN_FILENO) == 1;
}

std::optional<QString> readHiddenLine(const QString &prompt)
{
    if (tcgetattr(STDIN_FILENO, &g_savedTerminal) != 0)
        return std::nullopt;
    termios hidden = g_savedTerminal;
    hidden.c_lflag &= ~tcflag_t(ECHO);
    g_echoOff = true;
    tcsetattr(STDIN_FILENO, TCSAFLUSH, &hidden);
    // Echo goes off before the prompt shows: whatever is typed after it stays hidden.
    writeError(prompt);

    // Read a byte at a time, looking up now and then for an interrupt.
    QByteArray line;
    bool complete = false;
    while (!interrupted()) {
        pollfd in{STDIN_FILENO, POLLIN, 0};
        const int ready = poll(&in, 1, 100);
        if (ready < 0 && errno != EINTR)
            break;
        if (ready <= 0)
            continue;
        char c = 0;
        if (read(STDIN_FILENO, &c, 1) != 1)
            break;
        if (c == '\n' || c == '\r') {
            complete = true;
            break;
        }
        line += c;
    }
    tcsetattr(STDIN_FILENO, TCSAFLUSH, &g_savedTerminal);
    g_echoOff = false;
    std::fputs("\n", stderr);
    if (!complete)
        return std::nullopt;
    return QString::fromLocal8Bit(line);
}

#endif
