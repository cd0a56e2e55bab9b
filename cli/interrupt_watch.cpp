#include "cli/interrupt_watch.h"

#include <csignal>

namespace qbx {
namespace {

// A signal handler can only hand over a flag.
volatile std::sig_atomic_t arrived = 0;

extern "C" void NoteSignal(int signal) {
    arrived = signal;
}

} // namespace

void StartInterruptWatch() {
    struct sigaction action {};
    action.sa_handler = NoteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0; // no SA_RESTART: a wait for the device returns early
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

int InterruptSignal() {
    return arrived;
}

} // namespace qbx
