// The process-wide kinematic model. Lengths are installed at login while any
// thread may be running kinematics, so the model lives in a sequence-locked
// cell: writers are serialised by a mutex and bump the sequence around their
// stores; readers copy all fields and retry if the sequence moved. Every field
// is atomic, so a reader can never observe half of a double either.
#include <atomic>
#include <mutex>

#include "kinematics/ikfunc.h"
#include "kinematics/our_alg.h"

namespace {

const DhModel kNominalSets[10] = {
    {0, 0.408, 0.376, 0.0985, 0.1215, 0.1025, 0.094, -0.019},
    {1, 0.552, 0.495, 0.1632, 0.178, 0.1025, 0.094, 0.0},
    {2, 0.647, 0.6005, 0.1632, 0.2013, 0.1025, 0.094, 0.0},
    {3, 0.229, 0.2015, 0.1395, 0.11055, 0.08955, 0.09055, 0.0},
    {4, 0.266, 0.2565, 0.157, 0.119, 0.1025, 0.094, 0.0},
    {5, 0.245, 0.215, 0.1215, 0.1215, 0.1025, 0.094, -0.019},
    {6, 0.608, 0.6395, 0.1215, 0.1215, 0.1025, 0.094, -0.019},
    {7, 0.632, 0.6005, 0.1632, 0.2013, 0.1025, 0.094, 0.0},
    {8, 0.48, 0.37, 0.163, 0.191, 0.1175, 0.1035, 0.0},
    {9, 0.753, 0.72, 0.1955, 0.1935, 0.127, 0.1063, 0.0},
};

struct ModelCell {
    std::atomic<unsigned> seq{0};
    std::atomic<int> robotType{0};
    std::atomic<double> a2{0.408};
    std::atomic<double> a3{0.376};
    std::atomic<double> d1{0.0985};
    std::atomic<double> d2{0.1215};
    std::atomic<double> d5{0.1025};
    std::atomic<double> d6{0.094};
    std::atomic<double> d4{-0.019};
};

// Constant-initialised: kinematics is usable before any static constructor runs.
ModelCell g_model;
std::mutex g_writeMutex;

// Caller holds g_writeMutex. Release stores keep the odd sequence value ahead of
// every field store; the final release store publishes the complete set.
void publishLocked(const DhModel& m) {
    const unsigned s = g_model.seq.load(std::memory_order_relaxed);
    g_model.seq.store(s + 1, std::memory_order_relaxed);
    g_model.robotType.store(m.robotType, std::memory_order_release);
    g_model.a2.store(m.a2, std::memory_order_release);
    g_model.a3.store(m.a3, std::memory_order_release);
    g_model.d1.store(m.d1, std::memory_order_release);
    g_model.d2.store(m.d2, std::memory_order_release);
    g_model.d5.store(m.d5, std::memory_order_release);
    g_model.d6.store(m.d6, std::memory_order_release);
    g_model.d4.store(m.d4, std::memory_order_release);
    g_model.seq.store(s + 2, std::memory_order_release);
}

// Rounds to single precision. The volatile store keeps the rounding: GCC 12's
// SLP vectoriser folds (double)(float)(x - y) + y back to x at -O2.
float toSingle(double v) {
    volatile float rounded = static_cast<float>(v);
    return rounded;
}

// Same correction rule as modifyDhParaLen, on a model value.
void applyOffsets(DhModel& m, const float* aOffsets, const float* dOffsets) {
    m.a2 += static_cast<double>(aOffsets[2]);
    m.a3 += static_cast<double>(aOffsets[3]);
    m.d1 += static_cast<double>(dOffsets[0]);
    m.d4 += static_cast<double>(dOffsets[3]);
    // The sum of two floats is exact in double, so rounding it once is the float sum.
    const float sideways =
        toSingle(static_cast<double>(dOffsets[1]) + static_cast<double>(dOffsets[3]));
    m.d2 += static_cast<double>(sideways);
    m.d5 += static_cast<double>(dOffsets[4]);
    m.d6 += static_cast<double>(dOffsets[5]);
}

}  // namespace

