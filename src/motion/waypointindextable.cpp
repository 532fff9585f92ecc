#include "motion/waypointindextable.h"

WaypointIndexTable& WaypointIndexTable::instance()
{
    static WaypointIndexTable* const s_waypointIndexInfoMapTable = new WaypointIndexTable();
    return *s_waypointIndexInfoMapTable;
}

void WaypointIndexTable::clear()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_table.clear();
}

void WaypointIndexTable::set(int key, int value)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_table[key] = value;
}

bool WaypointIndexTable::lookup(int key, int& value) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    auto it = m_table.find(key);
    if (it == m_table.end()) return false;
    value = it->second;
    return true;
}
