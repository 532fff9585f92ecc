#pragma once

#include "dispatch.h"

namespace zarnsim {

// One family of commands each; a new family adds its file and a line to
// buildDispatchTable().
void addLoginHandlers(DispatchTable& table);
void addStateHandlers(DispatchTable& table);
void addSafetyHandlers(DispatchTable& table);
void addParameterHandlers(DispatchTable& table);
void addPushHandlers(DispatchTable& table);
void addMoveControlHandlers(DispatchTable& table);

}  // namespace zarnsim
