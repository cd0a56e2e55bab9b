#pragma once
#include <string>

#include "sim/line_loop.h"

// The serial side: a pseudo-terminal pair whose slave end stands in for a
// COM port (point QUILLBOX_COM<n> at it). The simulator keeps a descriptor
// of the slave open itself, so the line survives the program closing and
// reopening its port between operations.
namespace qbx::sim {

class CPtyEndpoint {
  public:
    CPtyEndpoint() = default;
    ~CPtyEndpoint();
    CPtyEndpoint(const CPtyEndpoint&) = delete;
    CPtyEndpoint& operator=(const CPtyEndpoint&) = delete;

    // Creates the pair in raw mode. False with `error` set to the errno.
    bool Create(int& error);
    const std::string& SlavePath() const { return slavePath; }
    // Makes `path` a symbolic link to the slave; an old link there is
    // replaced, anything else is left alone (EEXIST). Removed on destruction.
    bool Link(const std::string& path, int& error);

    // Keeps the slave locked for the run (flock and TIOCEXCL), as another
    // program that has the port open does: the program's port enumeration
    // then sees it in use. False with `error` set to the errno.
    bool Hold(int& error);

    // Serves until stopped. After a cut the line stays dead for the run.
    bool Serve(IDeviceSide& side, CFdLine& line, const CLineSetup& setup);

  private:
    int masterFd = -1;
    int slaveFd = -1;
    std::string slavePath;
    std::string linkPath;
};

} // namespace qbx::sim
