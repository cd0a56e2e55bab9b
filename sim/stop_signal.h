#pragma once

// SIGTERM and SIGINT as a file descriptor that every wait of the simulator
// polls, so that a stop request ends even a long paced write at once.
namespace qbx::sim {

class CStopSignal {
  public:
    // Blocks both signals for the process (it has a single thread) and
    // opens a descriptor that becomes readable when one is pending.
    CStopSignal();
    ~CStopSignal();
    CStopSignal(const CStopSignal&) = delete;
    CStopSignal& operator=(const CStopSignal&) = delete;

    bool IsValid() const { return fd >= 0; }
    int Fd() const { return fd; }
    // True once a stop was requested (the signal stays pending).
    bool Raised() const;

  private:
    int fd = -1;
};

} // namespace qbx::sim
