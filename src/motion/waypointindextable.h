#ifndef ZARN_WAYPOINTINDEXTABLE_H
#define ZARN_WAYPOINTINDEXTABLE_H

#include <map>
#include <mutex>

// Maps the position of a point in the waypoint list sent for a track segment
// to the index of that point in the application's own pose list. Written by
// the track operations, read on the receive thread by MoveP progress pushes.
class WaypointIndexTable {
public:
    static WaypointIndexTable& instance();

    void clear();
    void set(int key, int value);
    // False when the key is not listed; value is then untouched.
    bool lookup(int key, int& value) const;

private:
    mutable std::mutex m_mutex;
    std::map<int, int> m_table;
};

#endif  // ZARN_WAYPOINTINDEXTABLE_H
