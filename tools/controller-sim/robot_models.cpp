#include "robot_models.h"

namespace zarnsim {

namespace {

// Metres; types 2 and 7 differ only in the upper arm.
const DhLengths kNominal[kRobotTypeCount] = {
    {0.408, 0.376, 0.0985, 0.1215, 0.1025, 0.094},
    {0.552, 0.495, 0.1632, 0.178, 0.1025, 0.094},
    {0.647, 0.6005, 0.1632, 0.2013, 0.1025, 0.094},
    {0.229, 0.2015, 0.1395, 0.11055, 0.08955, 0.09055},
    {0.266, 0.2565, 0.157, 0.119, 0.1025, 0.094},
    {0.245, 0.215, 0.1215, 0.1215, 0.1025, 0.094},
    {0.608, 0.6395, 0.1215, 0.1215, 0.1025, 0.094},
    {0.632, 0.6005, 0.1632, 0.2013, 0.1025, 0.094},
    {0.48, 0.37, 0.163, 0.191, 0.1175, 0.1035},
    {0.753, 0.72, 0.1955, 0.1935, 0.127, 0.1063},
};

}  // namespace

DhLengths nominalDhLengths(int robotType)
{
    if (robotType < 0 || robotType >= kRobotTypeCount)
        robotType = 0;
    return kNominal[robotType];
}

}  // namespace zarnsim
