#include "ui/EndSignals.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int pipeEnds[2] = {-1, -1};
constexpr std::array<int, 3> Caught = {SIGTERM, SIGHUP, SIGINT};
std::array<struct sigaction, Caught.size()> earlier{};

extern "C" void OnEndSignal(int signal)
{
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(signal);
    // A full pipe already holds a request to end; nothing is lost by dropping this.
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[0], &byte, 1);
    errno = saved;
}

} // namespace

EndSignals::EndSignals(QObject* parent) : QObject(parent)
{
    if (pipeEnds[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pipeEnds) != 0)
        return;
    ::fcntl(pipeEnds[0], F_SETFL, O_NONBLOCK);
    notifier = std::make_unique<QSocketNotifier>(pipeEnds[1], QSocketNotifier::Read);
    connect(notifier.get(), &QSocketNotifier::activated, this, [this] {
        unsigned char byte = 0;
        if (::read(pipeEnds[1], &byte, 1) == 1)
            emit Received(byte);
    });
    for (std::size_t i = 0; i < Caught.size(); ++i) {
        struct sigaction action
        {};
        action.sa_handler = OnEndSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        ::sigaction(Caught[i], &action, &earlier[i]);
    }
}

EndSignals::~EndSignals()
{
    if (!notifier)
        return;
    for (std::size_t i = 0; i < Caught.size(); ++i)
        ::sigaction(Caught[i], &earlier[i], nullptr);
}
