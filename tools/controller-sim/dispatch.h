#pragma once

#include <array>
#include <vector>

#include "commands.h"

namespace zarnsim {

class Exchange;
using Handler = void (*)(Exchange&);

// Command type → handler. A command without a handler is answered as
// unsupported by the session, never left without an answer.
class DispatchTable {
public:
    void add(int command, Handler handler);
    Handler find(int command) const;
    std::vector<int> commands() const;

private:
    std::array<Handler, cmd::Count> handlers_{};
};

// The table with every handler family registered.
DispatchTable buildDispatchTable();

}  // namespace zarnsim
