#pragma once

namespace zarnsim {

// The six lengths reported at login, in the order of the DhParam message.
struct DhLengths {
    double a3;  // upper arm
    double a4;  // forearm
    double d1;
    double d2;
    double d5;
    double d6;
};

constexpr int kRobotTypeCount = 10;

// Nominal lengths of robot types 0..9; type 0 for anything else.
DhLengths nominalDhLengths(int robotType);

}  // namespace zarnsim