std::atomic<bool> Ikfunc::joint1Rot360{false};
std::atomic<bool> Ikfunc::joint6Rot360{false};

DhModel dhModelSnapshot() {
    DhModel m;
    for (;;) {
        const unsigned s0 = g_model.seq.load(std::memory_order_acquire);
        if (s0 & 1u) continue;
        m.robotType = g_model.robotType.load(std::memory_order_acquire);
        m.a2 = g_model.a2.load(std::memory_order_acquire);
        m.a3 = g_model.a3.load(std::memory_order_acquire);
        m.d1 = g_model.d1.load(std::memory_order_acquire);
        m.d2 = g_model.d2.load(std::memory_order_acquire);
        m.d5 = g_model.d5.load(std::memory_order_acquire);
        m.d6 = g_model.d6.load(std::memory_order_acquire);
        m.d4 = g_model.d4.load(std::memory_order_acquire);
        if (g_model.seq.load(std::memory_order_relaxed) == s0) return m;
    }
}

bool nominalDhModel(zarn_robot_type type, DhModel& out) {
    const bool known = type >= 0 && type <= 9;
    out = kNominalSets[known ? type : 0];
    return known;
}

void setDhParaLen(zarn_robot_type type, double a2, double a3, double d1, double d2, double d5,
                  double d6, double d4) {
    const DhModel m{type, a2, a3, d1, d2, d5, d6, d4};
    std::lock_guard<std::mutex> lock(g_writeMutex);
    publishLocked(m);
}

void getDhPara(double& a2, double& a3, double& d1, double& d2, double& d5, double& d6) {
    getDhPara(a2, a3, d1, d2, d5, d6, nullptr);
}

void getDhPara(double& a2, double& a3, double& d1, double& d2, double& d5, double& d6, double* d4) {
    const DhModel m = dhModelSnapshot();
    a2 = m.a2;
    a3 = m.a3;
    d1 = m.d1;
    d2 = m.d2;
    d5 = m.d5;
    d6 = m.d6;
    if (d4 != nullptr) {
        d2 = m.d2 - m.d4;
        *d4 = m.d4;
    }
}

void modifyDhParaLen(const float* aOffsets, const float* dOffsets) {
    if (aOffsets == nullptr || dOffsets == nullptr) return;
    std::lock_guard<std::mutex> lock(g_writeMutex);
    DhModel m = dhModelSnapshot();
    applyOffsets(m, aOffsets, dOffsets);
    publishLocked(m);
}

zarn_robot_type getRobotType() {
    return g_model.robotType.load(std::memory_order_acquire);
}

bool Ikfunc::SetDhParaLen(zarn_robot_type type) {
    DhModel m;
    const bool known = nominalDhModel(type, m);
    std::lock_guard<std::mutex> lock(g_writeMutex);
    publishLocked(m);
    return known;
}

// Built under one lock and published once, so no reader ever sees the nominal
// set that serves only as the base of the corrections.
void Ikfunc::setDhParameters(zarn_robot_type type, double a2, double a3, double d1, double d2,
                             double d5, double d6) {
    DhModel m;
    nominalDhModel(type, m);
    float aOffsets[6] = {0, 0, 0, 0, 0, 0};
    float dOffsets[6] = {0, 0, 0, 0, 0, 0};
    aOffsets[2] = toSingle(a2 - m.a2);
    aOffsets[3] = toSingle(a3 - m.a3);
    dOffsets[0] = toSingle(d1 - m.d1);
    dOffsets[1] = toSingle(d2 - m.d2);
    dOffsets[4] = toSingle(d5 - m.d5);
    dOffsets[5] = toSingle(d6 - m.d6);
    applyOffsets(m, aOffsets, dOffsets);
    std::lock_guard<std::mutex> lock(g_writeMutex);
    publishLocked(m);
}
