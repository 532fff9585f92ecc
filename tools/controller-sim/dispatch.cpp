#include "dispatch.h"

#include "handlers.h"

namespace zarnsim {

void DispatchTable::add(int command, Handler handler)
{
    if (command >= 0 && command < cmd::Count)
        handlers_[command] = handler;
}

Handler DispatchTable::find(int command) const
{
    if (command < 0 || command >= cmd::Count)
        return nullptr;
    return handlers_[command];
}

std::vector<int> DispatchTable::commands() const
{
    std::vector<int> out;
    for (int c = 0; c < cmd::Count; ++c)
        if (handlers_[c])
            out.push_back(c);
    return out;
}

DispatchTable buildDispatchTable()
{
    DispatchTable table;
    addLoginHandlers(table);
    addStateHandlers(table);
    addSafetyHandlers(table);
    addParameterHandlers(table);
    addPushHandlers(table);
    addMoveControlHandlers(table);
    return table;
}

}  // namespace zarnsim
