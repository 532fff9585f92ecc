// Per-call cost of the closed-form kinematics on the default arm, and, where
// orocos-kdl is installed, of a general numeric solver on the same arm: the
// Levenberg-Marquardt position solver seeded with the same reference joints.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "kinematics/ikfunc.h"
#include "kinematics/robotutilservice.h"

#ifdef ZARN_BENCH_WITH_KDL
#include <kdl/chain.hpp>
#include <kdl/chainfksolverpos_recursive.hpp>
#include <kdl/chainiksolverpos_lma.hpp>
#endif

namespace {

using WayPoint = zarn_robot_namespace::wayPoint_S;

struct Sample {
    double q[6];    // generating joints
    double ref[6];  // reference near them, as a motion planner would pass
    WayPoint target;
};

// Random reachable poses, away from the wrist singularity so that every solver
// has a well-defined nearest answer.
const std::vector<Sample>& samples() {
    static const std::vector<Sample> s = [] {
        std::vector<Sample> out;
        std::mt19937 rng(7u);
        std::uniform_real_distribution<double> joint(-2.9, 2.9);
        std::uniform_real_distribution<double> noise(-0.05, 0.05);
        while (out.size() < 256) {
            Sample x{};
            for (int k = 0; k < 6; ++k) x.q[k] = joint(rng);
            if (std::fabs(std::sin(x.q[4])) < 0.1) continue;
            for (int k = 0; k < 6; ++k) x.ref[k] = x.q[k] + noise(rng);
            RobotUtilService::robotFk(x.q, 6, x.target);
            out.push_back(x);
        }
        return out;
    }();
    return s;
}

double rotationGap(const Ori& a, const Ori& b) {
    double ra[9], rb[9];
    Ikfunc::QuaternionToOriMatrix(a, ra);
    Ikfunc::QuaternionToOriMatrix(b, rb);
    double gap = 0;
    for (int i = 0; i < 9; ++i) gap = std::fmax(gap, std::fabs(ra[i] - rb[i]));
    return gap;
}

// Worst position (m) and rotation-matrix entry error of joints q for target t.
void accumulateError(const double* q, const WayPoint& t, double& posErr, double& rotErr) {
    WayPoint reached{};
    RobotUtilService::robotFk(q, 6, reached);
    const double dx = reached.cartPos.x - t.cartPos.x, dy = reached.cartPos.y - t.cartPos.y,
                 dz = reached.cartPos.z - t.cartPos.z;
    posErr = std::fmax(posErr, std::sqrt(dx * dx + dy * dy + dz * dz));
    rotErr = std::fmax(rotErr, rotationGap(reached.orientation, t.orientation));
}

void BM_ForwardKinematics(benchmark::State& state) {
    const auto& s = samples();
    size_t i = 0;
    WayPoint wp{};
    for (auto _ : state) {
        RobotUtilService::robotFk(s[i].q, 6, wp);
        benchmark::DoNotOptimize(wp);
        i = (i + 1) % s.size();
    }
}
BENCHMARK(BM_ForwardKinematics);

void BM_InverseKinematicsNearest(benchmark::State& state) {
    const auto& s = samples();
    size_t i = 0, failures = 0;
    WayPoint wp{};
    for (auto _ : state) {
        failures += RobotUtilService::robotIk(s[i].ref, s[i].target.cartPos, s[i].target.orientation, wp) != 0;
        benchmark::DoNotOptimize(wp);
        i = (i + 1) % s.size();
    }
    double posErr = 0, rotErr = 0;
    for (const Sample& x : s) {
        RobotUtilService::robotIk(x.ref, x.target.cartPos, x.target.orientation, wp);
        accumulateError(wp.jointpos, x.target, posErr, rotErr);
    }
    state.counters["failure_rate"] =
        benchmark::Counter(static_cast<double>(failures), benchmark::Counter::kAvgIterations);
    state.counters["max_pos_err_m"] = posErr;
    state.counters["max_rot_err"] = rotErr;
}
BENCHMARK(BM_InverseKinematicsNearest);

void BM_InverseKinematicsAll(benchmark::State& state) {
    const auto& s = samples();
    size_t i = 0, solutions = 0;
    std::vector<WayPoint> all;
    all.reserve(8);
    for (auto _ : state) {
        RobotUtilService::robotIk(s[i].target.cartPos, s[i].target.orientation, all);
        solutions += all.size();
        benchmark::DoNotOptimize(all.data());
        i = (i + 1) % s.size();
    }
    state.counters["solutions_per_call"] =
        benchmark::Counter(static_cast<double>(solutions), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_InverseKinematicsAll);

#ifdef ZARN_BENCH_WITH_KDL

// The same arm as a chain of revolute joints described at the all-zero posture,
// where it points straight up; the joint signs follow the interface's angles.
KDL::Chain defaultArmChain() {
    double a2, a3, d1, d2, d5, d6;
    getDhPara(a2, a3, d1, d2, d5, d6);
    using KDL::Frame;
    using KDL::Joint;
    using KDL::Rotation;
    using KDL::Segment;
    using KDL::Vector;
    const Vector o(0, 0, 0);
    KDL::Chain c;
    c.addSegment(Segment(Joint(Joint::RotZ), Frame(Vector(0, 0, d1))));
    c.addSegment(Segment(Joint("j2", o, Vector(0, -1, 0), Joint::RotAxis), Frame(Vector(0, 0, a2))));
    c.addSegment(Segment(Joint("j3", o, Vector(0, 1, 0), Joint::RotAxis), Frame(Vector(0, 0, a3))));
    c.addSegment(Segment(Joint("j4", o, Vector(0, -1, 0), Joint::RotAxis), Frame(Vector(0, -d2, 0))));
    c.addSegment(Segment(Joint("j5", o, Vector(0, 0, 1), Joint::RotAxis), Frame(Vector(0, 0, d5))));
    const Rotation flangeAtZero(1, 0, 0, 0, 0, -1, 0, 1, 0);
    c.addSegment(Segment(Joint("j6", o, Vector(0, -1, 0), Joint::RotAxis),
                         Frame(flangeAtZero, Vector(0, -d6, 0))));
    return c;
}

KDL::Frame toFrame(const WayPoint& wp) {
    double r[9];
    Ikfunc::QuaternionToOriMatrix(wp.orientation, r);
    return KDL::Frame(KDL::Rotation(r[0], r[1], r[2], r[3], r[4], r[5], r[6], r[7], r[8]),
                      KDL::Vector(wp.cartPos.x, wp.cartPos.y, wp.cartPos.z));
}

// A chain that disagrees with the closed form would make the comparison meaningless.
void checkChainMatches(const KDL::Chain& chain) {
    KDL::ChainFkSolverPos_recursive fk(chain);
    for (const Sample& x : samples()) {
        KDL::JntArray q(6);
        for (int k = 0; k < 6; ++k) q(k) = x.q[k];
        KDL::Frame f;
        fk.JntToCart(q, f);
        const KDL::Frame t = toFrame(x.target);
        if (!KDL::Equal(f, t, 1e-9)) {
            std::fprintf(stderr, "numeric comparison chain differs from the closed-form arm\n");
            std::abort();
        }
    }
}

void BM_NumericSolverLma(benchmark::State& state) {
    const double eps = std::pow(10.0, -static_cast<double>(state.range(0)));
    const KDL::Chain chain = defaultArmChain();
    checkChainMatches(chain);
    Eigen::Matrix<double, 6, 1> weights;
    weights << 1, 1, 1, 1, 1, 1;  // orientation weighted like position: equal accuracy in both
    KDL::ChainIkSolverPos_LMA solver(chain, weights, eps, 500, 1e-15);
    const auto& s = samples();
    std::vector<KDL::Frame> goals;
    for (const Sample& x : s) goals.push_back(toFrame(x.target));
    KDL::JntArray seed(6), out(6);
    size_t i = 0, failures = 0;
    for (auto _ : state) {
        for (int k = 0; k < 6; ++k) seed(k) = s[i].ref[k];
        failures += solver.CartToJnt(seed, goals[i], out) < 0;
        benchmark::DoNotOptimize(out.data.data());
        i = (i + 1) % s.size();
    }
    double posErr = 0, rotErr = 0;
    for (size_t j = 0; j < s.size(); ++j) {
        for (int k = 0; k < 6; ++k) seed(k) = s[j].ref[k];
        solver.CartToJnt(seed, goals[j], out);
        double q[6];
        for (int k = 0; k < 6; ++k) q[k] = out(k);
        accumulateError(q, s[j].target, posErr, rotErr);
    }
    state.counters["failure_rate"] =
        benchmark::Counter(static_cast<double>(failures), benchmark::Counter::kAvgIterations);
    state.counters["max_pos_err_m"] = posErr;
    state.counters["max_rot_err"] = rotErr;
}
// Stopping tolerance 1e-10 (comparable accuracy) and the solver's default 1e-5.
BENCHMARK(BM_NumericSolverLma)->Arg(10)->Arg(5);

#endif  // ZARN_BENCH_WITH_KDL

}  // namespace

BENCHMARK_MAIN();
